#include "output/OutputFile.h"

#include <quirepress/Error.h>

namespace quirepress::detail {

namespace {
const QByteArray utf8Mark = QByteArrayLiteral("\xEF\xBB\xBF");
// Written out in pieces of about this size.
constexpr qsizetype bufferSize = 64 * 1024;
} // namespace

OutputFile::OutputFile(const QString& path, bool byteOrderMark) : file_(path), byteOrderMark_(byteOrderMark)
{
    buffer_.reserve(bufferSize + 1024);
}

OutputFile::~OutputFile()
{
    // close() reports failures; here the run is being abandoned anyway.
    if (file_.isOpen()) {
        file_.write(buffer_);
        file_.close();
    }
}

void OutputFile::fail(const QString& what)
{
    const QString reason = file_.errorString();
    buffer_.clear();
    if (file_.isOpen())
        file_.close();
    throw Error(75, QStringLiteral("Quirepress.Output"),
                QStringLiteral("Path/File access error: %1 %2: %3").arg(what, file_.fileName(), reason));
}

void OutputFile::open()
{
    // Unbuffered: the lines are buffered here already.
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        fail(QStringLiteral("cannot open"));
    if (byteOrderMark_ && file_.size() == 0)
        buffer_ += utf8Mark;
}

void OutputFile::append(QStringView text)
{
    const qsizetype used = buffer_.size();
    buffer_.resize(used + encoder_.requiredSpace(text.size()));
    char* end = encoder_.appendToBuffer(buffer_.data() + used, text);
    buffer_.resize(end - buffer_.constData());
}

void OutputFile::drain()
{
    if (buffer_.isEmpty())
        return;
    if (file_.write(buffer_) != buffer_.size())
        fail(QStringLiteral("cannot write"));
    buffer_.resize(0);
}

void OutputFile::writeLine(QStringView line, QStringView suffix)
{
    if (!file_.isOpen())
        open();
    append(line);
    if (!suffix.isEmpty())
        append(suffix);
    buffer_.append("\r\n", 2);
    if (buffer_.size() >= bufferSize || !keepOpen_)
        drain();
    if (!keepOpen_)
        close();
}

void OutputFile::close()
{
    keepOpen_ = false;
    if (!file_.isOpen())
        return;
    drain();
    file_.close();
    if (file_.error() != QFileDevice::NoError)
        fail(QStringLiteral("cannot write"));
}

} // namespace quirepress::detail

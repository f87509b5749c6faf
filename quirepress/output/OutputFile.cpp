#include "output/OutputFile.h"

#include <quirepress/Error.h>

namespace quirepress::detail {

namespace {
const QByteArray lineEnd = QByteArrayLiteral("\r\n");
const QByteArray utf8Mark = QByteArrayLiteral("\xEF\xBB\xBF");
} // namespace

OutputFile::OutputFile(const QString& path, bool byteOrderMark) : file_(path), byteOrderMark_(byteOrderMark) {}

OutputFile::~OutputFile()
{
    // close() reports failures; here the run is being abandoned anyway.
    if (file_.isOpen())
        file_.close();
}

void OutputFile::fail(const QString& what)
{
    const QString reason = file_.errorString();
    if (file_.isOpen())
        file_.close();
    throw Error(75, QStringLiteral("Quirepress.Output"),
                QStringLiteral("Path/File access error: %1 %2: %3").arg(what, file_.fileName(), reason));
}

void OutputFile::open()
{
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Append))
        fail(QStringLiteral("cannot open"));
    if (byteOrderMark_ && file_.size() == 0 && file_.write(utf8Mark) != utf8Mark.size())
        fail(QStringLiteral("cannot write"));
}

void OutputFile::writeLines(const QStringList& lines)
{
    if (!file_.isOpen())
        open();
    for (const QString& line : lines) {
        const QByteArray bytes = line.toUtf8();
        if (file_.write(bytes) != bytes.size() || file_.write(lineEnd) != lineEnd.size())
            fail(QStringLiteral("cannot write"));
    }
    if (!keepOpen_)
        close();
}

void OutputFile::close()
{
    keepOpen_ = false;
    if (!file_.isOpen())
        return;
    if (!file_.flush())
        fail(QStringLiteral("cannot write"));
    file_.close();
    if (file_.error() != QFileDevice::NoError)
        fail(QStringLiteral("cannot write"));
}

} // namespace quirepress::detail

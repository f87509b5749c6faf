// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "output/OutputFile.h"

#include <quirepress/Error.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace quirepress::detail {

namespace {
const QByteArray utf8Mark = QByteArrayLiteral("\xEF\xBB\xBF");
// Handed to the file in pieces of about this size.
constexpr qsizetype bufferSize = 64 * 1024;
} // namespace

OutputFile::OutputFile(const QString& path, bool byteOrderMark) : file_(path)
{
    file_.start();
    buffer_.reserve(bufferSize + 1024);
    if (byteOrderMark)
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
    const qint64 written = file_.write(buffer_);
    buffer_.resize(0);
    if (written < 0)
        file_.check();
}

void OutputFile::writeLine(QStringView line, QStringView suffix)
{
    append(line);
    if (!suffix.isEmpty())
        append(suffix);
    buffer_.append("\r\n", 2);
    switch (state_) {
    case State::Writing:
        if (buffer_.size() >= bufferSize)
            drain();
        break;
    case State::InPlace:
        appendToFileInPlace();
        break;
    case State::Dropped:
        buffer_.resize(0);
        file_.check();
        break;
    }
}

// Sections printed after the run ended join the finished file, as they
// always have; the file was whole before, and stays so when a line fails.
void OutputFile::appendToFileInPlace()
{
    const QByteArray line = buffer_;
    buffer_.resize(0);
    QFile file(file_.path());
    const auto fail = [&file](const QString& reason) {
        throw Error(
            75, QStringLiteral("Quirepress.Output"),
            //: %1 is the file, %2 the system's reason
            QCoreApplication::translate("quirepress::detail::OutputFile", "Path/File access error: cannot write %1: %2")
                .arg(QDir::toNativeSeparators(file.fileName()), reason));
    };
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        fail(file.errorString());
    const qint64 whole = file.size();
    if (!writeAll(file, line.constData(), line.size())) {
        const QString reason = file.errorString();
        (void)file.resize(whole);
        fail(reason);
    }
}

void OutputFile::close()
{
    if (state_ != State::Writing)
        return;
    // Dropped unless it gets into place whole.
    state_ = State::Dropped;
    drain();
    file_.commit();
    state_ = State::InPlace;
}

void OutputFile::cancel()
{
    buffer_.clear();
    if (state_ == State::Writing) {
        file_.discard();
        state_ = State::Dropped;
    }
}

} // namespace quirepress::detail

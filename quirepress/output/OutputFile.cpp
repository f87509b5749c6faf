// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "output/OutputFile.h"

#include <quirepress/Error.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <string>

namespace quirepress::detail {

namespace {
constexpr std::string_view utf8Mark = "\xEF\xBB\xBF";
} // namespace

OutputFile::OutputFile(const QString& path, bool byteOrderMark) : file_(path)
{
    file_.start();
    buffer_.reserve(bufferSize + 1024);
    if (byteOrderMark)
        buffer_.append(utf8Mark);
}

void OutputFile::drain()
{
    const qint64 written = file_.write(buffer_.data(), static_cast<qint64>(buffer_.size()));
    buffer_.clear(); // keeps its room for the next piece
    if (written < 0)
        file_.check();
}

void OutputFile::afterLine()
{
    switch (state_) {
    case State::Writing:
        if (buffer_.size() >= bufferSize)
            drain();
        break;
    case State::InPlace:
        appendToFileInPlace();
        break;
    case State::Dropped:
        buffer_.clear();
        file_.check();
        break;
    }
}

// Sections printed after the run ended join the finished file, as they
// always have; the file was whole before, and stays so when a line fails.
void OutputFile::appendToFileInPlace()
{
    const std::string line(buffer_.view());
    buffer_.clear();
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
    if (!writeAll(file, line.data(), static_cast<qint64>(line.size()))) {
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
    buffer_ = LineBytes(); // its room goes too
    if (state_ == State::Writing) {
        file_.discard();
        state_ = State::Dropped;
    }
}

} // namespace quirepress::detail

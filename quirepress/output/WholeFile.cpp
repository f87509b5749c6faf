// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "output/WholeFile.h"

#include <quirepress/Error.h>

#include <QCoreApplication>
#include <QDir>

namespace quirepress::detail {

namespace {
// Written out in pieces of about this size.
constexpr qsizetype bufferSize = 64 * 1024;

// Not tr() in this file: without Q_OBJECT it would be QIODevice's, and look
// the texts up under QIODevice.
QString cannotWrite()
{
    //: %1 is the file, %2 the system's reason
    return QCoreApplication::translate("quirepress::detail::WholeFile", "Path/File access error: cannot write %1: %2");
}
} // namespace

bool writeAll(QFileDevice& file, const char* data, qint64 size)
{
    while (size > 0) {
        const qint64 written = file.write(data, size);
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

WholeFile::WholeFile(const QString& path) : file_(path) {}

WholeFile::~WholeFile() { discard(); }

void WholeFile::fail(const QString& description, const QString& reason) const
{
    throw Error(75, QStringLiteral("Quirepress.Output"), description.arg(QDir::toNativeSeparators(path()), reason));
}

void WholeFile::start()
{
    // Unbuffered: the bytes are buffered here, and a short write must reach
    // writeAll(), which asks again until the system says why.
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        //: %1 is the file, %2 the system's reason
        fail(QCoreApplication::translate("quirepress::detail::WholeFile",
                                         "Path/File access error: cannot create %1: %2"),
             file_.errorString());
    QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

void WholeFile::check() const
{
    if (!failure_.isEmpty())
        fail(cannotWrite(), failure_);
}

bool WholeFile::put(const char* data, qint64 size)
{
    if (!failure_.isEmpty())
        return false;
    if (writeAll(file_, data, size))
        return true;
    //: Why a file could not be written, when the system gives no reason
    failure_ = file_.error() == QFileDevice::NoError
        ? QCoreApplication::translate("quirepress::detail::WholeFile", "the disk takes no more")
        : file_.errorString();
    // Nothing more can make the file whole: its piece goes at once.
    discard();
    return false;
}

bool WholeFile::drain()
{
    if (!failure_.isEmpty())
        return false;
    const bool written = buffer_.isEmpty() || put(buffer_.constData(), buffer_.size());
    buffer_.resize(0); // keeps its room for the next piece
    return written;
}

qint64 WholeFile::readData(char* data, qint64 maxSize)
{
    (void)data;
    (void)maxSize;
    return -1;
}

qint64 WholeFile::writeData(const char* data, qint64 size)
{
    if (!failure_.isEmpty())
        return -1;
    if (buffer_.size() + size > bufferSize && !drain())
        return -1;
    if (size >= bufferSize)
        return put(data, size) ? size : -1;
    if (buffer_.capacity() < bufferSize)
        buffer_.reserve(bufferSize);
    buffer_.append(data, size);
    return size;
}

void WholeFile::commit()
{
    if (!drain()) {
        const QString reason = failure_;
        discard();
        fail(cannotWrite(), reason);
    }
    if (!file_.commit()) {
        failure_ = file_.errorString();
        discard();
        fail(cannotWrite(), failure_);
    }
    QIODevice::close();
}

void WholeFile::discard()
{
    buffer_.clear();
    if (file_.isOpen()) {
        // Without a commit the new file goes, and the old one stays.
        file_.cancelWriting();
        (void)file_.commit();
    }
    if (isOpen())
        QIODevice::close();
}

} // namespace quirepress::detail

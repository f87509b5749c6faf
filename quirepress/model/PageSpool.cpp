// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "model/PageSpool.h"

#include <quirepress/Error.h>

#include <QCoreApplication>

namespace quirepress::detail {

QString pageSpoolPath(const QString& temporaryFolder, const QString& baseName)
{
    return temporaryFolder + baseName + QStringLiteral(".qpg");
}

void PageSpool::start(const QString& path, QSize pageTwips)
{
    clear();
    path_ = path;
    pageSize_ = pageTwips;
}

void PageSpool::save(int number, QByteArrayView bytes)
{
    if (number < 1)
        return;
    if (static_cast<size_t>(number) > pages_.size())
        pages_.resize(static_cast<size_t>(number));
    // A page saved again leaves its old bytes unused where they are.
    pages_[static_cast<size_t>(number - 1)] = {memory_.size(), bytes.size(), false, true};
    memory_.append(bytes);
    if (memory_.size() > memoryBound_ || memoryBound_ == 0)
        spill();
}

void PageSpool::spill()
{
    if (path_.isEmpty())
        writeFailed();
    if (!file_.isOpen()) {
        file_.setFileName(path_);
        // Only this user can read the pages, as only they could the folder.
        if (!file_.open(QIODevice::ReadWrite | QIODevice::Truncate))
            writeFailed();
        fileSize_ = 0;
    }
    if (!file_.seek(fileSize_) || file_.write(memory_) != memory_.size() || !file_.flush())
        writeFailed();
    for (Stored& stored : pages_) {
        if (!stored.inFile) {
            stored.offset += fileSize_;
            stored.inFile = true;
        }
    }
    fileSize_ += memory_.size();
    memory_.clear();
}

void PageSpool::writeFailed() const
{
    throw Error(75, QStringLiteral("Quirepress.Output"),
                QCoreApplication::translate("quirepress::detail::PageSpool",
                                            "Path/File access error: the preview's pages cannot be written to %1.")
                    .arg(path_));
}

std::optional<QByteArray> PageSpool::page(int number) const
{
    if (number < 1 || static_cast<size_t>(number) > pages_.size())
        return std::nullopt;
    const Stored& stored = pages_[static_cast<size_t>(number - 1)];
    if (!stored.saved)
        return std::nullopt;
    QByteArray bytes;
    if (stored.inFile) {
        if (!file_.isOpen() || !file_.seek(stored.offset))
            return std::nullopt;
        bytes = file_.read(stored.size);
    } else {
        bytes = memory_.mid(stored.offset, stored.size);
    }
    if (bytes.size() != stored.size)
        return std::nullopt;
    return bytes;
}

void PageSpool::clear()
{
    if (file_.isOpen())
        file_.close();
    if (!path_.isEmpty())
        QFile::remove(path_);
    pages_.clear();
    memory_.clear();
    memory_.squeeze();
    fileSize_ = 0;
}

} // namespace quirepress::detail

// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QByteArray>
#include <QFile>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

namespace quirepress::detail {

// The file a report's preview pages are spooled to past the memory bound:
// base name + ".qpg" in the temporary folder. It begins like the page
// images did ("qrp" and the creation time), so the clean-up of other days'
// files finds it.
QString pageSpoolPath(const QString& temporaryFolder, const QString& baseName);

// The finished pages of a screen run, each kept as the drawing steps that
// made it (RecordingSurface's bytes). Pages stay in memory up to a bound; past it, what is
// in memory is appended to one spool file and remembered by offset, so a
// report of any length costs little memory and a few kilobytes of disk a
// page.
class PageSpool {
public:
    static constexpr qsizetype defaultMemoryBound = 4 * 1024 * 1024;

    PageSpool() = default;
    ~PageSpool() { clear(); }
    PageSpool(const PageSpool&) = delete;
    PageSpool& operator=(const PageSpool&) = delete;

    // Pages held in memory before they go to the file; 0 sends each page
    // to the file as it is saved.
    void setMemoryBound(qsizetype bytes) { memoryBound_ = bytes; }
    // Forgets the pages kept so far (deleting their file) and spools the
    // next ones to `path`.
    void start(const QString& path, QSize pageTwips);

    // Keeps `steps` as page `number` (from 1), replacing an older one.
    // Error 75 when the spool file cannot be written.
    void save(int number, QByteArrayView steps);
    // Page `number`'s drawing steps; none when it was never saved or cannot
    // be read back.
    std::optional<QByteArray> page(int number) const;
    int pageCount() const { return static_cast<int>(pages_.size()); }
    // The size of every page, in twips.
    QSize pageSize() const { return pageSize_; }

    // The spool file, whether or not anything was written to it yet.
    const QString& path() const { return path_; }
    // Forgets every page and deletes the spool file.
    void clear();

private:
    struct Stored {
        qint64 offset = 0;
        qint64 size = 0;
        bool inFile = false;
        // An empty page has no steps, yet it was saved.
        bool saved = false;
    };

    void spill();
    [[noreturn]] void writeFailed() const;

    QString path_;
    QSize pageSize_;
    qsizetype memoryBound_ = defaultMemoryBound;
    // Read back from in page(): opening the file is not a change of the
    // pages kept.
    mutable QFile file_;
    qint64 fileSize_ = 0;
    QByteArray memory_;
    // Page n at index n - 1.
    std::vector<Stored> pages_;
};

} // namespace quirepress::detail

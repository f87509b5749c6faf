// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QIODevice>
#include <QSaveFile>
#include <QString>

namespace quirepress::detail {

// A file that a run writes whole or not at all. The bytes go to a new file
// beside it (QSaveFile) that takes the name only when commit() succeeds: a
// run that fails, is cancelled or is dropped leaves the file of that name
// from before as it was, and no piece of its own.
//
// Writes are buffered here. The first write the disk refuses ends the
// writing, and check() and commit() throw Error 75 naming the file and the
// cause ("No space left on device"), which a short write alone would not
// tell. A device, so that a PDF writer can write into it.
class WholeFile : public QIODevice {
public:
    explicit WholeFile(const QString& path);
    // Discards what was written unless it was committed.
    ~WholeFile() override;
    WholeFile(const WholeFile&) = delete;
    WholeFile& operator=(const WholeFile&) = delete;

    QString path() const { return file_.fileName(); }

    // Makes the new file; Error 75 when it cannot be made.
    void start();
    // Error 75 when a write has failed.
    void check() const;
    // Writes out what is buffered and puts the file in place of any of its
    // name; Error 75, with nothing replaced, when that fails.
    void commit();
    // Drops what was written; the file of that name from before stays.
    void discard();

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    bool drain();
    bool put(const char* data, qint64 size);
    // Throws Error 75; `description` has %1 for the file and %2 for `reason`.
    [[noreturn]] void fail(const QString& description, const QString& reason) const;

    QSaveFile file_;
    QByteArray buffer_;
    // Why the first write failed; empty while none has.
    QString failure_;
};

// Writes all `size` bytes to `file`, again after a short write until the
// system refuses and says why (errorString()); false then.
bool writeAll(QFileDevice& file, const char* data, qint64 size);

} // namespace quirepress::detail

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <cstdint>
#include <optional>

namespace quillbill {

class Database;

// Tells whether the database may have changed since a window last read it,
// at the cost of one statement that reads no table: a window that shows
// many rows reads them again only when this says so.
//
// Two counts of SQLite's make the mark: the connection's data_version, which
// moves whenever another connection (another program, another desk) commits
// a change to the file, and total_changes(), the rows this connection itself
// has inserted, updated or deleted (a save in another window of this
// program, a restore). Either moves on a change to any table, so the answer
// can be "maybe" when the rows a window shows are as they were; it is never
// "no" after a change. On a PostgreSQL server it is always "maybe".
class ChangeWatch {
public:
    explicit ChangeWatch(const Database& database) : database_(database) {}

    // True when something may have changed since markSeen(), and always
    // before the first markSeen(). Throws DatabaseError.
    bool changed();
    // What the last changed() found is now seen: call it once the rows
    // have been read again, so that a read that failed is tried again.
    void markSeen() { seen_ = found_; }

private:
    struct Mark {
        int64_t dataVersion = 0;
        int64_t ownChanges = 0;
        bool operator==(const Mark&) const = default;
    };

    const Database& database_;
    std::optional<Mark> found_;
    std::optional<Mark> seen_;
};

} // namespace quillbill

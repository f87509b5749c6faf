// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "QStringPrinting.h"
#include "RecordingMessageBoxes.h"
#include "app/AppContext.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace quillbill::testing {

// A program folder in a temporary directory holding a copy of the delivered
// database, with an AppContext on it whose message boxes record. The
// settings store is emptied, so every test starts from the defaults.
class TestProgram {
public:
    // `openDatabase`: open MainDatabase on the copy, as start-up does.
    explicit TestProgram(bool openDatabase = true);
    ~TestProgram();

    QString folder() const { return dir_.path(); }
    QString databasePath() const;
    // Writes the tips file with `lines`, each ended by CR LF.
    void writeTips(const QStringList& lines) const;
    // Copies the report definitions the build delivers into Reports/.
    void installDeliveredReports() const;
    // Runs statements against the database, with values bound.
    void exec(const QString& sql, const QVariantList& values = {}) const;
    // Every row of `table`, its columns joined by '|', NULL
    // as "NULL": to show that a refusal wrote nothing.
    QStringList dump(const QString& table) const;

    RecordingMessageBoxes messages;
    std::unique_ptr<AppContext> app;

private:
    QTemporaryDir dir_;
};

// The delivered database the build made.
QString deliveredDatabase();

// Makes `path` a database of schema version 1, as the first Quillbill made
// them, from that version's own script, holding the delivered rows and a
// customer "Old Customer" (number 1) with invoice 1 of one job.
void makeVersionOneDatabase(const QString& path);

} // namespace quillbill::testing

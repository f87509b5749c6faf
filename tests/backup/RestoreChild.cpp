// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// Runs one restore in a process of its own, so that a test can kill it at a
// step it names: restore_child PROGRAM_FOLDER BACKUP_FILE [STEP [COUNT]]
// It prints "step: open" once the database is open, then "step: copying" and
// "step: checking" as the restore reaches them. At the COUNT-th report (1 by
// default) of STEP it stops and waits for its end.

#include "backup/DataSafety.h"
#include "app/AppContext.h"
#include "common/MessageBoxes.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

class SilentMessageBoxes final : public quillbill::MessageBoxes {
public:
    bool askYesNo(QWidget*, const QString&, const QString&) override { return true; }
    void inform(QWidget*, const QString&, const QString&) override {}
    void warn(QWidget*, const QString& text, const QString&) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(text));
    }
};

void report(const char* step, const char* pauseAt, int& left)
{
    std::fprintf(stdout, "step: %s\n", step);
    std::fflush(stdout);
    if (pauseAt && std::strcmp(step, pauseAt) == 0 && --left == 0)
        std::getchar(); // until the test kills this process or closes its stdin
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc < 3 || argc > 5)
        return 2;
    const char* pauseAt = argc >= 4 ? argv[3] : nullptr;
    int left = argc == 5 ? std::atoi(argv[4]) : 1;
    SilentMessageBoxes messages;
    quillbill::AppContext app(QString::fromLocal8Bit(argv[1]), messages);
    app.state.MainDatabase.open(app.path("DataBase/db_be.mdb"));
    report("open", pauseAt, left);
    using quillbill::DatabaseFiles::RestoreStep;
    const bool restored = quillbill::RestoreFromBackup(
        app, QString::fromLocal8Bit(argv[2]), [] {}, nullptr,
        [&](RestoreStep step) { report(step == RestoreStep::Copying ? "copying" : "checking", pauseAt, left); });
    report("end", pauseAt, left);
    return restored ? 0 : 1;
}

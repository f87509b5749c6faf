// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// Runs one backup in a process of its own, so that a test can hold it in the
// middle of its copy or kill it there: backup_child PROGRAM_FOLDER DESTINATION
// It prints "step: copying" once the copy's file is made and waits for a line
// on its stdin (or its end) before it copies; then "done", or the failure on
// stderr with exit code 1.

#include "backup/DatabaseFiles.h"
#include "records/Database.h"
#include "records/DatabaseError.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 3)
        return 2;
    try {
        quillbill::Database database;
        database.open(QDir(QString::fromLocal8Bit(argv[1])).filePath("DataBase/db_be.mdb"));
        quillbill::DatabaseFiles::backup(database, QString::fromLocal8Bit(argv[2]), [] {
            std::fprintf(stdout, "step: copying\n");
            std::fflush(stdout);
            std::getchar();
        });
    } catch (const quillbill::DatabaseError& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 1;
    }
    std::fprintf(stdout, "done\n");
    return 0;
}

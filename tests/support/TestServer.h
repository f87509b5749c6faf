// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "records/ServerAddress.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

namespace quillbill::testing {

// A new, empty database on the tests' private PostgreSQL cluster, which the
// "Postgres" test fixture starts (scripts/test-postgres.sh), dropped again
// at the end with every connection to it.
class TestServerDatabase {
public:
    TestServerDatabase();
    ~TestServerDatabase();
    TestServerDatabase(const TestServerDatabase&) = delete;
    TestServerDatabase& operator=(const TestServerDatabase&) = delete;

    const QString& name() const { return name_; }
    // Where the program finds it, and the same as another program's
    // argument: postgresql://quillbill_test@/NAME?host=FOLDER.
    ServerAddress address() const;
    QString url() const;
    // Gives it the server's design and the rows a new office starts with.
    void lay();
    // An open connection of its own to the database, named `connection`.
    QSqlDatabase connect(const QString& connection);
    // The folder of the cluster's socket: the host to connect to.
    static QString socketFolder();

private:
    QString name_;
    QStringList connections_;
};

} // namespace quillbill::testing

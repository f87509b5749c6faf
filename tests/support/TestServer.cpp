// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "TestServer.h"

#include "SchemaScript.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <stdexcept>

namespace quillbill::testing {

namespace {

const QString role = QStringLiteral("quillbill_test");

QSqlDatabase open(const QString& connection, const QString& database)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
    db.setHostName(TestServerDatabase::socketFolder());
    db.setUserName(role);
    db.setDatabaseName(database);
    if (!db.open())
        throw std::runtime_error("cannot reach the tests' PostgreSQL cluster: " + db.lastError().text().toStdString());
    return db;
}

// Runs `sql` on the cluster's maintenance database.
void administer(const QString& sql)
{
    const QString connection = QStringLiteral("quillbill-test-admin");
    {
        QSqlDatabase admin = open(connection, QStringLiteral("postgres"));
        QSqlQuery query(admin);
        if (!query.exec(sql))
            throw std::runtime_error(query.lastError().text().toStdString());
    }
    QSqlDatabase::removeDatabase(connection);
}

} // namespace

QString TestServerDatabase::socketFolder() { return QStringLiteral(QUILLBILL_TEST_POSTGRES_DIR); }

TestServerDatabase::TestServerDatabase()
{
    name_ = QStringLiteral("quillbill_") + QUuid::createUuid().toString(QUuid::Id128);
    administer(QStringLiteral("CREATE DATABASE %1").arg(name_));
}

TestServerDatabase::~TestServerDatabase()
{
    for (const QString& connection : connections_) {
        QSqlDatabase::database(connection, false).close();
        QSqlDatabase::removeDatabase(connection);
    }
    try {
        administer(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(name_));
    } catch (const std::exception&) {
        // The cluster goes with the fixture's end, and the database with it.
    }
}

ServerAddress TestServerDatabase::address() const
{
    ServerAddress server;
    server.host = socketFolder();
    server.database = name_;
    server.user = role;
    return server;
}

QString TestServerDatabase::url() const
{
    return QStringLiteral("postgresql://%1@/%2?host=%3").arg(role, name_, socketFolder());
}

void TestServerDatabase::lay()
{
    const QString connection = name_ + QStringLiteral("-lay");
    {
        QSqlDatabase db = open(connection, name_);
        for (const char* script : {SchemaScript::server, SchemaScript::deliveredRows}) {
            QSqlQuery query(db);
            if (!query.exec(QString::fromUtf8(script)))
                throw std::runtime_error(query.lastError().text().toStdString());
        }
    }
    QSqlDatabase::removeDatabase(connection);
}

QSqlDatabase TestServerDatabase::connect(const QString& connection)
{
    connections_.append(connection);
    return open(connection, name_);
}

} // namespace quillbill::testing

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "records/ServerConnection.h"

#include "records/SchemaCheck.h"

#include <QObject>
#include <QSqlQuery>
#include <QStringList>

#include <algorithm>

namespace quillbill::ServerConnection {

namespace {

// libpq's options: a value in single quotes, its quotes and backslashes
// escaped.
QString quotedOption(const QString& value)
{
    QString escaped = value;
    escaped.replace(u'\\', QStringLiteral("\\\\")).replace(u'\'', QStringLiteral("\\'"));
    return u'\'' + escaped + u'\'';
}

QString connectOptions(const ServerAddress& server)
{
    QStringList options{QStringLiteral("sslmode=") + quotedOption(server.encryption),
                        QStringLiteral("connect_timeout=10"), QStringLiteral("application_name='Quillbill'")};
    if (!server.certificateAuthority.isEmpty())
        options << QStringLiteral("sslrootcert=") + quotedOption(server.certificateAuthority);
    return options.join(u';');
}

// Why the open database is not one this program can work on, or nothing.
QString problemWithDesign(const QSqlDatabase& connection)
{
    QSqlQuery marked(connection);
    if (!marked.exec(QStringLiteral("SELECT to_regclass('tblschemaversion') IS NOT NULL")) || !marked.next()
        || !marked.value(0).toBool())
        return QObject::tr("The database %1 on the server is not a Quillbill database.").arg(connection.databaseName());
    QSqlQuery version(connection);
    if (!version.exec(QStringLiteral("SELECT Application, Version FROM TblSchemaVersion")) || !version.next()
        || version.value(0).toString() != QLatin1String("QBIL"))
        return QObject::tr("The database %1 on the server is not a Quillbill database.").arg(connection.databaseName());
    const int stored = version.value(1).toInt();
    if (stored > SchemaCheck::currentVersion)
        return QObject::tr("The database %1 on the server was made by a newer version of Quillbill (design %2; "
                           "this version knows %3). Please install that version on this computer.")
            .arg(connection.databaseName())
            .arg(stored)
            .arg(SchemaCheck::currentVersion);
    if (stored < SchemaCheck::currentVersion)
        return QObject::tr("The database %1 on the server is of an older design (%2; this version needs %3). "
                           "Please bring it up to date with the server script of this version.")
            .arg(connection.databaseName())
            .arg(stored)
            .arg(SchemaCheck::currentVersion);
    return {};
}

// Why the open database is not empty, or nothing.
QString problemWithEmptiness(const QSqlDatabase& connection)
{
    QSqlQuery tables(connection);
    if (!tables.exec(QStringLiteral("SELECT COUNT(*) FROM information_schema.tables WHERE table_schema = "
                                    "current_schema()"))
        || !tables.next())
        return tables.lastError().text();
    if (tables.value(0).toInt() != 0)
        return QObject::tr("The database %1 on the server is not empty: records are moved only into a new, "
                           "empty database.")
            .arg(connection.databaseName());
    return {};
}

} // namespace

QString open(QSqlDatabase& connection, const ServerAddress& server, Expect expect, int lockWaitMs)
{
    connection.setHostName(server.host);
    connection.setPort(server.port);
    connection.setDatabaseName(server.database);
    connection.setUserName(server.user);
    connection.setPassword(server.password);
    connection.setConnectOptions(connectOptions(server));
    if (!connection.open())
        return QObject::tr("The server %1 cannot be reached, or refused the sign-in: %2")
            .arg(server.host, connection.lastError().databaseText().trimmed());
    QSqlQuery settings(connection);
    QString problem;
    if (!settings.exec(lockWaitStatement(lockWaitMs)))
        problem = settings.lastError().text();
    if (problem.isEmpty())
        problem = expect == Expect::OurDesign ? problemWithDesign(connection) : problemWithEmptiness(connection);
    if (!problem.isEmpty())
        connection.close();
    return problem;
}

QString lockWaitStatement(int milliseconds)
{
    // 0 would wait for ever; the shortest wait there is stands for none.
    return QStringLiteral("SET lock_timeout = %1").arg(std::max(milliseconds, 1));
}

DatabaseError::Cause causeOf(const QSqlError& error)
{
    const QString state = error.nativeErrorCode();
    // lock_not_available, deadlock_detected, serialization_failure
    if (state == QLatin1String("55P03") || state == QLatin1String("40P01") || state == QLatin1String("40001"))
        return DatabaseError::Cause::Busy;
    // read_only_sql_transaction, insufficient_privilege
    if (state == QLatin1String("25006") || state == QLatin1String("42501"))
        return DatabaseError::Cause::ReadOnly;
    // disk_full
    if (state == QLatin1String("53100"))
        return DatabaseError::Cause::DiskFull;
    // A connection exception, the server shutting down or restarting, or
    // no answer at all: the connection is gone.
    if (state.isEmpty() || state.startsWith(QLatin1String("08")) || state == QLatin1String("57P01")
        || state == QLatin1String("57P02") || state == QLatin1String("57P03"))
        return DatabaseError::Cause::ConnectionLost;
    return DatabaseError::Cause::Other;
}

} // namespace quillbill::ServerConnection

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "TestProgram.h"

// Made by the build from database/schema.sql and the scripts of earlier versions.
#include "SchemaScript.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <stdexcept>

namespace quillbill::testing {

QString deliveredDatabase() { return QStringLiteral(QUILLBILL_TEST_DELIVERED_DATABASE); }

void makeVersionOneDatabase(const QString& path)
{
    // Qt SQL runs one statement at a time: the script without its comments
    // (none of its statements holds "--" or ";") split at each ";".
    QString script = QString::fromUtf8(SchemaScript::version1);
    script.remove(QRegularExpression(QStringLiteral("--[^\n]*")));
    QStringList statements = script.split(u';', Qt::SkipEmptyParts);
    statements << "INSERT INTO TblMyCompanyInfo (CompanyName, Address, City, Prov, PostalCode, gst, pst) "
                  "VALUES ('Old Office', '1 Old Road', 'Kingston', 'ON', 'K7L1A1', 5, 8)"
               << "INSERT INTO TblUsers (First_Name, Last_Name, UserName, Password, Level) "
                  "VALUES ('System', 'Administrator', 'admin', 'admin', 3)"
               << "INSERT INTO TblCustomer (Company, Address, City, Prov, Postal, BillingCode) "
                  "VALUES ('Old Customer', '2 Old Road', 'Kingston', 'ON', 'K7L1A2', 'OLD')"
               << "INSERT INTO TblBillingCodes (BillCode, InvoiceNumber) VALUES ('OLD', 2)"
               << "INSERT INTO TblInvoice (InvoiceID, CustomerID, Date) VALUES (1, 1, '2025-03-04'), "
                  "(2, 1, '2025-03-05')"
               << "INSERT INTO TblJobs (CustomerID, InvoiceID, JobDescription, Sums) VALUES (1, 1, 'Old work', 250000)";
    const QString name = QStringLiteral("version-one-maker");
    QString failed;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open())
            failed = db.lastError().text();
        QSqlQuery query(db);
        for (const QString& statement : statements)
            if (failed.isEmpty() && !statement.trimmed().isEmpty() && !query.exec(statement))
                failed = statement + ": " + query.lastError().text();
        query = QSqlQuery();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    if (!failed.isEmpty())
        throw std::runtime_error("cannot make a version 1 database: " + failed.toStdString());
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
}

TestProgram::TestProgram(bool openDatabase)
{
    if (!dir_.isValid() || !QDir(dir_.path()).mkpath("DataBase") || !QFile::copy(deliveredDatabase(), databasePath()))
        throw std::runtime_error("cannot lay out a test program folder");
    QFile::setPermissions(databasePath(), QFile::ReadOwner | QFile::WriteOwner);
    app = std::make_unique<AppContext>(dir_.path(), messages);
    app->options.clear();
    app->databaseSettings.clear();
    if (openDatabase)
        app->state.MainDatabase.open(databasePath());
}

TestProgram::~TestProgram()
{
    app->options.clear();
    app->databaseSettings.clear();
}

QString TestProgram::databasePath() const { return dir_.path() + "/DataBase/db_be.mdb"; }

void TestProgram::writeTips(const QStringList& lines) const
{
    QFile file(dir_.path() + "/TipOfTheDay.dat");
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write the tips file");
    for (const QString& line : lines)
        file.write((line + "\r\n").toUtf8());
}

void TestProgram::installDeliveredReports() const
{
    // The English layouts and, in fr/, the French ones.
    for (const QString& folder : {QStringLiteral("Reports"), QStringLiteral("Reports/fr")}) {
        const QDir delivered(QStringLiteral(QUILLBILL_TEST_PROGRAM_DIR "/") + folder);
        QDir(dir_.path()).mkpath(folder);
        for (const QString& name : delivered.entryList(QDir::Files))
            if (!QFile::copy(delivered.filePath(name), dir_.path() + u'/' + folder + u'/' + name))
                throw std::runtime_error("cannot copy the delivered report definitions");
    }
}

void TestProgram::exec(const QString& sql, const QVariantList& values) const
{
    app->state.MainDatabase.execute(sql, values);
}

QStringList TestProgram::dump(const QString& table) const
{
    QStringList lines;
    // In the order of every column, so that a file and a server list the
    // same rows alike. The server's "rowid", which a file keeps unseen, is
    // left out.
    const QSqlRecord columns = app->state.MainDatabase.execute("SELECT * FROM " + table + " LIMIT 0").record();
    QStringList shown;
    for (int i = 0; i < columns.count(); ++i)
        if (columns.fieldName(i).compare(QLatin1String("rowid"), Qt::CaseInsensitive) != 0)
            shown << columns.fieldName(i);
    QStringList order;
    for (int column = 1; column <= shown.size(); ++column)
        order << QString::number(column);
    for (const QSqlRecord& row : app->state.MainDatabase.rows("SELECT " + shown.join(u',') + " FROM " + table
                                                              + " ORDER BY " + order.join(u','))) {
        QStringList values;
        for (int i = 0; i < row.count(); ++i)
            values << (row.isNull(i) ? QStringLiteral("NULL") : row.value(i).toString());
        lines << values.join(u'|');
    }
    return lines;
}

} // namespace quillbill::testing

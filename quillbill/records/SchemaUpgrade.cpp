// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "records/SchemaUpgrade.h"

#include "records/Database.h"
#include "records/DatabaseError.h"
#include "records/SchemaCheck.h"

#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QSqlRecord>

#include <cerrno>
#include <cstring>
#include <iterator>
#include <unistd.h>

namespace quillbill::SchemaUpgrade {

namespace {

// A column of the current design that an older file made from others, and
// how: the upgrade fills it so (at its Step with no statement), and a
// restore of an older backup takes it so.
struct DerivedColumn {
    int version; // the version whose upgrade makes it
    const char* table;
    const char* column;
    const char* from; // the older column it comes from
    // Over the older row; "{schema}" stands for the database that holds it
    // ("main" in an upgrade, the backup in a restore).
    const char* expression;
};

constexpr DerivedColumn derivedColumns[] = {
    {2, "TblMyCompanyInfo", "GSTRate", "gst", "gst * 1000"},
    {2, "TblMyCompanyInfo", "PSTRate", "pst", "pst * 1000"},
    // An invoice from before drafts were kept could not be changed once it
    // had jobs, and may have been sent: it is issued. One without jobs was
    // never sent, and stays a draft to be finished.
    {3, "TblInvoice", "Status", "InvoiceID",
     "CASE WHEN EXISTS (SELECT 1 FROM {schema}.TblJobs AS job WHERE job.CustomerID = TblInvoice.CustomerID "
     "AND job.InvoiceID = TblInvoice.InvoiceID) THEN 1 ELSE 0 END"},
};

QString expressionIn(const DerivedColumn& derived, const QString& schema)
{
    return QString::fromLatin1(derived.expression).replace(QLatin1String("{schema}"), schema);
}

// A statement that brings a file from `from` to the next version; a version
// may take several, in order. Their result must be the design that
// schema.sql makes (the schema check compares them): a column added by ALTER
// TABLE goes last in its table there too.
struct Step {
    int from;
    const char* statement; // none: fill the derived columns from their older ones
};

constexpr Step steps[] = {
    // A customer with invoices is hidden rather than deleted.
    {1, "ALTER TABLE TblCustomer ADD COLUMN Hidden INTEGER NOT NULL DEFAULT 0 CHECK (Hidden IN (-1, 0))"},
    // Rates as the authorities write them, in thousandths of a per cent,
    // with the taxes' names and the provincial registration number; an
    // invoice keeps the taxes it is issued with (none on older invoices).
    {2,
     "ALTER TABLE TblInvoice ADD COLUMN GSTRate INTEGER CHECK (GSTRate IS NULL OR "
     "(typeof(GSTRate) = 'integer' AND GSTRate BETWEEN 0 AND 100000))"},
    {2,
     "ALTER TABLE TblInvoice ADD COLUMN PSTRate INTEGER CHECK (PSTRate IS NULL OR "
     "(typeof(PSTRate) = 'integer' AND PSTRate BETWEEN 0 AND 100000))"},
    {2, "ALTER TABLE TblInvoice ADD COLUMN GSTName TEXT"},
    {2, "ALTER TABLE TblInvoice ADD COLUMN PSTName TEXT"},
    {2,
     "ALTER TABLE TblMyCompanyInfo ADD COLUMN GSTRate INTEGER NOT NULL DEFAULT 0 CHECK "
     "(typeof(GSTRate) = 'integer' AND GSTRate BETWEEN 0 AND 100000)"},
    {2,
     "ALTER TABLE TblMyCompanyInfo ADD COLUMN PSTRate INTEGER NOT NULL DEFAULT 0 CHECK "
     "(typeof(PSTRate) = 'integer' AND PSTRate BETWEEN 0 AND 100000)"},
    {2, "ALTER TABLE TblMyCompanyInfo ADD COLUMN GSTName TEXT NOT NULL DEFAULT 'GST'"},
    {2, "ALTER TABLE TblMyCompanyInfo ADD COLUMN PSTName TEXT NOT NULL DEFAULT 'PST'"},
    {2, "ALTER TABLE TblMyCompanyInfo ADD COLUMN PSTNumber TEXT"},
    {2, nullptr},
    {2, "ALTER TABLE TblMyCompanyInfo DROP COLUMN gst"},
    {2, "ALTER TABLE TblMyCompanyInfo DROP COLUMN pst"},
    // Drafts and issued invoices, what an issued one printed, credit notes
    // and every invoice's history.
    {3, "ALTER TABLE TblInvoice ADD COLUMN Status INTEGER NOT NULL DEFAULT 0 CHECK (Status IN (0, 1))"},
    {3, "ALTER TABLE TblInvoice ADD COLUMN IssuedAt TEXT"},
    {3, "ALTER TABLE TblInvoice ADD COLUMN IssuedBy TEXT"},
    {3, "ALTER TABLE TblInvoice ADD COLUMN BillCompany TEXT"},
    {3, "ALTER TABLE TblInvoice ADD COLUMN BillAddress TEXT"},
    {3, "ALTER TABLE TblInvoice ADD COLUMN BillCityLine TEXT"},
    {3,
     "ALTER TABLE TblInvoice ADD COLUMN CreditFor INTEGER CHECK (CreditFor IS NULL OR typeof(CreditFor) = "
     "'integer')"},
    {3, nullptr},
    {3,
     "CREATE TABLE TblIssuedCompany (CustomerID INTEGER NOT NULL, InvoiceID INTEGER NOT NULL, Position INTEGER "
     "NOT NULL, CompanyName TEXT, Address TEXT, CityLine TEXT, Phone TEXT, Cell TEXT, Email TEXT, Vendor TEXT, "
     "GSTNumber TEXT, PSTNumber TEXT)"},
    {3, "CREATE UNIQUE INDEX IdxIssuedCompanyInvoice ON TblIssuedCompany (CustomerID, InvoiceID, Position)"},
    {3,
     "CREATE TABLE TblInvoiceHistory (HistoryID INTEGER PRIMARY KEY, CustomerID INTEGER NOT NULL, InvoiceID "
     "INTEGER NOT NULL, At TEXT NOT NULL, UserName TEXT, Event TEXT NOT NULL, Detail TEXT)"},
    {3, "CREATE INDEX IdxInvoiceHistoryInvoice ON TblInvoiceHistory (CustomerID, InvoiceID)"},
    // Payments in parts. An invoice marked paid before them has none, and
    // owes nothing.
    {4,
     "CREATE TABLE TblPayment (PaymentID INTEGER PRIMARY KEY, CustomerID INTEGER NOT NULL CHECK "
     "(typeof(CustomerID) = 'integer'), InvoiceID INTEGER NOT NULL CHECK (typeof(InvoiceID) = 'integer'), Amount "
     "INTEGER NOT NULL CHECK (typeof(Amount) = 'integer' AND Amount <> 0 AND Amount % 100 = 0), PaidOn TEXT NOT "
     "NULL CHECK (PaidOn GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9]'), Method TEXT NOT NULL CHECK (Method "
     "IN ('cheque', 'cash', 'transfer', 'card', 'other')), Reverses INTEGER UNIQUE CHECK (Reverses IS NULL OR "
     "typeof(Reverses) = 'integer'), RecordedAt TEXT NOT NULL, RecordedBy TEXT)"},
    {4, "CREATE INDEX IdxPaymentInvoice ON TblPayment (CustomerID, InvoiceID)"},
};

static_assert(steps[std::size(steps) - 1].from == SchemaCheck::currentVersion - 1,
              "the last step brings a file to the current version");

int versionOf(const Database& db) { return db.firstRow(QStringLiteral("PRAGMA user_version"))->value(0).toInt(); }

QString systemError() { return QString::fromLocal8Bit(std::strerror(errno)); }

// Copies the file as it is into a new file beside it and returns its name.
// Called under the write lock, so no program changes the file meanwhile; the
// name is taken with link(), which never replaces a file that is there.
QString keepCopy(const QString& filePath, int version)
{
    const QString staging = filePath + QStringLiteral(".upgrading");
    if (!copyPrivately(filePath, staging))
        throw DatabaseError(QObject::tr("A copy of the database could not be kept beside it (%1), so it was not "
                                        "upgraded.")
                                .arg(staging));
    for (;;) {
        const QString name = keptCopyName(filePath, version);
        if (::link(QFile::encodeName(staging).constData(), QFile::encodeName(name).constData()) == 0) {
            QFile::remove(staging);
            return name;
        }
        if (errno != EEXIST) {
            const QString reason = systemError();
            QFile::remove(staging);
            throw DatabaseError(
                QObject::tr("A copy of the database could not be kept as %1 (%2), so it was not upgraded.")
                    .arg(name, reason));
        }
    }
}

} // namespace

QString restoredColumn(const QString& table, const QString& column, const QString& schema,
                       const QStringList& backupColumns)
{
    for (const DerivedColumn& derived : derivedColumns)
        if (table.compare(QLatin1String(derived.table), Qt::CaseInsensitive) == 0
            && column.compare(QLatin1String(derived.column), Qt::CaseInsensitive) == 0
            && backupColumns.contains(QLatin1String(derived.from), Qt::CaseInsensitive))
            return expressionIn(derived, schema);
    return {};
}

QString keptCopyName(const QString& filePath, int version)
{
    const QString base = QStringLiteral("%1.v%2").arg(filePath).arg(version);
    QString name = base + QStringLiteral(".bak");
    for (int n = 2; QFileInfo::exists(name) || QFileInfo(name).isSymLink(); ++n)
        name = QStringLiteral("%1-%2.bak").arg(base).arg(n);
    return name;
}

QString upgrade(const Database& db)
{
    const int found = versionOf(db);
    if (found >= SchemaCheck::currentVersion)
        return {};
    if (const QString reason = db.readOnlyReason(); !reason.isEmpty())
        throw DatabaseError(QObject::tr("The database is of schema version %1 and must be upgraded to version %2 "
                                        "before this program can use it, but %3 Nothing was changed.")
                                .arg(found)
                                .arg(SchemaCheck::currentVersion)
                                .arg(reason),
                            DatabaseError::Cause::ReadOnly);
    QString kept;
    try {
        db.inTransaction([&] {
            // Read again under the lock: another program may have upgraded it.
            const int version = versionOf(db);
            if (version >= SchemaCheck::currentVersion)
                return;
            kept = keepCopy(db.filePath(), version);
            for (const Step& step : steps) {
                if (step.from < version)
                    continue;
                if (step.statement) {
                    db.execute(QString::fromUtf8(step.statement));
                    continue;
                }
                for (const DerivedColumn& derived : derivedColumns)
                    if (derived.version == step.from)
                        db.execute(QStringLiteral("UPDATE %1 SET %2 = %3")
                                       .arg(QLatin1String(derived.table), QLatin1String(derived.column),
                                            expressionIn(derived, QStringLiteral("main"))));
            }
            // PRAGMA takes no bound value; the number is the program's own.
            db.execute(QStringLiteral("PRAGMA user_version = %1").arg(SchemaCheck::currentVersion));
        });
    } catch (const DatabaseError& error) {
        // The file is as it was: a copy of it is of no use.
        if (!kept.isEmpty())
            QFile::remove(kept);
        throw DatabaseError(QObject::tr("The database could not be upgraded from schema version %1 to version %2; "
                                        "it is unchanged.\n%3")
                                .arg(found)
                                .arg(SchemaCheck::currentVersion)
                                .arg(saveFailureMessage(error, error.message())),
                            error.cause());
    }
    return kept;
}

} // namespace quillbill::SchemaUpgrade

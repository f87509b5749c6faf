#include "records/SchemaCheck.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <QObject>
#include <optional>

namespace quillbill::SchemaCheck {

namespace {

const QStringList requiredTables = {
    "TblCustomer", "TblBillingCodes", "TblInvoice", "TblJobs", "TblMyCompanyInfo", "TblUsers", "TblBuildInvoiceData",
};

// Reads a PRAGMA that returns one integer; nullopt when the file cannot be
// read as an SQLite database at all.
std::optional<int> pragmaValue(const QSqlDatabase& connection, const QString& pragma)
{
    QSqlQuery query(connection);
    if (!query.exec("PRAGMA " + pragma) || !query.next())
        return std::nullopt;
    return query.value(0).toInt();
}

} // namespace

QString problemWith(const QSqlDatabase& connection)
{
    const auto id = pragmaValue(connection, "application_id");
    const auto version = pragmaValue(connection, "user_version");
    if (!id || !version)
        return QObject::tr("The file is not a database.");
    if (*id != applicationId)
        return QObject::tr("The file is a database, but not a Quillbill database.");
    if (*version > currentVersion)
        return QObject::tr("The database was made by a newer version of Quillbill (schema version %1; "
                           "this program knows version %2).")
            .arg(*version)
            .arg(currentVersion);

    QSqlQuery query(connection);
    query.prepare("SELECT name FROM sqlite_master WHERE type = 'table'");
    if (!query.exec())
        return query.lastError().text();
    QStringList present;
    while (query.next())
        present << query.value(0).toString();
    QStringList missing;
    for (const QString& table : requiredTables)
        if (!present.contains(table, Qt::CaseInsensitive))
            missing << table;
    if (!missing.isEmpty())
        return QObject::tr("The database lacks the tables %1.").arg(missing.join(", "));
    return {};
}

} // namespace quillbill::SchemaCheck

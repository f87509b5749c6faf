#include "records/Database.h"

#include "records/DatabaseError.h"
#include "records/SchemaCheck.h"

#include <QAtomicInteger>
#include <QFileInfo>
#include <QObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QUrl>

namespace quillbill {

namespace {

// A second program writing the file makes a save wait this long before it fails.
constexpr int busyTimeoutMs = 5000;

QString nextConnectionName()
{
    static QAtomicInteger<int> counter;
    return QStringLiteral("quillbill-%1").arg(counter.fetchAndAddRelaxed(1));
}

// SQLite's "file:" URI with mode=rw opens read-write and never creates the file.
QString readWriteUri(const QString& filePath)
{
    return QUrl::fromLocalFile(QFileInfo(filePath).absoluteFilePath()).toString(QUrl::FullyEncoded)
        + QStringLiteral("?mode=rw");
}

QString describe(const QSqlError& error)
{
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return text.trimmed();
}

} // namespace

Database::Database() : connectionName_(nextConnectionName()) {}

Database::~Database()
{
    close();
}

void Database::open(const QString& filePath)
{
    close();
    const QFileInfo file(filePath);
    if (!file.exists())
        throw DatabaseError(QObject::tr("The database file %1 was not found.").arg(file.absoluteFilePath()));
    if (!file.isFile())
        throw DatabaseError(QObject::tr("%1 is not a file.").arg(file.absoluteFilePath()));

    {
        QSqlDatabase connection = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
        connection.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
        connection.setDatabaseName(readWriteUri(filePath));
        QString problem;
        if (!connection.open())
            problem = describe(connection.lastError());
        else
            problem = SchemaCheck::problemWith(connection);
        if (!problem.isEmpty()) {
            connection.close();
            connection = QSqlDatabase();
            QSqlDatabase::removeDatabase(connectionName_);
            throw DatabaseError(QObject::tr("Cannot open the database %1.\n%2").arg(file.absoluteFilePath(), problem));
        }
    }
    filePath_ = file.absoluteFilePath();
}

void Database::close()
{
    if (!QSqlDatabase::contains(connectionName_))
        return;
    {
        QSqlDatabase connection = QSqlDatabase::database(connectionName_, false);
        connection.close();
    }
    QSqlDatabase::removeDatabase(connectionName_);
    filePath_.clear();
}

bool Database::isOpen() const
{
    return QSqlDatabase::contains(connectionName_) && connection().isOpen();
}

QSqlDatabase Database::connection() const
{
    return QSqlDatabase::database(connectionName_, false);
}

QSqlQuery Database::execute(const QString& sql, const QVariantList& values) const
{
    if (!isOpen())
        throw DatabaseError(QObject::tr("The database is not open."));
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw DatabaseError(describe(query.lastError()));
    for (const QVariant& value : values) {
        // Qt binds a null QString (the text of an untouched, empty box) as
        // NULL. Text is text: an empty one is stored as ''. A missing value
        // is passed as QVariant().
        if (value.typeId() == QMetaType::QString && value.toString().isNull())
            query.addBindValue(QStringLiteral(""));
        else
            query.addBindValue(value);
    }
    if (!query.exec())
        throw DatabaseError(describe(query.lastError()));
    return query;
}

std::vector<QSqlRecord> Database::rows(const QString& sql, const QVariantList& values) const
{
    QSqlQuery query = execute(sql, values);
    std::vector<QSqlRecord> result;
    while (query.next())
        result.push_back(query.record());
    return result;
}

std::optional<QSqlRecord> Database::firstRow(const QString& sql, const QVariantList& values) const
{
    QSqlQuery query = execute(sql, values);
    if (!query.next())
        return std::nullopt;
    return query.record();
}

void Database::inTransaction(const std::function<void()>& work) const
{
    QSqlDatabase db = connection();
    if (!db.transaction())
        throw DatabaseError(describe(db.lastError()));
    try {
        work();
    } catch (...) {
        db.rollback();
        throw;
    }
    if (!db.commit()) {
        const QString problem = describe(db.lastError());
        db.rollback();
        throw DatabaseError(problem);
    }
}

} // namespace quillbill

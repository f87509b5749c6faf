#include "TestProgram.h"

#include <QDir>
#include <QFile>

#include <stdexcept>

namespace quillbill::testing {

QString deliveredDatabase() { return QStringLiteral(QUILLBILL_TEST_DELIVERED_DATABASE); }

TestProgram::TestProgram(bool openDatabase)
{
    if (!dir_.isValid() || !QDir(dir_.path()).mkpath("DataBase") || !QFile::copy(deliveredDatabase(), databasePath()))
        throw std::runtime_error("cannot lay out a test program folder");
    QFile::setPermissions(databasePath(), QFile::ReadOwner | QFile::WriteOwner);
    app = std::make_unique<AppContext>(dir_.path(), messages);
    app->options.clear();
    if (openDatabase)
        app->state.MainDatabase.open(databasePath());
}

TestProgram::~TestProgram() { app->options.clear(); }

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
    const QDir delivered(QStringLiteral(QUILLBILL_TEST_PROGRAM_DIR "/Reports"));
    QDir(dir_.path()).mkpath("Reports");
    for (const QString& name : delivered.entryList(QDir::Files))
        if (!QFile::copy(delivered.filePath(name), dir_.path() + "/Reports/" + name))
            throw std::runtime_error("cannot copy the delivered report definitions");
}

void TestProgram::exec(const QString& sql, const QVariantList& values) const
{
    app->state.MainDatabase.execute(sql, values);
}

} // namespace quillbill::testing

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// Backups and restores: the file name, the online copy while others write,
// the checks that refuse a bad backup with the live database intact, a
// restore beside another program using the file, and a restore killed at each
// of its steps that never leaves a broken database.

#include "TestProgram.h"
#include "backup/BackupStamp.h"
#include "backup/DataSafety.h"
#include "backup/DatabaseFiles.h"
#include "backup/RestorePlaces.h"
#include "backup/frmFileMoveCopy.h"
#include "backup/frmRestore.h"
#include "records/DatabaseError.h"
#include "records/SchemaCheck.h"
#include "records/customers/CustomerRecords.h"
#include "records/invoices/InvoiceRecords.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <thread>

#include <sys/stat.h>

using namespace quillbill;
using quillbill::testing::makeVersionOneDatabase;
using quillbill::testing::RecordingMessageBoxes;
using quillbill::testing::TestProgram;

namespace {

QString companyName(const Database& db)
{
    return db.firstRow("SELECT CompanyName FROM TblMyCompanyInfo")->value(0).toString();
}

void setCompanyName(const Database& db, const QString& name)
{
    db.execute("UPDATE TblMyCompanyInfo SET CompanyName = ?", {name});
}

QByteArray fileHash(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// The permission bits of `path`.
mode_t modeOf(const QString& path)
{
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : 07777;
}

// Runs statements on `path` with the sqlite3 tool, as another program would.
void runSqlite3(const QString& path, const QByteArray& statements)
{
    QProcess tool;
    tool.start("sqlite3", {"-bail", path});
    tool.write(statements + "\n");
    tool.closeWriteChannel();
    ASSERT_TRUE(tool.waitForFinished(30000));
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
}

// The names of the copies in progress (*.partial) in `folder`.
QStringList partialsIn(const QString& folder) { return QDir(folder).entryList({"*.partial"}, QDir::Files, QDir::Name); }

// A backup in a process of its own, held once its copy's file is made.
class HeldBackup {
public:
    HeldBackup(const QString& programFolder, const QString& destination)
    {
        process.start(BACKUP_CHILD, {programFolder, destination});
    }
    ~HeldBackup()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(60000);
        }
    }
    // True once the child has made its copy's file and waits.
    bool waitUntilCopying()
    {
        while (!output.contains("step: copying\n")) {
            if (!process.waitForReadyRead(60000))
                return false;
            output += process.readAllStandardOutput();
        }
        return true;
    }
    // Lets the copy go on; true when the backup succeeded.
    bool finish()
    {
        process.write("\n");
        process.closeWriteChannel();
        if (!process.waitForFinished(60000))
            return false;
        output += process.readAllStandardOutput();
        return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0 && output.contains("done");
    }
    void kill()
    {
        process.kill();
        process.waitForFinished(60000);
    }

    QProcess process;
    QByteArray output;
};

// The database a file holds: "" when it does not open as a Quillbill database
// or fails the integrity check, else the own company's name.
QString soundCompanyName(const QString& path)
{
    if (!DatabaseFiles::problemWith(path).isEmpty())
        return {};
    Database db;
    db.open(path);
    return companyName(db);
}

} // namespace

TEST(BackupStampTest, MonthDayYearAndTwelveHourTime)
{
    const QLocale c = QLocale::c();
    const QDate day(2026, 12, 7);
    EXPECT_EQ(makeBackupStamp(QDateTime(day, QTime(14, 5, 9)), c), "12072026_020509PM");
    EXPECT_EQ(makeBackupStamp(QDateTime(day, QTime(0, 30, 0)), c), "12072026_123000AM") << "half past midnight";
    EXPECT_EQ(makeBackupStamp(QDateTime(day, QTime(12, 30, 0)), c), "12072026_123000PM") << "half past noon";
    EXPECT_EQ(makeBackupStamp(QDateTime(QDate(2027, 1, 2), QTime(9, 8, 7)), c), "01022027_090807AM");
    EXPECT_EQ(backupFileName("12072026_020509PM"), "DataBackup/db_be_12072026_020509PM.BAK");
}

// Languages that write numbers in digits of their own: the file names still
// carry ASCII digits, beside the language's own AM or PM.
TEST(BackupStampTest, DigitsAreAsciiInEveryLanguage)
{
    const QDateTime when(QDate(2026, 12, 7), QTime(14, 5, 9));
    for (const char* name : {"ar_EG", "fa_IR", "mr_IN"}) {
        const QLocale language(name);
        ASSERT_NE(language.zeroDigit(), "0") << name << " has no digits of its own here";
        EXPECT_EQ(makeBackupStamp(when, language), "12072026_020509" + language.pmText().remove(u' ')) << name;
    }
}

TEST(RestorePlacesTest, HomeBackupsAndTheUsersMediaButNotTheRoot)
{
    const QStringList mounted{"/",
                              "/boot",
                              "/home",
                              "/media/ann/STICK",
                              "/media/bob/CARD",
                              "/mnt",
                              "/mnt/share",
                              "/run/media/ann/DVD",
                              "/run/user/1000"};
    EXPECT_EQ(restorePlaces("/home/ann", "/opt/qb/DataBackup", "ann", mounted),
              (QStringList{"/home/ann", "/opt/qb/DataBackup", "/media/ann/STICK", "/mnt", "/mnt/share",
                           "/run/media/ann/DVD"}));
    const QStringList places{"/home/ann", "/home/ann/qb/DataBackup", "/media/ann/STICK"};
    EXPECT_EQ(placeOf(places, "/home/ann/qb/DataBackup/older"), 1) << "the innermost place";
    EXPECT_EQ(placeOf(places, "/media/ann/STICKS"), -1);
}

class BackupTest : public ::testing::Test {
protected:
    TestProgram program;
    const Database& db() const { return program.app->state.MainDatabase; }
    QString backupPath() const { return program.app->path(backupFileName(program.app->state.BackupStamp)); }
};

TEST_F(BackupTest, TheFirstBackupMakesItsFolderAndIsVerified)
{
    ASSERT_FALSE(QDir(program.folder()).exists("DataBackup"));
    setCompanyName(db(), "Before the backup");
    frmFileMoveCopy* progress = CreateBackup(*program.app);

    EXPECT_TRUE(program.messages.empty());
    ASSERT_NE(progress, nullptr);
    EXPECT_TRUE(progress->isVisible());
    EXPECT_TRUE(progress->isDone());
    EXPECT_EQ(progress->windowTitle(), "Creating Backup...Done");
    EXPECT_TRUE(QFileInfo::exists(backupPath()));
    auto* written = progress->findChild<QLabel*>("lblResult");
    EXPECT_TRUE(written->isVisible());
    EXPECT_EQ(written->text(), "Backup written to " + backupPath()) << "the whole path, to find it again";
    EXPECT_EQ(soundCompanyName(backupPath()), "Before the backup");
    EXPECT_FALSE(QFileInfo::exists(backupPath() + ".partial"));

    auto* done = progress->findChild<QPushButton*>("cmdDone");
    QPointer<frmFileMoveCopy> watched = progress;
    QTest::mouseClick(done, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watched.isNull()) << "Done closes the window";
}

// The path is long and wraps; a window that kept the size it had while
// copying would cut off the file's name, which the user needs to find it.
TEST_F(BackupTest, TheFinishedWindowShowsTheWholePathOfTheBackup)
{
    frmFileMoveCopy* progress = CreateBackup(*program.app);
    ASSERT_NE(progress, nullptr);
    QCoreApplication::processEvents();
    auto* written = progress->findChild<QLabel*>("lblResult");
    ASSERT_TRUE(written->isVisible());
    EXPECT_GE(written->height(), written->heightForWidth(written->width())) << "the path is cut off";
    delete progress;
}

TEST_F(BackupTest, AnUnwritableFolderIsReportedAndTheDatabaseUntouched)
{
    // A file where the backup folder should be.
    writeFile(program.app->path("DataBackup"), "not a folder");
    const QByteArray before = fileHash(program.databasePath());
    frmFileMoveCopy* progress = CreateBackup(*program.app);
    delete progress;
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_TRUE(program.messages.last().text.startsWith("Unable to create backup."));
    EXPECT_EQ(fileHash(program.databasePath()), before);
    EXPECT_TRUE(db().isOpen());
}

TEST_F(BackupTest, ACopyTakenWhileAnotherProgramWritesIsConsistent)
{
    // The writer adds two billing codes per transaction: a consistent copy
    // holds an even number of them.
    std::atomic<bool> stop = false;
    std::atomic<int> transactions = 0;
    std::thread writer([&] {
        Database other;
        other.open(program.databasePath());
        while (!stop) {
            other.inTransaction([&] {
                other.execute("INSERT INTO TblBillingCodes (BillCode) VALUES ('A')");
                other.execute("INSERT INTO TblBillingCodes (BillCode) VALUES ('B')");
            });
            ++transactions;
        }
    });
    QDir().mkpath(program.app->path("DataBackup"));
    for (int copy = 0; copy < 3; ++copy) {
        const QString path = program.app->path(QStringLiteral("DataBackup/copy%1.BAK").arg(copy));
        DatabaseFiles::backup(db(), path);
        ASSERT_EQ(DatabaseFiles::problemWith(path), "");
        Database copied;
        copied.open(path);
        const int codes = copied.firstRow("SELECT COUNT(*) FROM TblBillingCodes")->value(0).toInt();
        EXPECT_EQ(codes % 2, 0) << "copy " << copy << " caught a transaction half done";
    }
    stop = true;
    writer.join();
    EXPECT_GT(transactions.load(), 0);
}

// Only a copy as large as its source that is a whole database counts as a
// backup; anything else would be reported as one and fail at the restore.
TEST_F(BackupTest, DamagedCopiesAreNotBackups)
{
    QDir().mkpath(program.app->path("DataBackup"));
    const QString source = program.databasePath();
    const QString whole = program.app->path("DataBackup/whole.BAK");
    DatabaseFiles::backup(db(), whole);
    ASSERT_EQ(DatabaseFiles::copyProblem(source, whole), "");
    QFile file(whole);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.close();

    QByteArray scrambled = bytes;
    for (qsizetype i = 4096; i < scrambled.size(); i += 7)
        scrambled[i] = static_cast<char>(scrambled[i] ^ 0x5a);
    const struct {
        const char* name;
        QByteArray content;
    } copies[] = {
        {"short", bytes.left(bytes.size() - 4096)},
        {"long", bytes + QByteArray(4096, '\0')},
        {"scrambled", scrambled},
    };
    for (const auto& copy : copies) {
        const QString path = program.app->path(QStringLiteral("DataBackup/%1.BAK").arg(copy.name));
        writeFile(path, copy.content);
        EXPECT_NE(DatabaseFiles::copyProblem(source, path), "") << copy.name;
    }
}

TEST_F(BackupTest, ACopyOfTheWrongSizeIsReportedAndNotDone)
{
    // Bytes after the last page: SQLite ignores them, so the database works
    // and its copy is smaller than the file.
    program.app->state.MainDatabase.close();
    {
        QFile live(program.databasePath());
        ASSERT_TRUE(live.open(QIODevice::Append));
        live.write(QByteArray(4096, '\0'));
    }
    program.app->state.MainDatabase.open(program.databasePath());

    frmFileMoveCopy* progress = CreateBackup(*program.app);
    ASSERT_NE(progress, nullptr);
    EXPECT_FALSE(progress->isDone());
    EXPECT_TRUE(progress->hasEnded()) << "the progress window ends";
    EXPECT_NE(progress->windowTitle(), "Creating Backup...Done");
    delete progress;
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_TRUE(program.messages.last().text.startsWith("Unable to create backup."));
    EXPECT_FALSE(QFileInfo::exists(backupPath())) << "no file that looks like a backup";
}

TEST_F(BackupTest, ABackupRemovesTheLeftoversOfKilledOnes)
{
    QDir().mkpath(program.app->path("DataBackup"));
    const QString stale = program.app->path("DataBackup/db_be_12012026_100000AM.BAK.partial");
    const QString staleBeside = program.databasePath() + ".partial";
    const QString running = program.app->path("DataBackup/db_be_12082026_100000AM.BAK.partial");
    for (const QString& path : {stale, staleBeside, running})
        writeFile(path, QByteArray(8192, 'x'));
    for (const QString& path : {stale, staleBeside}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    }

    delete CreateBackup(*program.app);
    EXPECT_TRUE(program.messages.empty());
    EXPECT_FALSE(QFileInfo::exists(stale));
    EXPECT_FALSE(QFileInfo::exists(staleBeside));
    EXPECT_TRUE(QFileInfo::exists(running)) << "a copy written just now may be another program's backup";
}

// The office's records are no one else's to read: the backup is its owner's
// only, from the moment it is made, whatever the umask.
TEST_F(BackupTest, BackupsAreReadableByTheirOwnerOnly)
{
    const mode_t umaskBefore = ::umask(0);
    frmFileMoveCopy* progress = CreateBackup(*program.app);
    ::umask(umaskBefore);
    ASSERT_NE(progress, nullptr);
    EXPECT_TRUE(progress->isDone());
    delete progress;
    EXPECT_EQ(modeOf(backupPath()), 0600u);
}

// A live database holding something of its own (an index added by hand) is
// still backed up: the office's records are in it. Its restore is refused.
TEST_F(BackupTest, ADatabaseWithAnObjectOfItsOwnIsStillBackedUp)
{
    db().execute("CREATE INDEX IdxJobsSums ON TblJobs (Sums)");
    frmFileMoveCopy* progress = CreateBackup(*program.app);
    ASSERT_NE(progress, nullptr);
    EXPECT_TRUE(progress->isDone());
    delete progress;
    EXPECT_TRUE(program.messages.empty());
    EXPECT_TRUE(DatabaseFiles::problemWith(backupPath()).contains("IdxJobsSums"));
}

// Two programs on one folder backing up in the same second write the same
// name; neither may spoil the other's copy.
TEST_F(BackupTest, TwoBackupsAtOnceBothSucceed)
{
    QDir().mkpath(program.app->path("DataBackup"));
    const QString destination = program.app->path("DataBackup/db_be_12082026_100000AM.BAK");
    HeldBackup other(program.folder(), destination);
    ASSERT_TRUE(other.waitUntilCopying()) << other.process.readAllStandardError().toStdString();
    const QStringList partials = partialsIn(program.app->path("DataBackup"));
    ASSERT_EQ(partials.size(), 1);
    EXPECT_EQ(modeOf(program.app->path("DataBackup/" + partials.first())), 0600u) << "the copy in progress too";

    ASSERT_NO_THROW(DatabaseFiles::backup(db(), destination));
    EXPECT_EQ(DatabaseFiles::problemWith(destination), "");
    EXPECT_TRUE(other.finish()) << other.process.readAllStandardError().toStdString();
    EXPECT_EQ(DatabaseFiles::problemWith(destination), "");
    EXPECT_EQ(soundCompanyName(destination), companyName(db()));
    EXPECT_EQ(partialsIn(program.app->path("DataBackup")), QStringList());
}

// A killed backup leaves its copy behind, as large as the database; the next
// backup removes it, but not the copy of a backup that is running now.
TEST_F(BackupTest, ABackupRemovesAKilledBackupsCopyButNotARunningOnes)
{
    const QString folder = program.app->path("DataBackup");
    QDir().mkpath(folder);
    {
        HeldBackup killed(program.folder(), folder + "/db_be_12082026_090000AM.BAK");
        ASSERT_TRUE(killed.waitUntilCopying());
        killed.kill();
    }
    ASSERT_EQ(partialsIn(folder).size(), 1);
    HeldBackup running(program.folder(), folder + "/db_be_12082026_093000AM.BAK");
    ASSERT_TRUE(running.waitUntilCopying());
    QStringList runningCopy = partialsIn(folder);
    const QStringList killedCopy = partialsIn(folder).filter(QRegularExpression("^db_be_12082026_09000"));
    ASSERT_EQ(killedCopy.size(), 1);
    runningCopy.removeAll(killedCopy.first());
    ASSERT_EQ(runningCopy.size(), 1);

    frmFileMoveCopy* progress = CreateBackup(*program.app);
    ASSERT_NE(progress, nullptr);
    EXPECT_TRUE(progress->isDone());
    delete progress;
    EXPECT_EQ(partialsIn(folder), runningCopy) << "the killed backup's copy goes, the running one's stays";
    EXPECT_EQ(QDir(folder).entryList({"db_be_12082026_09000*"}, QDir::Files), QStringList())
        << "nothing of the killed backup is left";

    EXPECT_TRUE(running.finish()) << running.process.readAllStandardError().toStdString();
    EXPECT_EQ(DatabaseFiles::problemWith(folder + "/db_be_12082026_093000AM.BAK"), "");
    EXPECT_EQ(partialsIn(folder), QStringList());
}

class RestoreTest : public BackupTest {
protected:
    void SetUp() override
    {
        setCompanyName(db(), "Backed up");
        delete CreateBackup(*program.app);
        ASSERT_TRUE(program.messages.empty());
        good = backupPath();
        setCompanyName(db(), "Live");
        liveHash = fileHash(program.databasePath());
    }

    // Restores `path`; records whether the open windows were closed first.
    bool restore(const QString& path)
    {
        frmFileMoveCopy* progress = nullptr;
        const bool restored = RestoreFromBackup(
            *program.app, path, [this] { ++childWindowsClosed; }, &progress);
        delete progress;
        return restored;
    }

    void expectLiveUntouched()
    {
        EXPECT_TRUE(db().isOpen());
        EXPECT_EQ(companyName(db()), "Live");
        EXPECT_EQ(childWindowsClosed, 0);
        ASSERT_FALSE(program.messages.empty());
        EXPECT_EQ(program.messages.last().title, "Restore");
        EXPECT_TRUE(program.messages.last().text.contains("The database was not changed."));
    }

    QString good;
    QByteArray liveHash;
    int childWindowsClosed = 0;
};

TEST_F(RestoreTest, AGoodBackupReplacesTheDatabaseAndTheProgramWorksOnIt)
{
    frmFileMoveCopy* progress = nullptr;
    ASSERT_TRUE(RestoreFromBackup(
        *program.app, good, [this] { ++childWindowsClosed; }, &progress));
    ASSERT_NE(progress, nullptr);
    EXPECT_TRUE(progress->isDone());
    EXPECT_EQ(progress->windowTitle(), "Restoring Backup...Done");
    EXPECT_FALSE(progress->findChild<QLabel*>("lblResult")->isVisibleTo(progress)) << "nothing made since is lost";
    delete progress;
    EXPECT_TRUE(program.messages.empty());
    EXPECT_EQ(childWindowsClosed, 1);
    EXPECT_TRUE(db().isOpen());
    EXPECT_EQ(companyName(db()), "Backed up");
    setCompanyName(db(), "Written after the restore");
    EXPECT_EQ(soundCompanyName(program.databasePath()), "Written after the restore");
    EXPECT_TRUE(QFileInfo::exists(good)) << "the backup itself stays";
}

// A backup made before customers could be hidden is of schema version 1: its
// rows come into the live database, which stays of the current version, and
// its customers are not hidden.
TEST_F(RestoreTest, ABackupOfTheFirstVersionIsRestoredIntoTheCurrentDesign)
{
    const QString old = program.app->path("DataBackup/db_be_03042025_100000AM.BAK");
    makeVersionOneDatabase(old);
    const QByteArray oldHash = fileHash(old);
    EXPECT_EQ(DatabaseFiles::problemWith(old), "");

    ASSERT_TRUE(restore(old));
    EXPECT_TRUE(program.messages.empty()) << program.messages.last().text.toStdString();
    EXPECT_EQ(companyName(db()), "Old Office");
    const auto rates = db().firstRow("SELECT GSTRate, PSTRate, GSTName, PSTName FROM TblMyCompanyInfo");
    EXPECT_EQ(rates->value(0).toInt(), 5'000) << "its whole-percent rates, exactly";
    EXPECT_EQ(rates->value(1).toInt(), 8'000);
    EXPECT_EQ(rates->value(2).toString(), "GST");
    EXPECT_EQ(rates->value(3).toString(), "PST");
    const auto customer = CustomerRecords(db()).find(1);
    ASSERT_TRUE(customer.has_value());
    EXPECT_EQ(customer->company, "Old Customer");
    EXPECT_FALSE(customer->hidden);
    EXPECT_EQ(db().firstRow("SELECT JobDescription FROM TblJobs WHERE CustomerID = 1")->value(0), "Old work");
    EXPECT_EQ(db().firstRow("SELECT group_concat(s, ' ') FROM (SELECT InvoiceID || ':' || Status AS s FROM TblInvoice "
                            "ORDER BY InvoiceID)")
                  ->value(0),
              "1:1 2:0")
        << "made issued and draft as the upgrade makes them";
    EXPECT_EQ(db().firstRow("PRAGMA user_version")->value(0).toInt(), SchemaCheck::currentVersion);
    EXPECT_EQ(SchemaCheck::designProblemWith(db().connection()), "");
    EXPECT_EQ(fileHash(old), oldHash) << "a restore reads its backup only";
}

TEST_F(RestoreTest, BadBackupsAreRefusedWithTheLiveDatabaseIntact)
{
    QFile source(good);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray whole = source.readAll();
    QByteArray noise(whole.size(), '\0');
    QRandomGenerator generator(20261208);
    for (char& byte : noise)
        byte = static_cast<char>(generator.bounded(256));

    const QString truncated = program.app->path("DataBackup/truncated.BAK");
    writeFile(truncated, whole.left(whole.size() / 2));
    const QString random = program.app->path("DataBackup/random.BAK");
    writeFile(random, noise);
    const QString foreign = program.app->path("DataBackup/foreign.BAK");
    {
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "foreign");
        other.setDatabaseName(foreign);
        ASSERT_TRUE(other.open());
        QSqlQuery(other).exec("CREATE TABLE Notes (Text)");
        other.close();
    }
    QSqlDatabase::removeDatabase("foreign");
    // Chosen in the list, then gone before it is read.
    const QString vanished = program.app->path("DataBackup/vanished.BAK");
    writeFile(vanished, whole);
    QFile::remove(vanished);

    for (const QString& bad : {truncated, random, foreign, vanished}) {
        program.messages.clear();
        EXPECT_FALSE(restore(bad)) << bad.toStdString();
        expectLiveUntouched();
        EXPECT_EQ(fileHash(program.databasePath()), liveHash) << bad.toStdString();
    }
    EXPECT_EQ(program.messages.messages.size(), 1u);
    program.messages.clear();
    restore(foreign);
    EXPECT_EQ(program.messages.last().text,
              foreign + ":\nThe file is a database, but not a Quillbill database.\n\nThe database was not changed.");
}

TEST_F(RestoreTest, TheRestoreWindowListsTheBackupsAndAsksFirst)
{
    writeFile(program.app->path("DataBackup/lower.bak"), "x");
    writeFile(program.app->path("DataBackup/notes.txt"), "x");
    QDir().mkpath(program.app->path("DataBackup/older"));
    writeFile(program.app->path("DataBackup/older/old.Bak"), "x");

    frmRestore window(*program.app, [this] { ++childWindowsClosed; });
    window.show();
    auto* files = window.findChild<QListWidget*>("File1");
    auto* folders = window.findChild<QListWidget*>("Dir1");
    QStringList listed;
    for (int i = 0; i < files->count(); ++i)
        listed << files->item(i)->text();
    EXPECT_EQ(listed, (QStringList{QFileInfo(good).fileName(), "lower.bak"}));

    // Into the subfolder: its backups are listed.
    const auto older = folders->findItems("older", Qt::MatchExactly);
    ASSERT_EQ(older.size(), 1);
    folders->setCurrentItem(older.first());
    emit folders->itemActivated(older.first());
    ASSERT_EQ(files->count(), 1);
    EXPECT_EQ(files->item(0)->text(), "old.Bak");
    window.showFolder(program.app->path("DataBackup"));

    // The places offered are the user's, not the root of the file system.
    auto* drives = window.findChild<QComboBox*>("Drive1");
    EXPECT_EQ(drives->findText("/"), -1);
    EXPECT_EQ(drives->itemText(0), QDir::homePath());
    EXPECT_EQ(drives->currentText(), program.app->path("DataBackup"));

    // Load with nothing chosen, then No to the question: nothing happens.
    auto* load = window.findChild<QPushButton*>("Command1");
    QTest::mouseClick(load, Qt::LeftButton);
    EXPECT_EQ(program.messages.last().kind, RecordingMessageBoxes::Kind::Notice);

    // A file that is no backup is refused before the question about the
    // database is asked.
    files->setCurrentItem(files->findItems("lower.bak", Qt::MatchExactly).value(0));
    program.messages.clear();
    QTest::mouseClick(load, Qt::LeftButton);
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_EQ(program.messages.last().kind, RecordingMessageBoxes::Kind::Warning);
    EXPECT_TRUE(window.isVisible());

    files->setCurrentRow(0);
    program.messages.answerNext(false);
    QTest::mouseClick(load, Qt::LeftButton);
    EXPECT_EQ(program.messages.last().text,
              "To restore, the old database must first be deleted. To Continue, click 'Yes'.");
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(companyName(db()), "Live");

    // Yes restores the chosen backup.
    QTest::mouseClick(load, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(companyName(db()), "Backed up");
    EXPECT_EQ(childWindowsClosed, 1);
    for (QWidget* top : QApplication::topLevelWidgets())
        if (qobject_cast<frmFileMoveCopy*>(top))
            delete top;
}

TEST_F(RestoreTest, TheRestoreWindowOpensOnTheProgramFolderWithoutBackups)
{
    QDir(program.app->path("DataBackup")).removeRecursively();
    frmRestore window(*program.app, [] {});
    EXPECT_EQ(window.currentFolder(), QDir(program.folder()).absolutePath());
}

// A backup is taken in only when its design is exactly Quillbill's: a trigger
// in it would run in the live database on every save, other columns would
// make every statement fail.
TEST_F(RestoreTest, BackupsWithAnyOtherDesignAreRefused)
{
    const struct {
        const char* name;
        QByteArray statements;
        const char* named; // what the message must name
    } hostile[] = {
        {"trigger",
         "CREATE TRIGGER WipeJobs AFTER INSERT ON TblInvoice BEGIN DELETE FROM TblJobs; "
         "UPDATE TblUsers SET Password = 'x'; END;",
         "WipeJobs"},
        {"view", "CREATE VIEW EveryPassword AS SELECT UserName, Password FROM TblUsers;", "EveryPassword"},
        {"table", "CREATE TABLE Notes (Text);", "Notes"},
        {"index", "CREATE INDEX IdxJobsSums ON TblJobs (Sums);", "IdxJobsSums"},
        {"columns",
         "DROP TABLE TblJobs; CREATE TABLE TblJobs (JobID INTEGER PRIMARY KEY, Note TEXT);"
         "CREATE INDEX IdxJobsCustomerInvoice ON TblJobs (Note);",
         "TblJobs"},
        {"type",
         "DROP TABLE TblUsers; CREATE TABLE TblUsers (First_Name TEXT, Last_Name TEXT, UserName TEXT, "
         "Password TEXT, Level TEXT DEFAULT 1); CREATE INDEX IdxUsersUserName ON TblUsers (UserName);",
         "TblUsers"},
        {"check",
         "PRAGMA writable_schema = ON; UPDATE sqlite_schema SET sql = replace(sql, 'CHECK (Company <> '''')', '') "
         "WHERE name = 'TblCustomer';",
         "TblCustomer"},
        {"version", "PRAGMA user_version = 0;", "version 0"},
    };
    for (const auto& backup : hostile) {
        SCOPED_TRACE(backup.name);
        const QString path = program.app->path(QStringLiteral("DataBackup/%1.BAK").arg(backup.name));
        ASSERT_TRUE(QFile::copy(good, path));
        runSqlite3(path, backup.statements);
        ASSERT_EQ(DatabaseFiles::problemWith(path).isEmpty(), false) << "taken in as a Quillbill database";
        program.messages.clear();
        EXPECT_FALSE(restore(path));
        expectLiveUntouched();
        EXPECT_TRUE(program.messages.last().text.contains(backup.named)) << program.messages.last().text.toStdString();
        EXPECT_EQ(fileHash(program.databasePath()), liveHash);
    }
}

// SQLite keeps the journal mode in the file's header: a restore that copied
// it would leave the live file in WAL mode, which a network share cannot hold.
TEST_F(RestoreTest, ABackupInWalModeLeavesTheLiveFileWithItsRollbackJournal)
{
    const QString wal = program.app->path("DataBackup/wal.BAK");
    ASSERT_TRUE(QFile::copy(good, wal));
    runSqlite3(wal, "PRAGMA journal_mode = WAL;");
    ASSERT_TRUE(restore(wal)) << program.messages.last().text.toStdString();
    EXPECT_EQ(companyName(db()), "Backed up");
    program.app->state.MainDatabase.close();
    program.app->state.MainDatabase.open(program.databasePath());
    EXPECT_EQ(db().firstRow("PRAGMA journal_mode")->value(0).toString(), "delete");
    setCompanyName(db(), "Written after the restore");
    EXPECT_FALSE(QFileInfo::exists(program.databasePath() + "-wal"));
}

// An invoice number once issued is on a customer's paper: restoring an older
// backup must not issue it again, nor give a customer number twice. The user
// is told what the backup does not hold.
TEST_F(RestoreTest, NumbersGivenOutAfterTheBackupAreNeverGivenAgain)
{
    const CustomerRecords customers(db());
    const InvoiceRecords invoices(db());
    const auto customer = [](const QString& company, const QString& code) {
        Customer made;
        made.company = company;
        made.address = "1 Main St";
        made.city = "Town";
        made.prov = "ON";
        made.postal = "A1A1A1";
        made.billingCode = code;
        return made;
    };
    const QDate day(2026, 12, 8);
    const int32_t acme = customers.add(customer("Acme", "ACME"));
    ASSERT_EQ(invoices.createInvoice("ACME", acme, day), 1);
    invoices.addJob({acme, 1, "Before the backup", Money()});
    const QString older = program.app->path("DataBackup/older.BAK");
    DatabaseFiles::backup(db(), older);

    // After the backup: two invoices of three jobs, and a customer of a new code.
    ASSERT_EQ(invoices.createInvoice("ACME", acme, day), 2);
    ASSERT_EQ(invoices.createInvoice("ACME", acme, day), 3);
    for (const int32_t invoice : {2, 2, 3})
        invoices.addJob({acme, invoice, "After the backup", Money()});
    const int32_t newco = customers.add(customer("Newco", "NEWCO"));
    ASSERT_EQ(invoices.createInvoice("NEWCO", newco, day), 1);

    frmFileMoveCopy* progress = nullptr;
    ASSERT_TRUE(RestoreFromBackup(
        *program.app, older, [] {}, &progress));
    ASSERT_NE(progress, nullptr);
    EXPECT_TRUE(progress->isDone());
    const auto* result = progress->findChild<QLabel*>("lblResult");
    EXPECT_TRUE(result->isVisibleTo(progress));
    EXPECT_TRUE(result->text().contains("3 invoices and 3 jobs made after this backup are gone"))
        << result->text().toStdString();
    delete progress;

    EXPECT_EQ(db().firstRow("SELECT COUNT(*) FROM TblInvoice")->value(0).toInt(), 1) << "the backup's invoices";
    EXPECT_EQ(invoices.createInvoice("ACME", acme, day), 4);
    const int32_t again = customers.add(customer("Newco again", "NEWCO"));
    EXPECT_GT(again, newco) << "a customer number is never given twice";
    EXPECT_EQ(invoices.createInvoice("NEWCO", again, day), 2);
}

// A backup made before codes were compared without case may hold a counter
// for each spelling of one code; the restored database holds one, at the
// larger of what the backup and the live database gave out.
TEST_F(RestoreTest, ACodesCountersInSeveralCasesComeBackAsOne)
{
    db().execute("INSERT INTO TblBillingCodes (BillCode, InvoiceNumber) VALUES ('OBR', 41), ('obr', 57)");
    const QString older = program.app->path("DataBackup/twins.BAK");
    DatabaseFiles::backup(db(), older);
    db().execute("DELETE FROM TblBillingCodes WHERE BillCode = 'obr'");
    db().execute("UPDATE TblBillingCodes SET InvoiceNumber = 60");

    ASSERT_TRUE(restore(older));
    QStringList counters;
    for (const QSqlRecord& row : db().rows("SELECT BillCode, InvoiceNumber FROM TblBillingCodes ORDER BY rowid"))
        counters << row.value(0).toString() + "|" + row.value(1).toString();
    EXPECT_EQ(counters, QStringList{"OBR|60"});
}

namespace {

// The company name a second program (the sqlite3 tool) reads from `path`.
QString companyNameSeenBySqlite3(const QString& path)
{
    QProcess tool;
    tool.start("sqlite3", {path, "SELECT CompanyName FROM TblMyCompanyInfo;"});
    if (!tool.waitForFinished(30000))
        return "(sqlite3 did not finish)";
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

// A second program, the sqlite3 tool, holding a write transaction on the
// live database with a row of its own in it.
class SecondWriter {
public:
    explicit SecondWriter(const QString& path)
    {
        tool.start("sqlite3", {path});
        tool.write("BEGIN IMMEDIATE;\nINSERT INTO TblBillingCodes (BillCode) VALUES ('W');\n.print held\n");
        while (holding.isEmpty() && tool.waitForReadyRead(30000))
            holding = tool.readAllStandardOutput();
    }
    ~SecondWriter()
    {
        tool.closeWriteChannel();
        tool.waitForFinished(30000);
    }
    bool holds() const { return holding.trimmed() == "held"; }
    // Commits and ends the program.
    bool commit()
    {
        tool.write("COMMIT;\n.quit\n");
        tool.closeWriteChannel();
        return tool.waitForFinished(30000) && tool.exitCode() == 0;
    }

    QProcess tool;
    QByteArray holding;
};

} // namespace

TEST_F(RestoreTest, WhileAnotherProgramWritesTheRestoreIsRefusedAndThenCompletes)
{
    SecondWriter writer(program.databasePath());
    ASSERT_TRUE(writer.holds()) << writer.tool.readAllStandardError().toStdString();
    // What the main window shows while the database waits for the writer.
    std::vector<bool> waitNotices;
    program.app->state.MainDatabase.setWaitNotice([&waitNotices](bool waiting) { waitNotices.push_back(waiting); });

    frmFileMoveCopy* progress = nullptr;
    EXPECT_FALSE(RestoreFromBackup(
        *program.app, good, [this] { ++childWindowsClosed; }, &progress));
    program.app->state.MainDatabase.setWaitNotice({});
    EXPECT_EQ(waitNotices, (std::vector<bool>{true, false})) << "the wait is shown, and its end";
    ASSERT_NE(progress, nullptr);
    EXPECT_TRUE(progress->hasEnded()) << "the progress window ends";
    EXPECT_FALSE(progress->isDone());
    delete progress;
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_TRUE(program.messages.last().text.contains("Another program is using the database"));
    EXPECT_TRUE(program.messages.last().text.contains("The database was not changed."));

    // The writer's transaction goes in whole; the restore left nothing.
    ASSERT_TRUE(writer.commit());
    EXPECT_EQ(DatabaseFiles::problemWith(program.databasePath()), "");
    EXPECT_EQ(companyName(db()), "Live");
    EXPECT_EQ(db().firstRow("SELECT COUNT(*) FROM TblBillingCodes WHERE BillCode = 'W'")->value(0).toInt(), 1);

    // With the file free again the same restore goes through.
    program.messages.clear();
    EXPECT_TRUE(restore(good));
    EXPECT_TRUE(program.messages.empty());
    EXPECT_EQ(DatabaseFiles::problemWith(program.databasePath()), "");
    EXPECT_EQ(companyName(db()), "Backed up");
    EXPECT_EQ(db().firstRow("SELECT COUNT(*) FROM TblBillingCodes WHERE BillCode = 'W'")->value(0).toInt(), 0);
}

TEST_F(RestoreTest, ProgramsThatHadTheDatabaseOpenSeeAndWriteTheRestoredOne)
{
    Database other;
    other.open(program.databasePath());
    EXPECT_EQ(companyName(other), "Live");

    ASSERT_TRUE(restore(good));
    EXPECT_EQ(companyName(other), "Backed up");
    EXPECT_EQ(companyNameSeenBySqlite3(program.databasePath()), "Backed up");
    setCompanyName(other, "Saved by the other program");
    EXPECT_EQ(companyName(db()), "Saved by the other program");
    EXPECT_EQ(companyNameSeenBySqlite3(program.databasePath()), "Saved by the other program");
}

TEST_F(RestoreTest, ADatabaseReachedThroughASymbolicLinkIsRestoredInItsTarget)
{
    const QString link = program.databasePath();
    const QString shared = program.app->path("Shared/office.db");
    program.app->state.MainDatabase.close();
    ASSERT_TRUE(QDir().mkpath(program.app->path("Shared")));
    ASSERT_TRUE(QFile::rename(link, shared));
    ASSERT_TRUE(QFile::link(shared, link));
    program.app->state.MainDatabase.open(link);

    ASSERT_TRUE(restore(good));
    EXPECT_TRUE(QFileInfo(link).isSymLink()) << "the link stays a link";
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), QFileInfo(shared).absoluteFilePath());
    EXPECT_EQ(soundCompanyName(shared), "Backed up");
}

TEST_F(RestoreTest, ABackupThatOnlyTheIntegrityCheckRejectsIsRefused)
{
    // An index that does not match its table: the file opens, holds every
    // Quillbill table, and only the integrity check finds it broken.
    const QString broken = program.app->path("DataBackup/broken-index.BAK");
    ASSERT_TRUE(QFile::copy(good, broken));
    {
        QProcess tool;
        tool.start("sqlite3", {broken});
        tool.write("CREATE TABLE Extra (A, B);"
                   "INSERT INTO Extra VALUES (1, 10), (2, 20), (3, 30);"
                   "CREATE INDEX ExtraA ON Extra (A);"
                   "PRAGMA writable_schema = ON;"
                   "UPDATE sqlite_schema SET sql = 'CREATE INDEX ExtraA ON Extra (B)' WHERE name = 'ExtraA';\n");
        tool.closeWriteChannel();
        ASSERT_TRUE(tool.waitForFinished(30000));
        ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    }
    EXPECT_FALSE(restore(broken));
    expectLiveUntouched();
    EXPECT_TRUE(program.messages.last().text.contains("is not a sound database"));
    EXPECT_EQ(fileHash(program.databasePath()), liveHash);
}

namespace {

// Pads the backup with jobs so that its copy takes many steps and more pages
// than SQLite keeps in memory, so the live file is written while it runs.
void padBackup(const QString& path)
{
    Database backup;
    backup.open(path);
    const QString description(512, u'x');
    backup.inTransaction([&] {
        for (int i = 0; i < 8000; ++i)
            backup.execute("INSERT INTO TblJobs (CustomerID, InvoiceID, JobDescription, Sums) VALUES (1, 1, ?, 100)",
                           {description});
    });
}

} // namespace

TEST_F(RestoreTest, AFullDiskIsNamedAndTheDatabaseUnchanged)
{
    padBackup(good);
    // SQLite answers a database that may not grow as it answers a full disk.
    const int pages = db().firstRow("PRAGMA page_count")->value(0).toInt();
    db().execute(QStringLiteral("PRAGMA max_page_count = %1").arg(pages));

    frmFileMoveCopy* progress = nullptr;
    EXPECT_FALSE(RestoreFromBackup(
        *program.app, good, [] {}, &progress));
    ASSERT_NE(progress, nullptr);
    EXPECT_TRUE(progress->hasEnded());
    EXPECT_FALSE(progress->isDone());
    delete progress;
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_TRUE(program.messages.last().text.startsWith("The disk is full."));
    EXPECT_TRUE(program.messages.last().text.contains("The database was not changed."));
    EXPECT_EQ(DatabaseFiles::problemWith(program.databasePath()), "");
    EXPECT_EQ(companyName(db()), "Live");
}

// A restore killed at any step leaves a live database that opens, passes the
// integrity check and holds either the old data or the backup's: the old
// until the copy is whole, the backup's from then on.
TEST_F(RestoreTest, ARestoreKilledAtEachStepNeverBreaksTheDatabase)
{
    padBackup(good);
    const QString live = program.databasePath();
    const QString oldCopy = program.app->path("DataBackup/live-before.db");
    program.app->state.MainDatabase.close();
    ASSERT_TRUE(QFile::copy(live, oldCopy));

    struct Kill {
        const char* step;
        int count;
        const char* expected;
    };
    const Kill kills[] = {
        {"open", 1, "Live"},          {"copying", 1, "Live"},
        {"copying", 12, "Live"}, // most pages written, the copy not yet whole
        {"checking", 1, "Backed up"}, {"end", 1, "Backed up"},
    };
    for (const Kill& kill : kills) {
        SCOPED_TRACE(std::string(kill.step) + " #" + std::to_string(kill.count));
        QFile::remove(live);
        ASSERT_TRUE(QFile::copy(oldCopy, live));
        QFile::setPermissions(live, QFile::ReadOwner | QFile::WriteOwner);

        QProcess child;
        child.start(RESTORE_CHILD, {program.folder(), good, kill.step, QString::number(kill.count)});
        ASSERT_TRUE(child.waitForStarted());
        const QByteArray awaited = QByteArray("step: ") + kill.step;
        int seen = 0;
        QByteArray line;
        while (seen < kill.count) {
            while (!child.canReadLine())
                ASSERT_TRUE(child.waitForReadyRead(60000)) << child.readAllStandardError().toStdString();
            line = child.readLine().trimmed();
            if (line == awaited)
                ++seen;
        }
        if (std::strcmp(kill.step, "copying") == 0 && kill.count > 1) {
            EXPECT_TRUE(QFileInfo::exists(live + "-journal")) << "the copy is under way in the live file";
        }
        child.kill();
        ASSERT_TRUE(child.waitForFinished(60000));

        // The next start opens the file for writing, and SQLite rolls back a
        // copy that was cut off.
        {
            Database next;
            ASSERT_NO_THROW(next.open(live));
        }
        EXPECT_EQ(soundCompanyName(live), kill.expected) << DatabaseFiles::problemWith(live).toStdString();
    }
}

// Runs one restore in a process of its own, so that a test can kill it at
// any moment: restore_child PROGRAM_FOLDER BACKUP_FILE

#include "backup/DataSafety.h"
#include "common/AppContext.h"
#include "common/MessageBoxes.h"

#include <QApplication>

#include <cstdio>

namespace {

class SilentMessageBoxes final : public quillbill::MessageBoxes {
public:
    bool askYesNo(QWidget*, const QString&, const QString&) override { return true; }
    void inform(QWidget*, const QString&, const QString&) override {}
    void warn(QWidget*, const QString& text, const QString&) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(text));
    }
};

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc != 3)
        return 2;
    SilentMessageBoxes messages;
    quillbill::AppContext app(QString::fromLocal8Bit(argv[1]), messages);
    app.state.MainDatabase.open(app.path("DataBase/db_be.mdb"));
    std::fprintf(stdout, "ready\n");
    std::fflush(stdout);
    return quillbill::RestoreFromBackup(app, QString::fromLocal8Bit(argv[2]), [] {}) ? 0 : 1;
}

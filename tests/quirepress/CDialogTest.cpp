// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The file dialogs are driven for real: before ShowOpen or ShowSave blocks in
// the dialog's event loop, a queued call is left that answers the dialog as
// soon as it is on screen.

#include "model/CDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

using quirepress::detail::CDialog;

namespace {

// QFileDialog keeps its history in the user's Qt settings; keep these
// dialogs out of the real ones.
const struct PrivateSettings {
    QTemporaryDir folder;
    PrivateSettings() { qputenv("XDG_CONFIG_HOME", folder.path().toLocal8Bit()); }
} privateSettings;

// Presses the dialog's accept button; QFileDialog makes accept() protected.
void acceptDialog(QDialog& dialog) { dialog.accept(); }

template <typename Window>
Window* visibleWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<Window*>(widget); found && found->isVisible())
            return found;
    return nullptr;
}

class CDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        // No test may hang on a dialog that its answer missed.
        QObject::connect(&safety, &QTimer::timeout, &context, [this] {
            forcedClose = true;
            if (auto* box = visibleWindow<QMessageBox>())
                box->reject();
            if (auto* dialog = visibleWindow<QFileDialog>())
                dialog->reject();
        });
        safety.start(5000);
    }
    void TearDown() override { EXPECT_FALSE(forcedClose) << "a dialog stayed open until closed by force"; }

    QString file(const QString& name)
    {
        QFile out(folder.filePath(name));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        return out.fileName();
    }

    // Calls answer with the window of that kind once it is on screen, trying
    // for a few seconds. The queued calls die with owner, by default with
    // this test.
    template <typename Window>
    void whenShown(std::function<void(Window&)> answer, QObject* owner = nullptr, int triesLeft = 300)
    {
        owner = owner ? owner : &context;
        QTimer::singleShot(triesLeft == 300 ? 0 : 10, owner, [this, answer, owner, triesLeft] {
            if (Window* window = visibleWindow<Window>())
                answer(*window);
            else if (triesLeft > 0)
                whenShown<Window>(answer, owner, triesLeft - 1);
        });
    }
    void choose(const QString& path)
    {
        whenShown<QFileDialog>([path](QFileDialog& dialog) {
            dialog.selectFile(path);
            acceptDialog(dialog);
        });
    }
    void cancel()
    {
        whenShown<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
    }

    // Offers `first`; when the dialog refuses it (warning and staying open),
    // chooses `second` instead.
    void offer(const QString& first, const QString& second)
    {
        warned = stayedOpen = false;
        whenShown<QFileDialog>([this, first, second](QFileDialog& dialog) {
            shownMode = dialog.fileMode();
            // A warning can only come while the first choice is accepted.
            QObject whileAccepting;
            whenShown<QMessageBox>(
                [this](QMessageBox& box) {
                    warned = true;
                    box.accept();
                },
                &whileAccepting);
            dialog.selectFile(first);
            acceptDialog(dialog);
            stayedOpen = dialog.isVisible();
            if (stayedOpen) {
                dialog.selectFile(second);
                acceptDialog(dialog);
            }
        });
    }

    QTemporaryDir folder;
    QObject context;
    QTimer safety;
    bool forcedClose = false;
    QFileDialog::FileMode shownMode = QFileDialog::Directory;
    bool warned = false, stayedOpen = false;
};

TEST_F(CDialogTest, ChosenFileGivesFullPathAndTitleUpToFirstDot)
{
    CDialog dialog;
    choose(file("inv.rdn"));
    ASSERT_TRUE(dialog.ShowOpen());
    EXPECT_EQ(dialog.Filename, folder.filePath("inv.rdn"));
    EXPECT_EQ(dialog.FileTitle, "inv");
    EXPECT_EQ(dialog.Error, 0);
    EXPECT_EQ(dialog.lastError(), 0);

    // The help button bit goes; ShowSave adds the read-only bit.
    dialog.flags = 0x10 | 8;
    choose(file("my.inv.rdn"));
    ASSERT_TRUE(dialog.ShowSave());
    EXPECT_EQ(dialog.Filename, folder.filePath("my.inv.rdn"));
    EXPECT_EQ(dialog.FileTitle, "my");
    EXPECT_EQ(dialog.flags, 8 | 4);
}

TEST_F(CDialogTest, InitialFilenameIsPreselectedAndDefaultExtAdded)
{
    CDialog dialog;
    dialog.InitDir = folder.path();
    dialog.Filename = QFileInfo(file("inv.rdn")).fileName();
    whenShown<QFileDialog>([](QFileDialog& shown) { acceptDialog(shown); });
    ASSERT_TRUE(dialog.ShowOpen());
    EXPECT_EQ(dialog.Filename, folder.filePath("inv.rdn"));

    dialog.DefaultExt = ".rdn";
    choose(folder.filePath("report"));
    ASSERT_TRUE(dialog.ShowSave());
    EXPECT_EQ(dialog.Filename, folder.filePath("report.rdn"));
}

TEST_F(CDialogTest, CancelLeavesErrorNumberOnlyWhenCancelErrorIsSet)
{
    CDialog dialog;
    dialog.Filename = "inv.rdn";
    cancel();
    EXPECT_FALSE(dialog.ShowOpen());
    EXPECT_EQ(dialog.Error, 0);
    EXPECT_EQ(dialog.lastError(), 32755);
    EXPECT_EQ(dialog.Filename, "");

    // ShowSave keeps Filename, and sets bit 4 even when cancelled.
    dialog.CancelError = false;
    dialog.Filename = "keep.rdn";
    cancel();
    EXPECT_FALSE(dialog.ShowSave());
    EXPECT_EQ(dialog.Error, 0);
    EXPECT_EQ(dialog.lastError(), 0);
    EXPECT_EQ(dialog.flags, 4);
    EXPECT_EQ(dialog.Filename, "keep.rdn");
}

TEST_F(CDialogTest, InitDirBecomesCurrentFolderUnlessBit8)
{
    ASSERT_NE(folder.path(), QDir::currentPath());
    for (const int32_t flags : {8, 0}) {
        CDialog dialog;
        dialog.InitDir = folder.path();
        dialog.flags = flags;
        choose(file("inv.rdn"));
        ASSERT_TRUE(dialog.ShowOpen());
        EXPECT_EQ(dialog.InitDir, flags == 8 ? folder.path() : QDir::currentPath());
    }
}

TEST_F(CDialogTest, OpensInInitDirOrPatternFolderWithTitle)
{
    CDialog open, save;
    open.InitDir = folder.path();
    open.DialogTitle = "Load Report";
    // A pattern as file name gives its folder and selects no file.
    save.Filename = folder.filePath("*.rdn");
    for (CDialog* dialog : {&open, &save}) {
        QString shownIn, title;
        QStringList selected;
        whenShown<QFileDialog>([&](QFileDialog& shown) {
            shownIn = shown.directory().absolutePath();
            title = shown.windowTitle();
            selected = shown.selectedFiles();
            shown.reject();
        });
        EXPECT_FALSE(dialog == &open ? open.ShowOpen() : save.ShowSave());
        EXPECT_EQ(shownIn, QDir(folder.path()).absolutePath());
        EXPECT_EQ(title, dialog == &open ? QString("Load Report") : QFileDialog::tr("Save As"));
        EXPECT_FALSE(selected.join(' ').contains('*')) << selected.join(' ').toStdString();
    }
}

TEST_F(CDialogTest, FilterPairsBecomeNameFiltersAndChosenOneIsReadBack)
{
    CDialog dialog;
    dialog.setFilter("Report Definition|*.rdn|Text|*.txt;*.csv");
    dialog.FilterIndex = 2;
    const QString chosen = file("inv.rdn");
    QStringList filters;
    QString initial;
    const auto pick = [&](const QString& filter) {
        whenShown<QFileDialog>([&, filter](QFileDialog& shown) {
            filters = shown.nameFilters();
            initial = shown.selectedNameFilter();
            shown.selectNameFilter(filter);
            shown.selectFile(chosen);
            acceptDialog(shown);
        });
    };
    pick("Report Definition (*.rdn)");
    ASSERT_TRUE(dialog.ShowOpen());
    EXPECT_EQ(filters, QStringList({"Report Definition (*.rdn)", "Text (*.txt *.csv)"}));
    EXPECT_EQ(initial, "Text (*.txt *.csv)");
    EXPECT_EQ(dialog.FilterIndex, 1);

    // The user-defined filter comes first and reads back as index 0.
    dialog.CustomFilter = "Mine";
    pick("Mine (*)");
    ASSERT_TRUE(dialog.ShowOpen());
    EXPECT_EQ(filters.value(0), "Mine (*)");
    EXPECT_EQ(initial, "Report Definition (*.rdn)");
    EXPECT_EQ(dialog.FilterIndex, 0);
}

TEST_F(CDialogTest, FileAndPathMustExistRefuseMissingOnes)
{
    const QString missing = folder.filePath("missing.rdn"), existing = file("inv.rdn");
    for (const int32_t flags : {6148, 4}) {
        SCOPED_TRACE(flags);
        CDialog dialog;
        dialog.flags = flags;
        offer(missing, existing);
        ASSERT_TRUE(dialog.ShowOpen());
        EXPECT_EQ(shownMode, flags == 6148 ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        EXPECT_EQ(warned, flags == 6148);
        EXPECT_EQ(stayedOpen, flags == 6148);
        EXPECT_EQ(dialog.Filename, flags == 6148 ? existing : missing);
    }

    CDialog save;
    save.flags = 2048;
    offer(folder.filePath("nowhere/new.rdn"), folder.filePath("new.rdn"));
    ASSERT_TRUE(save.ShowSave());
    EXPECT_TRUE(warned && stayedOpen);
    EXPECT_EQ(save.Filename, folder.filePath("new.rdn"));
}

TEST_F(CDialogTest, PathTooLongForBufferFails)
{
    const QString deep = folder.filePath(QString(100, 'a') + '/' + QString(100, 'b') + '/' + QString(60, 'c'));
    ASSERT_TRUE(QDir().mkpath(deep));
    const QString path = deep + "/inv.rdn";
    ASSERT_TRUE(QFile(path).open(QIODevice::WriteOnly));
    ASSERT_GT(path.size(), 255);
    CDialog dialog;
    dialog.Filename = "inv.rdn";
    choose(path);
    EXPECT_FALSE(dialog.ShowOpen());
    EXPECT_EQ(dialog.Error, 0x3003);
    EXPECT_EQ(dialog.lastError(), 0);
    EXPECT_EQ(dialog.Filename, "");
}

} // namespace

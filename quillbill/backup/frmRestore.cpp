// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "backup/frmRestore.h"

#include "app/AppContext.h"
#include "backup/DataSafety.h"
#include "backup/RestorePlaces.h"
#include "common/Controls.h"
#include "common/ProgramInfo.h"
#include "common/WindowSize.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace quillbill {

namespace {
const QString parentEntry = QStringLiteral("..");
// Translated where it is shown: this is set up before any translator is.
//: The title of the restore window's messages
const char* const restoreTitle = QT_TRANSLATE_NOOP("quillbill::frmRestore", "Restore");
} // namespace

frmRestore::frmRestore(AppContext& app, std::function<void()> closeChildWindows, QWidget* parent)
    : QDialog(parent),
      app_(app),
      closeChildWindows_(std::move(closeChildWindows)),
      Drive1_(new QComboBox),
      lblFolder_(makeLabel("lblFolder", {})),
      Dir1_(new QListWidget),
      File1_(new QListWidget),
      Command1_(makeButton("Command1", tr("Load This File"))),
      Command2_(makeButton("Command2", tr("Cancel")))
{
    setObjectName("frmRestore");
    setWindowTitle(tr("Restore Database"));
    setModal(true);
    Drive1_->setObjectName("Drive1");
    Dir1_->setObjectName("Dir1");
    File1_->setObjectName("File1");
    lblFolder_->setWordWrap(true);

    auto* driveLabel = new QLabel(tr("&Drive:"));
    driveLabel->setBuddy(Drive1_);
    auto* folderLabel = new QLabel(tr("F&older:"));
    folderLabel->setBuddy(Dir1_);
    auto* fileLabel = new QLabel(tr("&Backup file:"));
    fileLabel->setBuddy(File1_);

    auto* layout = new QGridLayout(this);
    layout->addWidget(driveLabel, 0, 0);
    layout->addWidget(Drive1_, 1, 0);
    layout->addWidget(folderLabel, 2, 0);
    layout->addWidget(lblFolder_, 3, 0);
    layout->addWidget(Dir1_, 4, 0);
    layout->addWidget(fileLabel, 0, 1);
    layout->addWidget(File1_, 1, 1, 4, 1);
    layout->addLayout(makeButtonRow({Command1_, Command2_}), 5, 0, 1, 2);
    WindowSize::remember(this, app_.options, QSize(560, 380));

    connect(Drive1_, &QComboBox::activated, this, &frmRestore::chooseDrive);
    connect(Dir1_, &QListWidget::itemActivated, this, &frmRestore::enterFolder);
    connect(Command1_, &QPushButton::clicked, this, &frmRestore::loadChosenFile);
    connect(Command2_, &QPushButton::clicked, this, &QDialog::reject);

    fillDrives();
    if (!showFolder(app_.path(QStringLiteral("DataBackup"))))
        showFolder(app_.folder);
}

void frmRestore::fillDrives() { Drive1_->addItems(restorePlaces(app_.path(QStringLiteral("DataBackup")))); }

bool frmRestore::showFolder(const QString& folder)
{
    const QDir dir(folder);
    if (!dir.exists() || !dir.isReadable())
        return false;
    folder_ = dir.absolutePath();
    lblFolder_->setText(QDir::toNativeSeparators(folder_));

    Dir1_->clear();
    if (!dir.isRoot())
        Dir1_->addItem(parentEntry);
    Dir1_->addItems(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));

    File1_->clear();
    File1_->addItems(dir.entryList({QStringLiteral("*.bak")}, QDir::Files, QDir::Name | QDir::IgnoreCase));

    // The drive list follows the folder to the place it lies in.
    QStringList places;
    for (int i = 0; i < Drive1_->count(); ++i)
        places << Drive1_->itemText(i);
    const int drive = placeOf(places, folder_);
    if (drive >= 0)
        Drive1_->setCurrentIndex(drive);
    return true;
}

void frmRestore::chooseDrive(int index)
{
    const QString root = Drive1_->itemText(index);
    if (!showFolder(root)) {
        app_.messages.warn(this, tr("Drive not available."), ProgramInfo::title);
        showFolder(folder_);
    }
}

void frmRestore::enterFolder()
{
    QListWidgetItem* item = Dir1_->currentItem();
    if (!item)
        return;
    const QString target =
        item->text() == parentEntry ? QFileInfo(folder_).absolutePath() : QDir(folder_).filePath(item->text());
    showFolder(target);
}

void frmRestore::loadChosenFile()
{
    QListWidgetItem* chosen = File1_->currentItem();
    if (!chosen) {
        app_.messages.inform(this, tr("Choose a backup file from the list first."), tr(restoreTitle));
        return;
    }
    const QString path = QDir(folder_).filePath(chosen->text());
    // A file that cannot be restored is refused before the question, which
    // speaks of replacing the database.
    if (!isRestorable(app_, path))
        return;
    if (!app_.messages.askYesNo(this,
                                tr("To restore, the old database must first be deleted. To Continue, click 'Yes'."),
                                tr(restoreTitle)))
        return;
    // The window closes only once the file has passed its check; a refused
    // file leaves it open, so that another one can be chosen.
    RestoreFromBackup(app_, path, [this] {
        accept();
        closeChildWindows_();
    });
}

} // namespace quillbill

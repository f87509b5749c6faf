// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QDialog>

#include <functional>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace quillbill {

struct AppContext;

// The restore window: a drive, a folder and a backup file in it. It opens on
// DataBackup/ and lists the files named *.bak, letter case ignored.
class frmRestore : public QDialog {
    Q_OBJECT
public:
    frmRestore(AppContext& app, std::function<void()> closeChildWindows, QWidget* parent = nullptr);

    QString currentFolder() const { return folder_; }
    // Shows `folder` in the folder list and its backups in the file list;
    // false, with nothing changed, when it cannot be read.
    bool showFolder(const QString& folder);

private:
    void fillDrives();
    void chooseDrive(int index);
    void enterFolder();
    void loadChosenFile();

    AppContext& app_;
    std::function<void()> closeChildWindows_;
    QString folder_;
    QComboBox* Drive1_;
    QLabel* lblFolder_;
    QListWidget* Dir1_;
    QListWidget* File1_;
    QPushButton* Command1_;
    QPushButton* Command2_;
};

} // namespace quillbill

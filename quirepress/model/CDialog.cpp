// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "model/CDialog.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>

namespace quirepress::detail {

namespace {

// Option bits, with the values that callers of this class have always used.
constexpr int32_t overwritePrompt = 0x2;
constexpr int32_t hideReadOnly = 0x4;
constexpr int32_t keepCurrentFolder = 0x8;
constexpr int32_t showHelp = 0x10;
constexpr int32_t pathMustExist = 0x800;
constexpr int32_t fileMustExist = 0x1000;
constexpr int32_t longNames = 0x200000;

// The error number left for the caller after a cancel while CancelError is set.
constexpr int cancelErrorNumber = 32755;
// Extended error code "buffer too small": the chosen path does not fit in the
// 256-character file-name buffer that callers have always been limited to.
constexpr int16_t bufferTooSmall = 0x3003;
constexpr qsizetype longestPath = 255;

// QFileDialog checks on its own that a file exists (ExistingFile mode), but
// has nothing for "the folder must exist, the file need not" (a new name in
// a save dialog). This adds that check, with a warning like Qt's own.
class FileDialog final : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    bool folderMustExist = false;

    void accept() override
    {
        if (folderMustExist && fileMode() == AnyFile) {
            const QStringList files = selectedFiles();
            if (!files.isEmpty()) {
                const QFileInfo chosen(files.first());
                if (!chosen.isDir() && !chosen.absoluteDir().exists()) {
                    // Not tr(): without Q_OBJECT here it would be QFileDialog's,
                    // and look the text up under QFileDialog.
                    QMessageBox::warning(this, windowTitle(),
                                         QCoreApplication::translate("quirepress::detail::FileDialog",
                                                                     "%1\nPath does not exist.\nPlease verify the "
                                                                     "correct path was given.")
                                             .arg(chosen.fileName()));
                    return;
                }
            }
        }
        QFileDialog::accept();
    }
};

bool isPattern(const QString& name) { return name.contains(u'*') || name.contains(u'?'); }

// "Report Definition|*.rdn|Text|*.txt;*.text" gives "Report Definition (*.rdn)"
// and "Text (*.txt *.text)". QFileDialog separates patterns by blanks, the old
// format by ";". A label without a pattern (a trailing "|") is dropped.
QStringList nameFiltersOf(const QString& filter)
{
    QStringList result;
    const QStringList parts = filter.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString pattern = parts.at(i + 1);
        pattern.replace(u';', u' ');
        // QFileDialog simplifies the filters it is given; doing the same here
        // lets the chosen filter be found again in this list afterwards.
        result << QStringLiteral("%1 (%2)").arg(parts.at(i), pattern.simplified()).simplified();
    }
    return result;
}

// The name of a path without folder, up to its first ".".
QString titleOf(const QString& path)
{
    const QString name = path.mid(path.lastIndexOf(u'/') + 1);
    const qsizetype dot = name.indexOf(u'.');
    return dot < 0 ? name : name.left(dot);
}

} // namespace

bool CDialog::ShowOpen()
{
    const bool chosen = show(false);
    if (!chosen)
        Filename.clear();
    return chosen;
}

bool CDialog::ShowSave()
{
    flags |= hideReadOnly;
    return show(true);
}

bool CDialog::show(bool save)
{
    lastError_ = 0;
    // Neither a help button nor the old long-names switch means anything to
    // QFileDialog; both bits are dropped and stay dropped after a success.
    const int32_t options = flags & ~(showHelp | longNames);

    // The owner may be closed while the dialog runs, which deletes the dialog
    // with it; the QPointer notices that.
    QPointer<FileDialog> dialog = new FileDialog(QApplication::activeWindow());
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    if (save) {
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setFileMode(QFileDialog::AnyFile);
        // Callers ask about replacing a file themselves unless they want
        // the dialog to do it.
        dialog->setOption(QFileDialog::DontConfirmOverwrite, (options & overwritePrompt) == 0);
    } else {
        dialog->setAcceptMode(QFileDialog::AcceptOpen);
        dialog->setFileMode((options & fileMustExist) != 0 ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    }
    dialog->folderMustExist = (options & pathMustExist) != 0;
    if (!DialogTitle.isEmpty())
        dialog->setWindowTitle(DialogTitle);

    // The user-defined filter comes first, so that its position in the list
    // is FilterIndex 0 and the pairs of Filter are 1, 2, ... as they are
    // numbered. Its pattern cannot be edited here, so CustomFilterFilespec
    // never changes.
    QStringList nameFilters;
    if (!CustomFilter.isEmpty()) {
        const QString pattern = CustomFilterFilespec.isEmpty() ? QStringLiteral("*") : CustomFilterFilespec;
        nameFilters << nameFiltersOf(CustomFilter + u'|' + pattern);
    }
    const qsizetype firstPair = nameFilters.size();
    nameFilters << nameFiltersOf(filter_);
    if (!nameFilters.isEmpty()) {
        dialog->setNameFilters(nameFilters);
        // Index 0 without a user-defined filter, or one past the last pair,
        // falls back to the first filter.
        qsizetype selected = FilterIndex == 0 ? 0 : firstPair + FilterIndex - 1;
        if (selected < 0 || selected >= nameFilters.size())
            selected = 0;
        dialog->selectNameFilter(nameFilters.at(selected));
    }

    // Filename may carry a folder, and may be a pattern such as
    // "/reports/*.rdn" rather than a file: then only its folder is of use.
    const QString initialName = QDir::fromNativeSeparators(Filename);
    const QFileInfo initialInfo(initialName);
    const bool namesFolder = initialName.contains(u'/');
    if (!InitDir.isEmpty())
        dialog->setDirectory(InitDir);
    else if (namesFolder)
        dialog->setDirectory(initialInfo.path());
    if (!initialName.isEmpty() && !isPattern(initialInfo.fileName()))
        dialog->selectFile(initialName);

    QString suffix = DefaultExt;
    if (suffix.startsWith(u'.'))
        suffix.remove(0, 1);
    dialog->setDefaultSuffix(suffix);

    const bool accepted = dialog->exec() == QDialog::Accepted && dialog;
    QString path;
    QString selectedFilter;
    if (accepted) {
        const QStringList files = dialog->selectedFiles();
        path = files.isEmpty() ? QString() : files.first();
        selectedFilter = dialog->selectedNameFilter();
    }
    delete dialog.data();

    Error = 0;
    if (!accepted || path.isEmpty()) {
        if (CancelError)
            lastError_ = cancelErrorNumber;
        return false;
    }
    if (path.size() > longestPath) {
        Error = bufferTooSmall;
        return false;
    }

    flags = options;
    if (const qsizetype at = nameFilters.indexOf(selectedFilter); at >= 0)
        FilterIndex = static_cast<int16_t>(at < firstPair ? 0 : at - firstPair + 1);
    Filename = path;
    // The platform dialog moved the process into the chosen folder unless
    // told to keep it; QFileDialog never moves it, so this records the
    // process's folder as it is.
    if ((options & keepCurrentFolder) == 0)
        InitDir = QDir::currentPath();
    FileTitle = titleOf(path);
    return true;
}

} // namespace quirepress::detail

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "app/HelpLauncher.h"

#include "app/AppContext.h"
#include "app/Translations.h"
#include "common/ProgramInfo.h"

#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QWidget>

namespace quillbill {

const QString HelpLauncher::startPage = QStringLiteral("index.html");

HelpLauncher::HelpLauncher(AppContext& app, QObject* parent) : QObject(parent), app_(app) {}

void HelpLauncher::open(QWidget* window, const QString& page)
{
    const QString helpProgram = app_.path("HelpFile/Help");
    QPointer<QWidget> owner = window;
    const auto tell = [this, owner](const QString& text) { app_.messages.warn(owner, text, ProgramInfo::title); };
    const QString cannotStart = tr("The help program %1 could not be started.").arg(helpProgram);
    if (!QFileInfo(helpProgram).isExecutable()) {
        tell(cannotStart);
        return;
    }

    // The process belongs to the launcher, not to the window: a dialog closed
    // at once must not take the starting browser with it.
    auto* help = new QProcess(this);
    help->setProgram(helpProgram);
    // The guide in the windows' language where it has the page; a page that
    // is missing from an older or damaged guide still opens the guide, at
    // its start.
    const QString language = windowsLanguage();
    const QString wanted = page.isEmpty() ? startPage : page;
    const QString translated = language + u'/' + wanted;
    if (language != QLatin1String("en") && QFileInfo::exists(app_.path("HelpFile/" + translated)))
        help->setArguments({translated});
    else if (wanted != startPage && QFileInfo::exists(app_.path("HelpFile/" + wanted)))
        help->setArguments({wanted});
    help->setWorkingDirectory(app_.folder);
    help->setStandardOutputFile(QProcess::nullDevice());
    connect(help, &QProcess::errorOccurred, this, [help, tell, cannotStart](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        help->deleteLater();
        tell(cannotStart);
    });
    connect(help, &QProcess::finished, this, [help, tell](int exitCode, QProcess::ExitStatus status) {
        help->deleteLater();
        if (status == QProcess::NormalExit && exitCode == 0)
            return;
        const QString why = QString::fromLocal8Bit(help->readAllStandardError()).trimmed();
        tell(tr("The help pages need a web browser, and none could be started.")
             + (why.isEmpty() ? QString() : "\n\n" + why));
    });
    help->start();
}

} // namespace quillbill

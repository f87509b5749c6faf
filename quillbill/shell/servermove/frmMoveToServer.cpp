// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "shell/servermove/frmMoveToServer.h"

#include "app/AppContext.h"
#include "backup/OfficeMove.h"
#include "common/Controls.h"
#include "common/WaitCursor.h"
#include "records/DatabaseError.h"
#include "shell/options/ServerFields.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace quillbill {

frmMoveToServer::frmMoveToServer(AppContext& app, std::function<void()> closeChildWindows, QWidget* parent,
                                 Keyring keyring)
    : QDialog(parent),
      app_(app),
      closeChildWindows_(std::move(closeChildWindows)),
      keyring_(std::move(keyring)),
      page_(app.databaseSettings, keyring_),
      serverFields_(new ServerFields),
      moveButton_(makeButton("cmdMove", tr("Move"))),
      cancelButton_(makeButton("cmdCancel", tr("Cancel")))
{
    setObjectName("frmMoveToServer");
    setWindowTitle(tr("Move to Server"));
    setModal(true);
    QLabel* intro = makeLabel(
        "lblMoveIntro",
        tr("Move copies every record of this computer's file into an empty database on a PostgreSQL server, "
           "and this program works there from then on. The file stays as it was.\n\nClose Quillbill on the other "
           "desks that use the file first; afterwards, choose the server on the Database page of Tools > "
           "Options... on each of them."));
    intro->setWordWrap(true);
    const auto chosen = page_.load();
    serverFields_->showServer(chosen.value_or(ServerAddress{}));
    if (chosen)
        serverFields_->showKeyring(page_.storedPassword(*chosen));

    moveButton_->setDefault(true);
    cancelButton_->setAutoDefault(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(serverFields_);
    layout->addLayout(makeButtonRow({moveButton_, cancelButton_}));

    connect(moveButton_, &QPushButton::clicked, this, &frmMoveToServer::move);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void frmMoveToServer::move()
{
    ServerAddress server = serverFields_->shownServer();
    if (refuseServer(this, app_.messages, serverFields_, server))
        return;
    if (!app_.messages.askYesNoDefaultNo(this,
                                         tr("Move every record of this computer's file to the database %1 on %2 "
                                            "now? The program's other windows close first.")
                                             .arg(server.database, server.host),
                                         windowTitle()))
        return;
    server = page_.withPassword(std::move(server));
    if (closeChildWindows_)
        closeChildWindows_();
    OfficeMove moved;
    try {
        const WaitCursor wait;
        moved = moveOfficeToServer(app_, server, keyring_);
    } catch (const DatabaseError& error) {
        app_.messages.warn(this, error.message(), windowTitle());
        return;
    }
    QString done = tr("%1 records were moved to the database %2 on %3. The program now works on the server.")
                       .arg(QLocale().toString(static_cast<qlonglong>(moved.rows)), server.database, server.host);
    if (!moved.keyringProblem.isEmpty())
        done += u'\n' + tr("The password could not be kept in the keyring: %1.").arg(moved.keyringProblem);
    app_.messages.inform(this, done, windowTitle());
    accept();
}

} // namespace quillbill

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "shell/options/DatabasePanel.h"

#include "app/AppContext.h"
#include "app/DatabaseChoice.h"
#include "common/Controls.h"
#include "shell/options/ServerFields.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

namespace quillbill {

namespace {

// Whether two choices open the same database; the password is the
// keyring's.
bool sameServer(const std::optional<ServerAddress>& a, const std::optional<ServerAddress>& b)
{
    if (!a || !b)
        return !a && !b;
    return a->host == b->host && a->port == b->port && a->database == b->database && a->user == b->user
        && a->encryption == b->encryption && a->certificateAuthority == b->certificateAuthority;
}

} // namespace

DatabasePanel::DatabasePanel(AppContext& app, Keyring keyring, QWidget* parent)
    : QFrame(parent),
      app_(app),
      page_(app.databaseSettings, std::move(keyring)),
      saved_(page_.load()),
      fileChoice_(new QRadioButton(tr("This computer's file"))),
      serverChoice_(new QRadioButton(tr("A PostgreSQL server"))),
      serverFields_(new ServerFields),
      testButton_(makeButton("cmdDbTestConnection", tr("Test Connection"))),
      testResult_(makeLabel("lblDbTestResult", QString()))
{
    setObjectName("optDatabase");
    setFrameStyle(QFrame::StyledPanel);
    fileChoice_->setObjectName("optDbFile");
    serverChoice_->setObjectName("optDbServer");
    auto* choices = new QButtonGroup(this);
    choices->addButton(fileChoice_);
    choices->addButton(serverChoice_);
    testButton_->setAutoDefault(false);
    testResult_->setWordWrap(true);
    testResult_->setTextFormat(Qt::PlainText);
    testResult_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QLabel* nextStart = makeLabel("lblDbNextStart",
                                  tr("The program opens the database chosen here when it next "
                                     "starts. To take this computer's records to a server, use "
                                     "Tools > Database > Move to Server..."));
    nextStart->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeLabel("lblDbWhere", tr("Keep the office's records in:")));
    layout->addWidget(fileChoice_);
    layout->addWidget(serverChoice_);
    layout->addWidget(serverFields_);
    auto* testRow = new QHBoxLayout;
    testRow->addWidget(testButton_);
    testRow->addStretch();
    layout->addLayout(testRow);
    layout->addWidget(testResult_);
    layout->addWidget(nextStart);
    layout->addStretch();

    (saved_ ? serverChoice_ : fileChoice_)->setChecked(true);
    serverFields_->showServer(saved_.value_or(ServerAddress{}));
    showChoiceState();

    for (QRadioButton* choice : {fileChoice_, serverChoice_})
        connect(choice, &QRadioButton::clicked, this, [this] {
            showChoiceState();
            emit changed();
        });
    connect(serverFields_, &ServerFields::edited, this, &DatabasePanel::changed);
    connect(testButton_, &QPushButton::clicked, this, &DatabasePanel::testConnection);
}

std::optional<ServerAddress> DatabasePanel::shownChoice() const
{
    if (!serverChoice_->isChecked())
        return std::nullopt;
    return serverFields_->shownServer();
}

void DatabasePanel::showChoiceState()
{
    serverFields_->setFieldsEnabled(serverChoice_->isChecked());
    testButton_->setEnabled(serverChoice_->isChecked());
}

void DatabasePanel::showEvent(QShowEvent* event)
{
    QFrame::showEvent(event);
    if (keyringChecked_)
        return;
    keyringChecked_ = true;
    // The keyring may ask the user to unlock it, so it is asked once the
    // page is on the screen.
    QTimer::singleShot(0, this, [this] {
        if (saved_)
            serverFields_->showKeyring(page_.storedPassword(*saved_));
        else
            serverFields_->showKeyring({true, false, std::nullopt, {}});
    });
}

bool DatabasePanel::refused(const ServerAddress& server)
{
    if (!DatabasePage::firstRefusal(server))
        return false;
    emit showMe();
    return refuseServer(window(), app_.messages, serverFields_, server);
}

void DatabasePanel::testConnection()
{
    const auto server = shownChoice();
    if (!server || refused(*server))
        return;
    testResult_->clear();
    if (const auto check = checkOffThread(this, page_, *server))
        testResult_->setText(check->message);
}

bool DatabasePanel::readyToSave()
{
    const auto chosen = shownChoice();
    if (!chosen)
        return true;
    if (refused(*chosen))
        return false;
    if (sameServer(chosen, saved_))
        return true;
    const auto check = checkOffThread(this, page_, *chosen);
    if (!check)
        return false;
    if (check->outcome == DatabasePage::Check::Outcome::Works)
        return true;
    emit showMe();
    testResult_->setText(check->message);
    return app_.messages.askYesNoDefaultNo(window(),
                                           tr("The program could not open that database now:\n\n%1\n\nChoose it "
                                              "all the same? The program tries it when it next starts.")
                                               .arg(check->message),
                                           window()->windowTitle());
}

void DatabasePanel::save()
{
    const auto chosen = shownChoice();
    const bool moved = !sameServer(chosen, saved_);
    QString problem;
    if (!page_.save(chosen, saved_, chosen ? chosen->password : QString(), &problem))
        app_.messages.warn(window(),
                           tr("The password could not be kept in the keyring: %1. The program will sign in to "
                              "the server without it.")
                               .arg(problem),
                           window()->windowTitle());
    saved_ = chosen;
    serverFields_->clearPassword();
    if (moved)
        app_.messages.inform(
            window(),
            chosen
                ? tr("The program opens the database %1 on %2 when it next starts.").arg(chosen->database, chosen->host)
                : tr("The program opens this computer's file when it next starts."),
            window()->windowTitle());
}

} // namespace quillbill

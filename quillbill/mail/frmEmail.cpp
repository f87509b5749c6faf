// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "mail/frmEmail.h"

#include "app/AppContext.h"
#include "app/DocumentLanguage.h"
#include "common/Controls.h"
#include "common/ProgramInfo.h"
#include "common/WaitCursor.h"
#include "common/WindowSize.h"
#include "mail/MailPassword.h"
#include "mail/MailSettings.h"
#include "mail/SendMail.h"
#include "records/DatabaseError.h"
#include "records/company/MyCompanyRecord.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>

namespace quillbill {

namespace {

// Translated where it is shown: this is set up before any translator is.
const char* const failurePreamble =
    QT_TRANSLATE_NOOP("quillbill::frmEmail", "Your attempt to send mail failed for the following reason(s): ");

QLabel* labelFor(QWidget* control, const QString& caption)
{
    auto* label = new QLabel(caption);
    label->setBuddy(control);
    return label;
}

// The office's own address, which an invoice goes out from unless someone
// named another; empty when the company row names none or cannot be read
// now, which only leaves the box for the user to fill.
QString officeAddress(const AppContext& app)
{
    try {
        if (const auto company = MyCompanyRecord(app.state.MainDatabase).load())
            return company->email.trimmed();
    } catch (const DatabaseError&) {}
    return {};
}

} // namespace

frmEmail::frmEmail(AppContext& app, QWidget* parent)
    : QDialog(parent),
      app_(app),
      mode_(app.state.AttachmentPath, app.folder),
      mail_(new SendMail(app.options, this)),
      txtFrom_(makeTextBox("txtFrom")),
      txtTo_(makeTextBox("txtTo")),
      txtMsg_(new QPlainTextEdit),
      lblAttachment_(makeLabel("lblAttachment", {})),
      lblStatus_(makeLabel("lblStatus", tr("Status"))),
      lstStatus_(new QListWidget),
      lblProgress_(makeLabel("lblProgress", {})),
      Animation1_(new QProgressBar),
      cmdSend_(makeButton("cmdSend", tr("Send"))),
      cmdReset_(makeButton("cmdReset", tr("Reset")))
{
    setObjectName("frmEmail");
    txtMsg_->setObjectName("txtMsg");
    txtMsg_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab leaves the comments for the next control, as in every other box.
    txtMsg_->setTabChangesFocus(true);
    lstStatus_->setObjectName("lstStatus");
    lblStatus_->setBuddy(lstStatus_);
    lblAttachment_->setWordWrap(true);

    // Busy without a measure of how far: it runs while the send does, and
    // keeps its place in the layout while hidden.
    Animation1_->setObjectName("Animation1");
    Animation1_->setRange(0, 0);
    Animation1_->setTextVisible(false);
    QSizePolicy keepPlace = Animation1_->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    Animation1_->setSizePolicy(keepPlace);
    Animation1_->hide();

    auto* layout = new QGridLayout(this);
    layout->addWidget(labelFor(txtFrom_, tr("Your Email")), 0, 0);
    layout->addWidget(txtFrom_, 0, 1);
    layout->addWidget(labelFor(txtTo_, tr("Recipient Email")), 1, 0);
    layout->addWidget(txtTo_, 1, 1);
    layout->addWidget(labelFor(txtMsg_, tr("Comments")), 2, 0, 1, 2);
    layout->addWidget(txtMsg_, 3, 0, 1, 2);
    layout->addWidget(lblAttachment_, 4, 0, 1, 2);
    layout->addWidget(lblStatus_, 5, 0, 1, 2);
    layout->addWidget(lstStatus_, 6, 0, 1, 2);
    layout->addWidget(lblProgress_, 7, 0);
    layout->addWidget(Animation1_, 7, 1);
    layout->addLayout(makeButtonRow({cmdSend_, cmdReset_}), 8, 0, 1, 2);
    layout->setRowStretch(3, 2);
    layout->setRowStretch(6, 1);
    WindowSize::remember(this, app_.options, QSize(460, 480));

    connect(cmdSend_, &QPushButton::clicked, this, &frmEmail::send);
    connect(cmdReset_, &QPushButton::clicked, this, &frmEmail::reset);
    connect(mail_, &SendMail::Progress, this, &frmEmail::showProgress);
    connect(mail_, &SendMail::Status, this, &frmEmail::showStatus);
    connect(mail_, &SendMail::SendFailed, this, &frmEmail::sendFailed);
    connect(mail_, &SendMail::SendSuccesful, this, &frmEmail::sendSucceeded);

    setWindowTitle(mode_.caption());
    lblAttachment_->setText(mode_.attachmentLine());
    lblAttachment_->setToolTip(mode_.attachmentFile());
    txtTo_->clear();
    txtTo_->setEnabled(mode_.isInvoice());

    mail_->setRememberSettings(true);
    const MailSettings settings = MailSettings::load(app_.options);
    commentsAddress_ = settings.commentsAddress;
    // The sender the options window names wins over the one last typed; an
    // invoice that neither names goes out from the office's own address.
    QString sender = settings.senderAddress.trimmed().isEmpty() ? mail_->SenderAddress() : settings.sender();
    if (sender.trimmed().isEmpty() && mode_.isInvoice())
        sender = officeAddress(app_);
    txtFrom_->setText(sender);
    txtTo_->setText(mode_.isInvoice() ? mail_->RecipientAddress() : commentsAddress_);
}

frmEmail::~frmEmail() = default;

void frmEmail::holdAttachmentFolder(std::unique_ptr<QTemporaryDir> folder) { attachmentFolder_ = std::move(folder); }

void frmEmail::done(int result)
{
    if (!sending_)
        QDialog::done(result);
}

void frmEmail::send()
{
    cmdSend_->setEnabled(false);
    lstStatus_->clear();
    outcome_ = Outcome::None;
    failure_.clear();
    // The keyring's answer and Send() both keep the events flowing until they
    // are done; the window must outlive them, so closing waits (see done())
    // and the outcome is acted on only after they have returned.
    sending_ = true;
    // Read again on every send: the options window may have changed them
    // while this window was open.
    const MailSettings settings = MailSettings::load(app_.options);
    const std::optional<QString> password = passwordFor(settings);
    if (!password) {
        sending_ = false;
        showStatus(tr("No password was given, so the message was not sent."));
        Animation1_->hide();
        cmdSend_->setEnabled(true);
        return;
    }
    {
        const WaitCursor wait;
        mail_->useSettings(settings, *password);
        mail_->setSenderAddress(txtFrom_->text());
        mail_->setRecipientAddress(txtTo_->text());
        mail_->setSubject(mode_.subject(DocumentLanguage::chosen(app_.options)));
        mail_->setAttachment(mode_.attachmentFile());
        mail_->setMessage(txtMsg_->toPlainText());
        mail_->Send();
        sending_ = false;
    }
    Animation1_->hide();
    cmdSend_->setEnabled(true);

    switch (outcome_) {
    case Outcome::Failed:
        app_.messages.warn(this, tr(failurePreamble) + u'\n' + failure_, ProgramInfo::title);
        break;
    case Outcome::Succeeded: {
        // Closing may delete the window, so what the message needs is taken
        // first.
        MessageBoxes& messages = app_.messages;
        QWidget* owner = parentWidget();
        accept();
        messages.inform(owner, tr("Send Successful!"), ProgramInfo::title);
        break;
    }
    case Outcome::None:
        break;
    }
}

std::optional<QString> frmEmail::passwordFor(const MailSettings& settings)
{
    if (settings.userName.isEmpty())
        return QString();
    const MailPassword::Reading stored = MailPassword().read(settings);
    if (stored.keyringAnswered && stored.password)
        return stored.password;
    // Asked for this send only: what is typed here is never stored.
    return app_.messages.askPassword(this, tr("Password for %1 on %2:").arg(settings.userName, settings.host.trimmed()),
                                     ProgramInfo::title);
}

void frmEmail::reset()
{
    lstStatus_->clear();
    lblProgress_->clear();
    if (txtTo_->text().compare(commentsAddress_, Qt::CaseInsensitive) != 0)
        txtTo_->clear();
    txtFrom_->clear();
    txtMsg_->clear();
}

void frmEmail::showProgress(int percent) { lblProgress_->setText(tr("%1% complete").arg(percent)); }

void frmEmail::showStatus(const QString& text)
{
    Animation1_->show();
    lstStatus_->addItem(text);
    QListWidgetItem* line = lstStatus_->item(lstStatus_->count() - 1);
    lstStatus_->setCurrentItem(line);
    lstStatus_->scrollToItem(line);
    lstStatus_->clearSelection();
}

void frmEmail::sendFailed(const QString& explanation)
{
    outcome_ = Outcome::Failed;
    failure_ = explanation;
    lblProgress_->clear();
}

void frmEmail::sendSucceeded()
{
    outcome_ = Outcome::Succeeded;
    lblProgress_->clear();
    app_.state.AttachmentPath.clear();
    if (mode_.isInvoice())
        emit invoiceSent();
}

} // namespace quillbill

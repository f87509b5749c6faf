// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "shell/options/MailPanel.h"

#include "app/AppContext.h"
#include "common/Controls.h"
#include "common/WaitCursor.h"
#include "mail/SendMail.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include <utility>

namespace quillbill {

namespace {

MailEncryption encryptionAt(const QComboBox* box, int index)
{
    return static_cast<MailEncryption>(box->itemData(index).toInt());
}

template <typename Box>
Box* named(Box* box, const QString& name, const QString& accessibleName)
{
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    return box;
}

// `text` in lines of at most `width` characters, broken at blanks; a word
// longer than that keeps a line of its own. Lines after the first are
// indented by `indent`.
QString wrapped(const QString& text, qsizetype width, const QString& indent = {})
{
    QStringList lines;
    QString line;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
            lines << line;
            line = indent;
        }
        line += (line.isEmpty() || line == indent ? QString() : QStringLiteral(" ")) + word;
    }
    lines << line;
    return lines.join(u'\n');
}

// What the user needs to judge a certificate no authority vouches for, all
// of it: who it names, who issued it, when it is valid, and its fingerprint
// in two lines of sixteen bytes. Long values are broken into lines of the
// fingerprint's width, so that the page stays narrow.
QString certificateDetails(const QString& host, const mail::PresentedCertificate& certificate)
{
    constexpr qsizetype lineLength = 16 * 3;
    const auto known = [](const QString& text) {
        return text.isEmpty() ? QCoreApplication::translate("quillbill::MailPanel", "unknown") : text;
    };
    const auto field = [&](const QString& label, const QString& value) {
        return wrapped(label + u' ' + value, lineLength, QStringLiteral("    "));
    };
    const QString issuer = !certificate.issuer.isEmpty() && certificate.issuer == certificate.subject
        ? QCoreApplication::translate("quillbill::MailPanel", "itself (self-signed)")
        : known(certificate.issuer);
    const QString& fingerprint = certificate.fingerprint;
    const QString fingerprintLines = fingerprint.size() > lineLength
        ? fingerprint.left(lineLength) + u'\n' + fingerprint.mid(lineLength)
        : fingerprint;
    return QStringList{
        wrapped(
            QCoreApplication::translate("quillbill::MailPanel",
                                        "No known authority vouches for the certificate of %1. Trust it only when the "
                                        "server's owner confirms its fingerprint.")
                .arg(host),
            lineLength),
        QString(),
        field(QCoreApplication::translate("quillbill::MailPanel", "Issued to:"), known(certificate.subject)),
        field(QCoreApplication::translate("quillbill::MailPanel", "Issued by:"), issuer),
        field(QCoreApplication::translate("quillbill::MailPanel", "Valid from:"), known(certificate.validFrom)),
        field(QCoreApplication::translate("quillbill::MailPanel", "Valid until:"), known(certificate.validUntil)),
        QCoreApplication::translate("quillbill::MailPanel", "SHA-256 fingerprint:"),
        fingerprintLines,
    }
        .join(u'\n');
}

} // namespace

MailPanel::MailPanel(AppContext& app, MailPassword keyring, QWidget* parent)
    : QFrame(parent), app_(app), page_(app.options, std::move(keyring)), saved_(page_.load())
{
    setObjectName("optEmail");
    setFrameStyle(QFrame::StyledPanel);
    buildControls();
    showSettings(saved_);
}

void MailPanel::buildControls()
{
    txtMailHost_ = named(new QLineEdit, "txtMailHost", tr("Mail server"));
    txtMailPort_ = named(new QSpinBox, "txtMailPort", tr("Port"));
    txtMailPort_->setRange(1, 65535);
    cboMailEncryption_ = named(new QComboBox, "cboMailEncryption", tr("Encryption"));
    for (const MailEncryption encryption : {MailEncryption::None, MailEncryption::StartTls, MailEncryption::Tls})
        // The settings keep "None" in English; the list shows it in the
        // user's language, and the protocols by their names.
        cboMailEncryption_->addItem(encryption == MailEncryption::None ? tr("None") : encryptionName(encryption),
                                    static_cast<int>(encryption));
    txtMailUser_ = named(new QLineEdit, "txtMailUser", tr("User name"));
    txtMailPassword_ = named(new QLineEdit, "txtMailPassword", tr("Password"));
    txtMailPassword_->setEchoMode(QLineEdit::Password);
    lblKeyring_ = makeLabel("lblKeyring", QString());
    lblKeyring_->setWordWrap(true);
    txtSenderName_ = named(new QLineEdit, "txtSenderName", tr("Sender's name"));
    txtSenderAddress_ = named(new QLineEdit, "txtSenderAddress", tr("Sender's address"));
    txtCommentsAddress_ = named(new QLineEdit, "txtCommentsAddress", tr("Send comments to"));
    cboInvoicesAs_ = named(new QComboBox, "cboInvoicesAs", tr("Send invoices as"));
    cboInvoicesAs_->addItem(tr("HTML page"), static_cast<int>(InvoiceAttachment::HtmlPage));
    cboInvoicesAs_->addItem(tr("PDF document"), static_cast<int>(InvoiceAttachment::PdfDocument));
    cmdTestConnection_ = makeButton("cmdTestConnection", tr("Test Connection"));
    lstTestResult_ = named(new QListWidget, "lstTestResult", tr("Connection test result"));
    lstTestResult_->setMinimumHeight(90);
    // A failure is a sentence to read whole, not to scroll along.
    lstTestResult_->setWordWrap(true);
    lstTestResult_->setResizeMode(QListView::Adjust);
    lstTestResult_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lblCertificate_ = makeLabel("lblCertificate", QString());
    // A certificate's names are the server's text, never markup. The lines
    // are broken by certificateDetails, not by the label: a label that wraps
    // itself does not make the window grow to show all of it.
    lblCertificate_->setTextFormat(Qt::PlainText);
    lblCertificate_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    cmdTrustCertificate_ = makeButton("cmdTrustCertificate", tr("Trust This Certificate"));
    for (QPushButton* button : {cmdTestConnection_, cmdTrustCertificate_})
        button->setAutoDefault(false);
    // Room for a provider's host name or an office's address in full; the
    // other pages would leave the window too narrow for them.
    const int boxWidth = fontMetrics().averageCharWidth() * 36;
    for (QLineEdit* box :
         {txtMailHost_, txtMailUser_, txtMailPassword_, txtSenderName_, txtSenderAddress_, txtCommentsAddress_})
        box->setMinimumWidth(boxWidth);

    auto* layout = new QFormLayout(this);
    layout->addRow(tr("Mail &server:"), txtMailHost_);
    layout->addRow(tr("&Port:"), txtMailPort_);
    layout->addRow(tr("&Encryption:"), cboMailEncryption_);
    layout->addRow(tr("&User name:"), txtMailUser_);
    layout->addRow(tr("Pass&word:"), txtMailPassword_);
    layout->addRow(QString(), lblKeyring_);
    layout->addRow(tr("Sender's &name:"), txtSenderName_);
    layout->addRow(tr("Sender's &address:"), txtSenderAddress_);
    layout->addRow(tr("Send &comments to:"), txtCommentsAddress_);
    layout->addRow(tr("Send &invoices as:"), cboInvoicesAs_);
    auto* testRow = new QHBoxLayout;
    testRow->addWidget(cmdTestConnection_);
    testRow->addStretch();
    layout->addRow(QString(), testRow);
    layout->addRow(lstTestResult_);
    // The details take the page's whole width, so that nothing of them is
    // cut; the button follows them.
    layout->addRow(lblCertificate_);
    auto* trustRow = new QHBoxLayout;
    trustRow->addWidget(cmdTrustCertificate_);
    trustRow->addStretch();
    layout->addRow(trustRow);
    showUntrustedCertificate(false);

    for (QLineEdit* box : {txtMailUser_, txtMailPassword_, txtSenderName_, txtSenderAddress_, txtCommentsAddress_})
        connect(box, &QLineEdit::textEdited, this, &MailPanel::changed);
    connect(txtMailHost_, &QLineEdit::textEdited, this, &MailPanel::hostEdited);
    // Only the user's own changes reach here: the page's changes set the
    // value with the signals blocked.
    connect(txtMailPort_, &QSpinBox::valueChanged, this, [this] {
        serverTouched_ = true;
        emit changed();
    });
    connect(cboMailEncryption_, &QComboBox::activated, this, &MailPanel::encryptionChosen);
    connect(cboInvoicesAs_, &QComboBox::activated, this, &MailPanel::changed);
    connect(cmdTestConnection_, &QPushButton::clicked, this, &MailPanel::testConnection);
    connect(cmdTrustCertificate_, &QPushButton::clicked, this, &MailPanel::trustCertificate);
}

void MailPanel::showSettings(const MailSettings& settings)
{
    txtMailHost_->setText(settings.host);
    {
        const QSignalBlocker quiet(txtMailPort_);
        txtMailPort_->setValue(settings.port);
    }
    cboMailEncryption_->setCurrentIndex(cboMailEncryption_->findData(static_cast<int>(settings.encryption)));
    shownEncryption_ = settings.encryption;
    txtMailUser_->setText(settings.userName);
    txtSenderName_->setText(settings.senderName);
    txtSenderAddress_->setText(settings.senderAddress);
    txtCommentsAddress_->setText(settings.commentsAddress);
    cboInvoicesAs_->setCurrentIndex(cboInvoicesAs_->findData(static_cast<int>(settings.invoicesAs)));
    accepted_ = settings.acceptedCertificate;
}

MailSettings MailPanel::shownSettings() const
{
    MailSettings settings;
    settings.host = txtMailHost_->text().trimmed();
    settings.port = txtMailPort_->value();
    settings.encryption = encryptionAt(cboMailEncryption_, cboMailEncryption_->currentIndex());
    settings.userName = txtMailUser_->text().trimmed();
    settings.senderName = txtSenderName_->text().trimmed();
    settings.senderAddress = txtSenderAddress_->text().trimmed();
    settings.commentsAddress = txtCommentsAddress_->text().trimmed();
    settings.invoicesAs = static_cast<InvoiceAttachment>(cboInvoicesAs_->currentData().toInt());
    settings.plainSignInConfirmed = saved_.plainSignInConfirmed;
    settings.acceptedCertificate = accepted_;
    return settings;
}

void MailPanel::showEvent(QShowEvent* event)
{
    QFrame::showEvent(event);
    if (keyringChecked_)
        return;
    keyringChecked_ = true;
    // Asking the keyring may take a while (it may ask the user to unlock
    // it), so it is asked once the page is on the screen.
    QTimer::singleShot(0, this, &MailPanel::showKeyringState);
}

void MailPanel::showKeyringState()
{
    const MailPassword::Reading reading = page_.storedPassword(saved_);
    if (reading.locked) {
        lblKeyring_->setText(tr("The saved password could not be read: %1. Unlock the keyring and open this page "
                                "again; until then the password will be asked for each time mail is sent.")
                                 .arg(reading.problem));
        txtMailPassword_->setPlaceholderText(QString());
    } else if (!reading.keyringAnswered) {
        lblKeyring_->setText(tr("No keyring answered: the password will be asked for each time mail is sent."));
        txtMailPassword_->setPlaceholderText(QString());
    } else if (reading.password) {
        lblKeyring_->setText(tr("The password is kept in the desktop's keyring."));
        txtMailPassword_->setPlaceholderText(tr("(kept in the keyring)"));
    } else {
        lblKeyring_->setText(tr("A password typed here is kept in the desktop's keyring."));
        txtMailPassword_->setPlaceholderText(QString());
    }
}

void MailPanel::hostEdited()
{
    const MailPage::Server shown{encryptionAt(cboMailEncryption_, cboMailEncryption_->currentIndex()),
                                 txtMailPort_->value()};
    const MailPage::Server next = MailPage::afterHostEdited(shown, serverTouched_);
    if (next != shown) {
        cboMailEncryption_->setCurrentIndex(cboMailEncryption_->findData(static_cast<int>(next.encryption)));
        shownEncryption_ = next.encryption;
        const QSignalBlocker quiet(txtMailPort_);
        txtMailPort_->setValue(next.port);
    }
    emit changed();
}

void MailPanel::encryptionChosen(int index)
{
    const MailEncryption chosen = encryptionAt(cboMailEncryption_, index);
    {
        const QSignalBlocker quiet(txtMailPort_);
        txtMailPort_->setValue(MailPage::portAfterEncryptionChosen(shownEncryption_, chosen, txtMailPort_->value()));
    }
    shownEncryption_ = chosen;
    serverTouched_ = true;
    emit changed();
}

void MailPanel::refuse(const MailPage::Refusal& refusal)
{
    emit showMe();
    app_.messages.warn(window(), refusal.message, window()->windowTitle());
    QLineEdit* box = refusal.field == MailPage::Refusal::Field::Host ? txtMailHost_
        : refusal.field == MailPage::Refusal::Field::SenderAddress   ? txtSenderAddress_
                                                                     : txtCommentsAddress_;
    box->setFocus();
    box->selectAll();
}

bool MailPanel::readyToSave()
{
    const MailSettings settings = shownSettings();
    if (const auto refusal = MailPage::firstRefusal(settings)) {
        refuse(*refusal);
        return false;
    }
    if (!MailPage::needsPlainSignInConsent(settings))
        return true;
    emit showMe();
    if (!app_.messages.askYesNoDefaultNo(
            window(),
            tr("With the encryption \"None\" the user name and password for %1 go over the network unencrypted, "
               "where others can read them.\n\nSend them unencrypted all the same?")
                .arg(settings.serverName()),
            window()->windowTitle())) {
        cboMailEncryption_->setFocus();
        return false;
    }
    saved_.plainSignInConfirmed = true;
    return true;
}

void MailPanel::save()
{
    const MailSettings settings = shownSettings();
    const MailPage::Saving saving = page_.save(settings, saved_, txtMailPassword_->text());
    saved_ = page_.load();
    txtMailPassword_->clear();
    if (!saving.passwordKept) {
        app_.messages.warn(window(),
                           tr("The settings were saved, but no keyring took the password (%1). It will be asked "
                              "for each time mail is sent.")
                               .arg(saving.keyringProblem),
                           window()->windowTitle());
    }
    keyringChecked_ = false;
    if (isVisible()) {
        keyringChecked_ = true;
        showKeyringState();
    }
}

void MailPanel::testConnection()
{
    const MailSettings settings = shownSettings();
    if (const auto refusal = MailPage::firstRefusal(settings);
        refusal && refusal->field == MailPage::Refusal::Field::Host) {
        refuse(*refusal);
        return;
    }
    QString password = txtMailPassword_->text();
    if (!settings.userName.isEmpty() && password.isEmpty()) {
        if (const MailPassword::Reading reading = page_.storedPassword(settings); reading.password) {
            password = *reading.password;
        } else {
            const auto typed = app_.messages.askPassword(
                window(), tr("The password of %1 on %2:").arg(settings.userName, settings.serverName()),
                tr("Test Connection"));
            if (!typed)
                return;
            password = *typed;
        }
    }

    lstTestResult_->clear();
    showUntrustedCertificate(false);
    // The check lets events run while it waits; the page stays as it is
    // until the answer is in.
    setEnabled(false);
    const QPointer<MailPanel> alive(this);
    mail::ConnectionCheck check;
    {
        const WaitCursor wait;
        SendMail mail(app_.options);
        mail.useSettings(settings, password);
        mail.setTimeouts(20, 60);
        check = mail.TestConnection();
    }
    if (!alive)
        return;
    setEnabled(true);

    lstTestResult_->addItem(check.succeeded ? tr("Connection works.") : tr("Connection failed: %1").arg(check.failure));
    lstTestResult_->addItems(check.steps);
    if (check.untrustedCertificate) {
        const mail::PresentedCertificate& certificate = *check.untrustedCertificate;
        presented_ = {settings.host, settings.port, certificate.fingerprint, certificate.der};
        lblCertificate_->setText(certificateDetails(settings.host, certificate));
        showUntrustedCertificate(true);
    }
}

void MailPanel::trustCertificate()
{
    accepted_ = presented_;
    showUntrustedCertificate(false);
    lstTestResult_->addItem(tr("The certificate will be trusted for %1 once the settings are saved.")
                                .arg(presented_.host + u':' + QString::number(presented_.port)));
    emit changed();
}

void MailPanel::showUntrustedCertificate(bool shown)
{
    lblCertificate_->setVisible(shown);
    cmdTrustCertificate_->setVisible(shown);
    if (!shown || !isVisible())
        return;
    // The window's least height counts the wrapped lines above the details
    // short, so it may leave too little room for them: it grows until the
    // details have all the lines they need.
    QWidget* const owner = window();
    for (int grown = 0; grown < 8 && lblCertificate_->height() < lblCertificate_->sizeHint().height(); ++grown) {
        owner->resize(owner->width(),
                      owner->height() + lblCertificate_->sizeHint().height() - lblCertificate_->height());
        if (owner->layout())
            owner->layout()->activate();
    }
}

} // namespace quillbill

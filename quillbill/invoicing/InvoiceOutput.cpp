// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "invoicing/InvoiceOutput.h"

#include "app/AppContext.h"
#include "app/DocumentLanguage.h"
#include "app/FailureMessage.h"
#include "common/ProgramInfo.h"
#include "common/WaitCursor.h"
#include "invoicing/BuildInvoiceData.h"
#include "invoicing/InvoiceIssuing.h"
#include "invoicing/clsSimple.h"
#include "mail/MailSettings.h"
#include "mail/frmEmail.h"
#include "records/invoices/InvoiceRecords.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <stdexcept>

namespace quillbill {

namespace {

// The engine's target that writes an e-mailed invoice, and the file's
// extension.
struct AttachedFile {
    QString extension;
    quirepress::OutputOptions target;
};

AttachedFile attachedFile(InvoiceAttachment kind)
{
    if (kind == InvoiceAttachment::PdfDocument)
        return {QStringLiteral("pdf"), quirepress::cOutputToPDFFile};
    return {QStringLiteral("html"), quirepress::cOutputToHTMLFile};
}

// A new folder of this run's own inside the user's private runtime folder:
// made with a random name and mode 0700, so that no other program, of this
// user or another, writes the file the e-mail window sends.
std::unique_ptr<QTemporaryDir> newRunFolder()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (base.isEmpty())
        base = QDir::tempPath();
    auto folder = std::make_unique<QTemporaryDir>(QDir(base).filePath(QStringLiteral("Quillbill-XXXXXX")));
    if (!folder->isValid())
        throw std::runtime_error(
            QCoreApplication::translate("quillbill::InvoiceOutput", "No folder for the invoice could be made in %1: %2")
                .arg(base, folder->errorString())
                .toStdString());
    return folder;
}

} // namespace

InvoiceOutput::InvoiceOutput(AppContext& app) : app_(app) {}

InvoiceOutput::~InvoiceOutput() = default;

bool InvoiceOutput::hasJobs(int32_t invoiceId, int32_t customerId)
{
    bool any = false;
    if (!runShowingFailure(app_.messages, ProgramInfo::title, [&] {
            any = !InvoiceRecords(app_.state.MainDatabase).jobsOf(customerId, invoiceId).empty();
        }))
        return false;
    if (!any)
        app_.messages.warn(nullptr,
                           QCoreApplication::translate("quillbill::InvoiceOutput",
                                                       "Invoice %1 has no jobs, so there is nothing to print or send. "
                                                       "Add its jobs first.")
                               .arg(invoiceId),
                           ProgramInfo::title);
    return any;
}

bool InvoiceOutput::run(int32_t invoiceId, int32_t customerId, quirepress::OutputOptions output,
                        const QString& outputFile)
{
    bool completed = false;
    runShowingDocumentFailure(app_.messages, ProgramInfo::title, [&] {
        // The previous document, and its preview, go first.
        document_.reset();
        const InvoiceSelection invoice = BuildInvoiceData(app_.state.MainDatabase, invoiceId, customerId);
        document_ = std::make_unique<clsSimple>(app_, invoice);
        // A mailed file leaves the office when it is sent, not when written.
        if (output == quirepress::cOutputToScreen)
            document_->setOnDelivered(
                [this, invoice](IssueRoute route, const InvoiceContent& shown) { issued(invoice, shown, route); });
        document_->setOutput(output);
        if (!outputFile.isEmpty())
            document_->setOutputFile(outputFile);
        completed = document_->PrintReport();
    });
    return completed;
}

bool InvoiceOutput::preview(int32_t invoiceId, int32_t customerId)
{
    if (!hasJobs(invoiceId, customerId))
        return false;
    return run(invoiceId, customerId, quirepress::cOutputToScreen, QString());
}

void InvoiceOutput::issued(InvoiceSelection invoice, const InvoiceContent& shown, IssueRoute route)
{
    if (recordIssued(app_, invoice, shown, route) && onIssued_)
        onIssued_(invoice);
}

void InvoiceOutput::email(int32_t invoiceId, int32_t customerId, QWidget* window)
{
    app_.state.AttachmentPath.clear();
    if (!hasJobs(invoiceId, customerId))
        return;
    const AttachedFile file = attachedFile(MailSettings::load(app_.options).invoicesAs);
    std::unique_ptr<QTemporaryDir> folder;
    if (!runShowingFailure(app_.messages, ProgramInfo::title, [&] { folder = newRunFolder(); }))
        return;
    // Named after the invoice, in the document's language: the name the
    // customer sees on the attachment.
    const DocumentLanguage words = DocumentLanguage::chosen(app_.options);
    const QString path =
        folder->filePath(words.translate("quillbill::Document", "Invoice-%1.%2").arg(invoiceId).arg(file.extension));
    bool written = false;
    {
        // Writing the file takes a moment, and the e-mail window only
        // comes after it.
        const WaitCursor waiting;
        written = run(invoiceId, customerId, file.target, path);
    }
    // The folder is new, so a file in it is this run's.
    if (!written || app_.state.LastOutputTarget != static_cast<int16_t>(file.target) || !QFileInfo::exists(path))
        return;
    // Known once the document is made: a credit note's file says it is one.
    QString attached = path;
    if (document_->shown()->creditFor) {
        attached = folder->filePath(
            words.translate("quillbill::Document", "Credit-Note-%1.%2").arg(invoiceId).arg(file.extension));
        if (!QFile::rename(path, attached))
            attached = path;
    }
    app_.state.AttachmentPath = attached;
    auto* email = new frmEmail(app_, window);
    email->holdAttachmentFolder(std::move(folder));
    // The window may outlive this document; it keeps what the file shows.
    const InvoiceContent shown = *document_->shown();
    const InvoiceSelection invoice{invoiceId, customerId};
    QObject::connect(email, &frmEmail::invoiceSent, email,
                     [this, invoice, shown] { issued(invoice, shown, IssueRoute::Mailed); });
    email->setAttribute(Qt::WA_DeleteOnClose);
    email->open();
}

} // namespace quillbill

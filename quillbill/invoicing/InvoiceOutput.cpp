#include "invoicing/InvoiceOutput.h"

#include "app/AppContext.h"
#include "app/FailureMessage.h"
#include "common/ProgramInfo.h"
#include "common/WaitCursor.h"
#include "invoicing/BuildInvoiceData.h"
#include "invoicing/clsSimple.h"
#include "mail/MailSettings.h"
#include "mail/frmEmail.h"

#include <QApplication>
#include <QFileInfo>

namespace quillbill {

namespace {

// The file an e-mailed invoice is written to, in the program folder, as the
// e-mail window names it, and the engine's target that writes it.
struct AttachedFile {
    QString path;
    quirepress::OutputOptions target;
};

AttachedFile attachedFile(InvoiceAttachment kind)
{
    if (kind == InvoiceAttachment::PdfDocument)
        return {QStringLiteral("/Invoice.pdf"), quirepress::cOutputToPDFFile};
    return {QStringLiteral("/Invoice.html"), quirepress::cOutputToHTMLFile};
}

} // namespace

InvoiceOutput::InvoiceOutput(AppContext& app) : app_(app) {}

InvoiceOutput::~InvoiceOutput() = default;

bool InvoiceOutput::run(int32_t invoiceId, int32_t customerId, quirepress::OutputOptions output,
                        const QString& outputFile)
{
    bool completed = false;
    runShowingFailure(app_.messages, ProgramInfo::title, [&] {
        // The previous document, and its preview, go first.
        document_.reset();
        document_ = std::make_unique<clsSimple>(app_, BuildInvoiceData(app_.state.MainDatabase, invoiceId, customerId));
        document_->setOutput(output);
        if (!outputFile.isEmpty())
            document_->setOutputFile(outputFile);
        completed = document_->PrintReport();
    });
    return completed;
}

bool InvoiceOutput::preview(int32_t invoiceId, int32_t customerId)
{
    return run(invoiceId, customerId, quirepress::cOutputToScreen, QString());
}

void InvoiceOutput::email(int32_t invoiceId, int32_t customerId, QWidget* window)
{
    const AttachedFile file = attachedFile(MailSettings::load(app_.options).invoicesAs);
    app_.state.AttachmentPath = file.path;
    // The file is named by its full path, wherever the program was started.
    const QString fullPath = app_.folder + file.path;
    bool written = false;
    {
        // Writing the file takes a moment, and the e-mail window only
        // comes after it.
        const WaitCursor waiting;
        written = run(invoiceId, customerId, file.target, fullPath);
    }
    // The engine removes an earlier file before it writes, so one found here
    // is this run's.
    if (!written || app_.state.LastOutputTarget != static_cast<int16_t>(file.target) || !QFileInfo::exists(fullPath))
        return;
    auto* email = new frmEmail(app_, window);
    email->setAttribute(Qt::WA_DeleteOnClose);
    email->open();
}

} // namespace quillbill

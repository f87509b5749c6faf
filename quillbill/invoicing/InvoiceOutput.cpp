#include "invoicing/InvoiceOutput.h"

#include "app/AppContext.h"
#include "app/FailureMessage.h"
#include "common/ProgramInfo.h"
#include "common/WaitCursor.h"
#include "invoicing/BuildInvoiceData.h"
#include "invoicing/clsSimple.h"
#include "mail/frmEmail.h"

#include <QApplication>

namespace quillbill {

namespace {

// The file an e-mailed invoice is written to, in the program folder, as
// the e-mail window names it.
const QString invoiceFile = QStringLiteral("/Invoice.html");

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
    // The file is named by its full path, wherever the program was started.
    app_.state.AttachmentPath = invoiceFile;
    bool written = false;
    {
        // Writing the file takes a moment, and the e-mail window only
        // comes after it.
        const WaitCursor waiting;
        written = run(invoiceId, customerId, quirepress::cOutputToHTMLFile, app_.folder + invoiceFile);
    }
    if (!written || app_.state.LastOutputTarget != static_cast<int16_t>(quirepress::cOutputToHTMLFile))
        return;
    auto* email = new frmEmail(app_, window);
    email->setAttribute(Qt::WA_DeleteOnClose);
    email->open();
}

} // namespace quillbill

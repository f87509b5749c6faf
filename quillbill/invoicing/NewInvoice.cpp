#include "invoicing/NewInvoice.h"

#include "common/Money.h"
#include "common/WholeNumber.h"
#include "invoicing/InvoiceForms.h"
#include "records/invoices/InvoiceErrors.h"
#include "records/invoices/InvoiceRecords.h"

#include <stdexcept>

namespace quillbill {

void NewInvoice::choose(const Customer& customer)
{
    customer_ = customer;
    invoiceNumber_.reset();
    stored_.reset();
    jobCount_ = 0;
}

std::optional<int> NewInvoice::readDiscount(const QString& typed)
{
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return 0;
    // Digits only: parseWholeNumber takes a sign, and clamps what is huge.
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    const std::optional<int> percent = parseWholeNumber(text);
    if (!percent || *percent > largestDiscountPercent)
        return std::nullopt;
    return percent;
}

int32_t NewInvoice::issueNumber(const QDate& date, int discountPercent)
{
    if (!customer_)
        throw std::logic_error("An invoice number is issued for a chosen customer.");
    const InvoiceRecords records(database_);
    const int32_t issued = records.createInvoice(customer_->billingCode, customer_->id, date, discountPercent);
    invoiceNumber_ = issued;
    stored_ = records.readInvoice(customer_->id, issued);
    jobCount_ = 0;
    return issued;
}

int NewInvoice::discount() const { return stored_ ? stored_->row.value(QStringLiteral("Discount")).toInt() : 0; }

SaveOutcome NewInvoice::setDiscount(int percent)
{
    if (!customer_ || !invoiceNumber_)
        throw std::logic_error("A discount is set on an issued invoice.");
    // A row not found when the invoice was issued matches no row, so the
    // save reads the invoice as it now is.
    InvoiceAsRead asRead = stored_.value_or(InvoiceAsRead{});
    const SaveOutcome outcome = InvoiceRecords(database_).saveDiscount(customer_->id, *invoiceNumber_, percent, asRead);
    if (outcome == SaveOutcome::Gone) {
        invoiceNumber_.reset();
        stored_.reset();
        jobCount_ = 0;
    } else {
        stored_ = asRead;
    }
    return outcome;
}

NewInvoice::JobOutcome NewInvoice::addJob(const QString& description, const std::optional<Money>& sum)
{
    if (!customer_ || !invoiceNumber_)
        throw std::logic_error("A job is added to an issued invoice.");
    // The amount is judged first, as the database judged it when the value
    // was set, before the row with its description was saved.
    if (!sum)
        return JobOutcome::SumNotANumber;
    if (*sum < Money())
        return JobOutcome::SumNegative;
    if (description.trimmed().isEmpty())
        return JobOutcome::DescriptionBlank;
    try {
        InvoiceRecords(database_).addJob({customer_->id, *invoiceNumber_, description, *sum});
    } catch (const InvoiceGone&) {
        invoiceNumber_.reset();
        stored_.reset();
        jobCount_ = 0;
        throw;
    }
    ++jobCount_;
    return JobOutcome::Added;
}

} // namespace quillbill

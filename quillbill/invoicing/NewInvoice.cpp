#include "invoicing/NewInvoice.h"

#include "common/Money.h"
#include "records/invoices/InvoiceErrors.h"
#include "records/invoices/InvoiceRecords.h"

#include <stdexcept>

namespace quillbill {

void NewInvoice::choose(const Customer& customer)
{
    customer_ = customer;
    invoiceNumber_.reset();
    jobCount_ = 0;
}

int32_t NewInvoice::issueNumber(const QDate& date)
{
    if (!customer_)
        throw std::logic_error("An invoice number is issued for a chosen customer.");
    invoiceNumber_ = InvoiceRecords(database_).issueInvoice(customer_->billingCode, customer_->id, date);
    jobCount_ = 0;
    return *invoiceNumber_;
}

NewInvoice::JobOutcome NewInvoice::addJob(const QString& description, const QString& typedSum, const QLocale& locale)
{
    if (!customer_ || !invoiceNumber_)
        throw std::logic_error("A job is added to an issued invoice.");
    // The amount is judged first, as the database judged it when the value
    // was set, before the row with its description was saved.
    const std::optional<Money> sum = Money::readTyped(typedSum, locale);
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
        jobCount_ = 0;
        throw;
    }
    ++jobCount_;
    return JobOutcome::Added;
}

} // namespace quillbill

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "invoicing/NewInvoice.h"

#include "common/Money.h"
#include "common/WholeNumber.h"
#include "invoicing/InvoiceForms.h"
#include "records/invoices/InvoiceContent.h"
#include "records/invoices/InvoiceErrors.h"
#include "records/invoices/InvoiceRecords.h"

#include <stdexcept>

namespace quillbill {

void NewInvoice::choose(const Customer& customer)
{
    customer_ = customer;
    forget();
}

void NewInvoice::forget()
{
    invoiceNumber_.reset();
    stored_.reset();
    jobs_.clear();
    issued_ = false;
}

void NewInvoice::reopen(const Customer& customer, int32_t invoiceId)
{
    const InvoiceRecords records(database_, user_);
    const std::optional<InvoiceAsRead> stored = records.readInvoice(customer.id, invoiceId);
    if (!stored)
        throw InvoiceGone(customer.id, invoiceId);
    if (stored->row.value(QStringLiteral("Status")).toInt() != StoredStatus::draft)
        throw InvoiceIssued(invoiceId);
    std::vector<StoredJob> jobs = records.jobsOf(customer.id, invoiceId);
    customer_ = customer;
    invoiceNumber_ = invoiceId;
    stored_ = stored;
    jobs_ = std::move(jobs);
    issued_ = false;
}

template <typename Change>
auto NewInvoice::changing(Change change)
{
    try {
        return change();
    } catch (const InvoiceIssued&) {
        issued_ = true;
        throw;
    } catch (const InvoiceGone&) {
        forget();
        throw;
    }
}

void NewInvoice::rereadJobs() { jobs_ = InvoiceRecords(database_, user_).jobsOf(customer_->id, *invoiceNumber_); }

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
    const InvoiceRecords records(database_, user_);
    const int32_t made = records.createInvoice(customer_->billingCode, customer_->id, date, discountPercent);
    forget();
    invoiceNumber_ = made;
    stored_ = records.readInvoice(customer_->id, made);
    return made;
}

int NewInvoice::discount() const { return stored_ ? stored_->row.value(QStringLiteral("Discount")).toInt() : 0; }

SaveOutcome NewInvoice::setDiscount(int percent)
{
    if (!customer_ || !invoiceNumber_)
        throw std::logic_error("A discount is set on an issued invoice.");
    // A row not found when the invoice was issued matches no row, so the
    // save reads the invoice as it now is.
    InvoiceAsRead asRead = stored_.value_or(InvoiceAsRead{});
    const SaveOutcome outcome = changing(
        [&] { return InvoiceRecords(database_, user_).saveDiscount(customer_->id, *invoiceNumber_, percent, asRead); });
    if (outcome == SaveOutcome::Gone)
        forget();
    else
        stored_ = asRead;
    return outcome;
}

NewInvoice::JobOutcome NewInvoice::judge(const QString& description, const std::optional<Money>& sum)
{
    // The amount is judged first, as the database judged it when the value
    // was set, before the row with its description was saved.
    if (!sum)
        return JobOutcome::SumNotANumber;
    if (*sum < Money())
        return JobOutcome::SumNegative;
    if (description.trimmed().isEmpty())
        return JobOutcome::DescriptionBlank;
    return JobOutcome::Added;
}

NewInvoice::JobOutcome NewInvoice::addJob(const QString& description, const std::optional<Money>& sum)
{
    if (!customer_ || !invoiceNumber_)
        throw std::logic_error("A job is added to an invoice that has a number.");
    if (const JobOutcome typed = judge(description, sum); typed != JobOutcome::Added)
        return typed;
    const int64_t jobId = changing([&] {
        return InvoiceRecords(database_, user_).addJob({customer_->id, *invoiceNumber_, description, *sum});
    });
    jobs_.push_back({jobId, description, *sum});
    return JobOutcome::Added;
}

NewInvoice::ChangeOutcome NewInvoice::changeJob(size_t index, const QString& description,
                                                const std::optional<Money>& sum)
{
    if (!customer_ || !invoiceNumber_ || index >= jobs_.size())
        throw std::logic_error("A job that is listed is changed.");
    if (const JobOutcome typed = judge(description, sum); typed != JobOutcome::Added)
        return {typed, SaveOutcome::Saved};
    const SaveOutcome saved = changing([&] {
        return InvoiceRecords(database_, user_)
            .changeJob(customer_->id, *invoiceNumber_, jobs_[index], description, *sum);
    });
    if (saved == SaveOutcome::Saved) {
        jobs_[index].description = description;
        jobs_[index].sums = *sum;
    } else {
        rereadJobs();
    }
    return {JobOutcome::Added, saved};
}

SaveOutcome NewInvoice::deleteJob(size_t index)
{
    if (!customer_ || !invoiceNumber_ || index >= jobs_.size())
        throw std::logic_error("A job that is listed is deleted.");
    const SaveOutcome saved = changing(
        [&] { return InvoiceRecords(database_, user_).deleteJob(customer_->id, *invoiceNumber_, jobs_[index]); });
    if (saved == SaveOutcome::Saved)
        jobs_.erase(jobs_.begin() + static_cast<std::ptrdiff_t>(index));
    else
        rereadJobs();
    return saved;
}

} // namespace quillbill

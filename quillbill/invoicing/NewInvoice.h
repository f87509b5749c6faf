#pragma once

#include "records/customers/Customer.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

namespace quillbill {

class Database;

// What the invoice window does to the database, without its pixels: the
// customer chosen, the invoice number issued for it and the jobs added to
// that invoice. The invoice and every job are stored the moment they are
// made; starting over for another customer leaves them stored.
//
// Failures other than the refusals of addJob throw (DatabaseError, or
// a std::runtime_error whose text is for the user).
class NewInvoice {
public:
    explicit NewInvoice(const Database& database) : database_(database) {}

    // Starts over for `customer`: no number issued, no jobs.
    void choose(const Customer& customer);
    const std::optional<Customer>& customer() const { return customer_; }

    // Issues the next number of the chosen customer's billing code and
    // stores the invoice, dated `date`. Needs a chosen customer.
    int32_t issueNumber(const QDate& date);
    std::optional<int32_t> invoiceNumber() const { return invoiceNumber_; }

    // A job bills work done, so its amount is never below zero; a refund or
    // a correction is not a job.
    enum class JobOutcome { Added, SumNotANumber, SumNegative, DescriptionBlank };
    // Stores a job of the issued invoice. `typedSum` is the sum box's text,
    // read in `locale` (see Money::readTyped). A refused job stores nothing.
    // When the invoice is no longer stored, throws InvoiceGone and forgets
    // its number, so that the next job needs a new one.
    JobOutcome addJob(const QString& description, const QString& typedSum, const QLocale& locale);
    int jobCount() const { return jobCount_; }

private:
    const Database& database_;
    std::optional<Customer> customer_;
    std::optional<int32_t> invoiceNumber_;
    int jobCount_ = 0;
};

} // namespace quillbill

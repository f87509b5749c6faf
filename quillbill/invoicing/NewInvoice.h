#pragma once

#include "records/GuardedSave.h"
#include "records/customers/Customer.h"
#include "records/invoices/InvoiceRecords.h"

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

    // The discount box's text as a discount: a whole number of per cent
    // from 0 to 100, blanks around it allowed; an empty box is none.
    // Anything else is nullopt.
    static std::optional<int> readDiscount(const QString& typed);

    // Issues the next number of the chosen customer's billing code and
    // stores the invoice, dated `date`, with `discountPercent` (0 to 100)
    // off its jobs. Needs a chosen customer.
    int32_t issueNumber(const QDate& date, int discountPercent = 0);
    std::optional<int32_t> invoiceNumber() const { return invoiceNumber_; }

    // The issued invoice's discount as it was last read or written.
    int discount() const;
    // Stores `percent` (0 to 100) as the issued invoice's discount, over
    // the invoice only as this window last read or wrote it. On
    // ChangedMeanwhile nothing is written and discount() is the stored one;
    // on Gone the number is forgotten, so that the next job needs a new one.
    SaveOutcome setDiscount(int percent);

    // A job bills work done, so its amount is never below zero; a refund or
    // a correction is not a job.
    enum class JobOutcome { Added, SumNotANumber, SumNegative, DescriptionBlank };
    // Stores a job of the issued invoice. `sum` is the sum box's text as
    // Money::readTyped read it (nullopt when it could not). A refused job
    // stores nothing.
    // When the invoice is no longer stored, throws InvoiceGone and forgets
    // its number, so that the next job needs a new one.
    JobOutcome addJob(const QString& description, const std::optional<Money>& sum);
    int jobCount() const { return jobCount_; }

private:
    const Database& database_;
    std::optional<Customer> customer_;
    std::optional<int32_t> invoiceNumber_;
    std::optional<InvoiceAsRead> stored_;
    int jobCount_ = 0;
};

} // namespace quillbill

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "records/GuardedSave.h"
#include "records/customers/Customer.h"
#include "records/invoices/InvoiceRecords.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace quillbill {

class Database;

// What the invoice window does to the database, without its pixels: the
// customer chosen, the invoice number given to it and the jobs of that
// invoice, added, changed and deleted while it is a draft. The invoice and
// every change are stored the moment they are made, under `user`; starting
// over for another customer leaves them stored.
//
// Failures other than the refusals of addJob throw (DatabaseError, or
// a std::runtime_error whose text is for the user). A change to an invoice
// issued meanwhile throws InvoiceIssued and marks it issued here.
class NewInvoice {
public:
    NewInvoice(const Database& database, QString user) : database_(database), user_(std::move(user)) {}

    // Starts over for `customer`: no number issued, no jobs.
    void choose(const Customer& customer);
    const std::optional<Customer>& customer() const { return customer_; }

    // Takes up the stored draft `invoiceId` of `customer` again, with its
    // jobs. Throws InvoiceGone, or InvoiceIssued for an issued invoice,
    // leaving the window's invoice as it was.
    void reopen(const Customer& customer, int32_t invoiceId);
    // Once issued (here or elsewhere), nothing more can be changed.
    bool issued() const { return issued_; }
    void markIssued() { issued_ = true; }

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
    int jobCount() const { return static_cast<int>(jobs_.size()); }
    // The invoice's jobs as this window last read or wrote them.
    const std::vector<StoredJob>& jobs() const { return jobs_; }

    // What became of a change to a job: judged as addJob judges a new one,
    // then stored over the job as it was read. On ChangedMeanwhile or Gone
    // nothing is written and jobs() is read again.
    struct ChangeOutcome {
        JobOutcome typed = JobOutcome::Added;
        SaveOutcome saved = SaveOutcome::Saved;
    };
    ChangeOutcome changeJob(size_t index, const QString& description, const std::optional<Money>& sum);
    SaveOutcome deleteJob(size_t index);

private:
    // Judges a job's typed values; Added when they may be stored.
    static JobOutcome judge(const QString& description, const std::optional<Money>& sum);
    // Runs a change of the invoice; InvoiceIssued marks it issued and goes on.
    template <typename Change>
    auto changing(Change change);
    void rereadJobs();
    void forget();

    const Database& database_;
    const QString user_;
    std::optional<Customer> customer_;
    std::optional<int32_t> invoiceNumber_;
    std::optional<InvoiceAsRead> stored_;
    std::vector<StoredJob> jobs_;
    bool issued_ = false;
};

} // namespace quillbill

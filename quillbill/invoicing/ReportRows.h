// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "common/TaxRate.h"
#include "records/Database.h"
#include "records/invoices/InvoiceReportQuery.h"

#include <QDate>

#include <QString>
#include <QVariant>

#include <cstdint>
#include <vector>

namespace quillbill {

// The rows of an invoice report's statement as the report prints them, read
// whole before the first line is laid out. An open read keeps the database's
// shared lock, and under SQLite's rollback journal no other program can
// commit a save until it ends: a read left open through the layout would
// make every save at another desk wait for the whole report, and fail after
// the busy timeout. The job texts lie end to end in one string and each
// company and invoice is kept once, so a year of 500,000 jobs takes tens of
// megabytes, not hundreds.
class ReportRows {
public:
    // The invoice a row's job belongs to. A statement without the invoice's
    // columns gives every row one invoice of no number, no date, no
    // discount, no taxes and no payments.
    struct Invoice {
        QVariant customerId;
        QVariant invoiceId;
        QDate date;
        int64_t discountPercent = 0;
        // Its own taxes, or the office's for one from before they were kept.
        TaxRate gst;
        TaxRate pst;
        QString gstName;
        QString pstName;
        // A credit note's: the invoice it corrects; null for an invoice.
        QVariant creditFor;
        bool markedPaid = false;
        // The sum of its payment lines (ten-thousandths) and their count.
        int64_t payments = 0;
        int64_t paymentLines = 0;
    };

    // Reads every row of `statement`. Throws DatabaseError, and
    // std::runtime_error for an invoice whose stored discount is not a
    // percentage from 0 to 100.
    static ReportRows read(const Database& database, const ReportStatement& statement);

    size_t size() const { return rows_.size(); }
    const QString& company(size_t row) const { return companies_[rows_[row].company]; }
    // False for the one row of an invoice that has no jobs.
    bool hasJob(size_t row) const { return rows_[row].job; }
    QString description(size_t row) const;
    int64_t tenThousandths(size_t row) const { return rows_[row].tenThousandths; }
    // Rows of one invoice share the number; the next invoice has the next.
    size_t invoiceIndex(size_t row) const { return rows_[row].invoice; }
    const Invoice& invoice(size_t row) const { return invoices_[rows_[row].invoice]; }

private:
    struct Row {
        qsizetype descriptionEnd;
        int64_t tenThousandths;
        size_t company;
        size_t invoice;
        bool job;
    };

    std::vector<QString> companies_;
    std::vector<Invoice> invoices_;
    QString descriptions_;
    std::vector<Row> rows_;
};

} // namespace quillbill

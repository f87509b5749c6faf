// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// Another program changing a job of an invoice in the same database file:
//   job_changing_child DATABASE CUSTOMER_ID INVOICE_ID NEW_DESCRIPTION
// Changes the invoice's first job to NEW_DESCRIPTION, over the job as it
// reads it, and prints what became of it: "saved", "changed meanwhile",
// "gone", or "issued" when the invoice can no longer be changed. Exits 0
// when it could tell; otherwise prints why on its error output and exits 1.

#include "records/Database.h"
#include "records/invoices/InvoiceErrors.h"
#include "records/invoices/InvoiceRecords.h"

#include <QCoreApplication>

#include <cstdio>
#include <exception>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 5)
        return 2;
    const int32_t customerId = QByteArray(argv[2]).toInt();
    const int32_t invoiceId = QByteArray(argv[3]).toInt();
    try {
        quillbill::Database database;
        database.open(QString::fromLocal8Bit(argv[1]));
        const quillbill::InvoiceRecords invoices(database, QStringLiteral("other desk"));
        const auto jobs = invoices.jobsOf(customerId, invoiceId);
        if (jobs.empty())
            throw std::runtime_error("the invoice has no job");
        const char* said = "saved";
        try {
            switch (invoices.changeJob(customerId, invoiceId, jobs.front(), QString::fromLocal8Bit(argv[4]),
                                       jobs.front().sums)) {
            case quillbill::SaveOutcome::Saved:
                break;
            case quillbill::SaveOutcome::ChangedMeanwhile:
                said = "changed meanwhile";
                break;
            case quillbill::SaveOutcome::Gone:
                said = "gone";
                break;
            }
        } catch (const quillbill::InvoiceIssued&) {
            said = "issued";
        }
        std::puts(said);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}

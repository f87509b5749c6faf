// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// Another program issuing invoice numbers from the same database:
//   invoice_issuing_child DATABASE BILLING_CODE CUSTOMER_ID COUNT [CREDIT_EVERY]
// DATABASE is a file, or a server's (see ChildDatabase.h).
// Opens it, prints "ready", waits for a line on its input (so that the
// test can start two of these at the same moment), then issues COUNT
// invoices for the customer, resting a random moment after each. With
// CREDIT_EVERY, every that many-th invoice gets a job, is issued and is
// wholly credited by a credit note, which takes its number from the same
// counter. Exits 0 when all were made; otherwise prints why on its error
// output and exits 1.

#include "ChildDatabase.h"
#include "records/Database.h"
#include "records/invoices/CreditNotes.h"
#include "records/invoices/InvoiceRecords.h"
#include "records/invoices/IssuedInvoices.h"

#include <QCoreApplication>
#include <QDate>
#include <QRandomGenerator>
#include <QThread>

#include <cstdio>
#include <exception>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 5 && argc != 6)
        return 2;
    const QString billingCode = QString::fromLocal8Bit(argv[2]);
    const int32_t customerId = QByteArray(argv[3]).toInt();
    const int count = QByteArray(argv[4]).toInt();
    const int creditEvery = argc == 6 ? QByteArray(argv[5]).toInt() : 0;
    try {
        quillbill::Database database;
        quillbill::testing::openChildDatabase(database, QString::fromLocal8Bit(argv[1]));
        // The other child keeps the file busy for as long as it runs; a test
        // machine may be slow, and giving up is not what is being tested.
        database.setBusyWaitLimit(100000);
        std::fputs("ready\n", stdout);
        std::fflush(stdout);
        for (int c = std::getchar(); c != '\n' && c != EOF; c = std::getchar()) {}
        const QString user = QStringLiteral("child");
        const quillbill::InvoiceRecords invoices(database, user);
        const quillbill::CreditNotes creditNotes(database, user);
        for (int i = 0; i < count; ++i) {
            const int32_t invoice = invoices.createInvoice(billingCode, customerId, QDate(2024, 5, 1));
            if (creditEvery > 0 && i % creditEvery == 0) {
                const auto sums = quillbill::Money::fromUnits(10'000);
                const int64_t job = invoices.addJob({customerId, invoice, QStringLiteral("Work"), sums});
                quillbill::InvoiceContent shown;
                shown.jobs = {{QStringLiteral("Work"), sums.units()}};
                quillbill::IssuedInvoices(database, user)
                    .issue(customerId, invoice, shown, quillbill::IssueRoute::Printed);
                creditNotes.make(customerId, invoice, {{job, sums}}, {}, {}, QDate(2024, 5, 2));
            }
            // A short rest outside the transaction lets the other child in
            // (its busy wait looks every few milliseconds); without it one
            // child would run to its end before the other, and the two
            // would never be inside createInvoice together.
            QThread::usleep(QRandomGenerator::global()->bounded(20000));
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}

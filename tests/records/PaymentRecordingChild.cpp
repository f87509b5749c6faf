// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// Another program recording payments of one invoice in the same database:
//   payment_recording_child DATABASE CUSTOMER_ID INVOICE_ID COUNT
// DATABASE is a file, or a server's (see ChildDatabase.h). Opens it, prints "ready", waits for a line on its input (so
// that the test can start two of these at the same moment), then tries to record COUNT payments of $1.00, resting a
// random moment after each; one refused as more than is owed is let go. Exits 0 when each was recorded or refused so;
// otherwise prints why on its error output and exits 1.

#include "ChildDatabase.h"
#include "records/Database.h"
#include "records/invoices/Payments.h"

#include <QCoreApplication>
#include <QDate>
#include <QRandomGenerator>
#include <QThread>

#include <cstdio>
#include <exception>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 5)
        return 2;
    const int32_t customerId = QByteArray(argv[2]).toInt();
    const int32_t invoiceId = QByteArray(argv[3]).toInt();
    const int count = QByteArray(argv[4]).toInt();
    try {
        quillbill::Database database;
        quillbill::testing::openChildDatabase(database, QString::fromLocal8Bit(argv[1]));
        // The other child keeps the file busy for as long as it runs.
        database.setBusyWaitLimit(100000);
        std::fputs("ready\n", stdout);
        std::fflush(stdout);
        for (int c = std::getchar(); c != '\n' && c != EOF; c = std::getchar()) {}
        const quillbill::Payments payments(database, QStringLiteral("child"));
        for (int i = 0; i < count; ++i) {
            try {
                payments.record(customerId, invoiceId, quillbill::Money::fromUnits(10'000),
                                QDate(2026, 12, 1).addDays(i % 5), quillbill::PaymentMethod::Cash);
            } catch (const quillbill::PaymentRefused& refused) {
                if (refused.reason() != quillbill::PaymentRefused::Reason::MoreThanOwed)
                    throw;
            }
            QThread::usleep(QRandomGenerator::global()->bounded(5000));
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// One of the programs of the numbering benchmark:
//   issuing_program DATABASE BILLING_CODE CUSTOMER_ID COUNT
// DATABASE is a file, or a server's postgresql:// address. Opens it, prints
// "ready", waits for a line on its input (so that every program starts at
// the same moment), then issues COUNT invoices for the customer as fast as
// the database lets it. Exits 0 when all were made; otherwise prints why on
// its error output and exits 1.

#include "ChildDatabase.h"
#include "records/Database.h"
#include "records/invoices/InvoiceRecords.h"

#include <QCoreApplication>
#include <QDate>

#include <cstdio>
#include <exception>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 5)
        return 2;
    const QString billingCode = QString::fromLocal8Bit(argv[2]);
    const int32_t customerId = QByteArray(argv[3]).toInt();
    const int count = QByteArray(argv[4]).toInt();
    try {
        quillbill::Database database;
        quillbill::testing::openChildDatabase(database, QString::fromLocal8Bit(argv[1]));
        // Nine others take their turns at the lock; waiting is the work.
        database.setBusyWaitLimit(600'000);
        std::fputs("ready\n", stdout);
        std::fflush(stdout);
        for (int c = std::getchar(); c != '\n' && c != EOF; c = std::getchar()) {}
        const quillbill::InvoiceRecords invoices(database, QStringLiteral("bench"));
        for (int i = 0; i < count; ++i)
            invoices.createInvoice(billingCode, customerId, QDate(2026, 5, 1));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}

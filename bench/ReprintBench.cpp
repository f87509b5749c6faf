// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The reprint window choosing a customer in a real database file: the
// invoice list filled, the first invoice selected and its jobs listed, and
// the window drawn again. Once for a customer of 10,000 invoices of 10 jobs
// each, and once for the busiest customer of a busy office's year.

#include "BusyYearDatabase.h"
#include "ProgramMessageBoxes.h"

#include "app/AppContext.h"
#include "invoicing/frmReprint.h"

#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <stdexcept>

namespace {

constexpr int invoiceCount = 10'000;
constexpr int jobsPerInvoice = 10;

// Fills the file in one transaction with statements prepared once: a
// statement per row would spend its time on parsing and the journal.
void storeCustomerWithInvoices(const quillbill::Database& database)
{
    database.inTransaction([&] {
        const int customer = database
                                 .execute(QStringLiteral("INSERT INTO TblCustomer (Company, Address, City, Prov, "
                                                         "Postal, BillingCode) VALUES ('Busy Customer Inc', "
                                                         "'1 Bay Street', 'Toronto', 'ON', 'M5J 2N8', 'BUS')"))
                                 .lastInsertId()
                                 .toInt();
        QSqlQuery invoice(database.connection());
        invoice.prepare(QStringLiteral("INSERT INTO TblInvoice (InvoiceID, CustomerID, Date, Paid, PaidDate) "
                                       "VALUES (?, ?, ?, ?, ?)"));
        QSqlQuery job(database.connection());
        job.prepare(QStringLiteral("INSERT INTO TblJobs (CustomerID, InvoiceID, JobDescription, Sums) "
                                   "VALUES (?, ?, ?, ?)"));
        const QDate first(2000, 1, 1);
        for (int number = 1; number <= invoiceCount; ++number) {
            const bool paid = number % 3 == 0;
            invoice.addBindValue(number);
            invoice.addBindValue(customer);
            invoice.addBindValue(first.addDays(number).toString(Qt::ISODate));
            invoice.addBindValue(paid ? -1 : 0);
            invoice.addBindValue(paid ? QVariant(first.addDays(number + 30).toString(Qt::ISODate)) : QVariant());
            if (!invoice.exec())
                throw std::runtime_error("cannot store an invoice");
            for (int line = 1; line <= jobsPerInvoice; ++line) {
                job.addBindValue(customer);
                job.addBindValue(number);
                job.addBindValue(QStringLiteral("Job %1 of invoice %2").arg(line).arg(number));
                job.addBindValue(qlonglong{line} * 123'456);
                if (!job.exec())
                    throw std::runtime_error("cannot store a job");
            }
        }
    });
}

// Chooses the customer `company` in a reprint window again and again. The
// lists must come out with `expectedInvoices` invoices, the first selected.
void chooseCustomerRepeatedly(benchmark::State& state, quillbill::AppContext& app,
                              const bench::RecordedMessageBoxes& messages, const QString& company, int expectedInvoices)
{
    quillbill::frmReprint window(app);
    window.resize(900, 700);
    window.show();
    auto* customers = window.findChild<QComboBox*>(QStringLiteral("cmbCustomerID"));
    auto* invoices = window.findChild<QTreeWidget*>(QStringLiteral("ListView1"));
    auto* jobs = window.findChild<QTreeWidget*>(QStringLiteral("ListView2"));
    const int index = customers->findText(company);
    for (auto _ : state) {
        customers->setCurrentIndex(index);
        emit customers->activated(index);
        QCoreApplication::processEvents();
        if (invoices->topLevelItemCount() != expectedInvoices || invoices->currentItem() != invoices->topLevelItem(0)
            || jobs->topLevelItemCount() == 0 || !messages.first.isEmpty()) {
            state.SkipWithError(messages.first.isEmpty() ? "the lists were not filled"
                                                         : messages.first.toStdString().c_str());
            break;
        }
    }
    state.counters["invoices"] = expectedInvoices;
}

void BM_ReprintChooseCustomerOf10000Invoices(benchmark::State& state)
{
    QTemporaryDir folder;
    bench::RecordedMessageBoxes messages;
    quillbill::AppContext app(folder.path(), messages);
    const QString database = folder.filePath(QStringLiteral("DataBase/db_be.mdb"));
    if (!QDir(folder.path()).mkpath(QStringLiteral("DataBase"))
        || !QFile::copy(QStringLiteral(QUILLBILL_DELIVERED_DATABASE), database)
        || !QFile::setPermissions(database, QFile::ReadOwner | QFile::WriteOwner)) {
        state.SkipWithError("cannot lay out a program folder");
        return;
    }
    app.state.MainDatabase.open(database);
    storeCustomerWithInvoices(app.state.MainDatabase);
    chooseCustomerRepeatedly(state, app, messages, QStringLiteral("Busy Customer Inc"), invoiceCount);
}
BENCHMARK(BM_ReprintChooseCustomerOf10000Invoices)->Unit(benchmark::kMillisecond);

void BM_ReprintBusiestCustomerOfABusyYear(benchmark::State& state)
{
    QTemporaryDir folder;
    bench::RecordedMessageBoxes messages;
    quillbill::AppContext app(folder.path(), messages);
    const bench::BusyYear year =
        bench::makeBusyYearDatabase(QStringLiteral(QUILLBILL_DELIVERED_DATABASE), folder.path());
    if (year.databasePath.isEmpty()) {
        state.SkipWithError("cannot make the busy year's database");
        return;
    }
    app.state.MainDatabase.open(year.databasePath);
    QSqlQuery company = app.state.MainDatabase.execute(
        QStringLiteral("SELECT Company FROM TblCustomer WHERE CustomerID = ?"), {year.busiestCustomer});
    if (!company.next()) {
        state.SkipWithError("the busiest customer is missing");
        return;
    }
    chooseCustomerRepeatedly(state, app, messages, company.value(0).toString(), year.busiestInvoices);
}
BENCHMARK(BM_ReprintBusiestCustomerOfABusyYear)->Unit(benchmark::kMillisecond);

} // namespace

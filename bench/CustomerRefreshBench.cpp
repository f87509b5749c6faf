// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The invoice window's customer list on its 5 s tick, with 100,000
// customers in a real database file: before, every tick read every customer
// with all its columns and, when one had been added, filled the list item by
// item; now a tick asks the database whether anything changed, and reads
// the numbers and names only after a change.

#include "ProgramMessageBoxes.h"

#include "app/AppContext.h"
#include "invoicing/CustomerChoice.h"
#include "invoicing/frmAddInvoice.h"
#include "records/customers/CustomerRecords.h"

#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>
#include <stdexcept>

namespace {

constexpr int customerCount = 100'000;

// A program folder whose database holds 100,000 customers.
class CustomerOffice {
public:
    CustomerOffice() : app(folder.path(), messages)
    {
        databasePath = folder.filePath(QStringLiteral("DataBase/db_be.mdb"));
        if (!QDir(folder.path()).mkpath(QStringLiteral("DataBase"))
            || !QFile::copy(QStringLiteral(QUILLBILL_DELIVERED_DATABASE), databasePath)
            || !QFile::setPermissions(databasePath, QFile::ReadOwner | QFile::WriteOwner))
            throw std::runtime_error("cannot lay out a program folder");
        app.state.MainDatabase.open(databasePath);
        const quillbill::Database& database = app.state.MainDatabase;
        database.inTransaction([&] {
            QSqlQuery insert(database.connection());
            insert.prepare(QStringLiteral("INSERT INTO TblCustomer (Company, Address, City, Prov, Postal, "
                                          "BillingCode) VALUES (?, '1 Main St', 'Truro', 'NS', 'B2N1A1', 'BEN')"));
            for (int i = 1; i <= customerCount; ++i) {
                insert.addBindValue(QStringLiteral("Customer %1 Limited").arg(i, 6, 10, QLatin1Char('0')));
                if (!insert.exec())
                    throw std::runtime_error("cannot store a customer");
            }
        });
    }

    // Another program (here another connection) adds a customer.
    void addElsewhere()
    {
        if (!other.isOpen())
            other.open(databasePath);
        other.execute(QStringLiteral("INSERT INTO TblCustomer (Company, Address, City, Prov, Postal, BillingCode) "
                                     "VALUES ('Newcomer', '5 New St', 'Truro', 'NS', 'B2N1A3', 'BEN')"));
    }

    QTemporaryDir folder;
    bench::RecordedMessageBoxes messages;
    quillbill::AppContext app;
    QString databasePath;
    quillbill::Database other;
};

// The tick as it was: every customer read, compared with the list, and the
// list filled again item by item when they differ.
void tickBefore(QComboBox& list, const quillbill::Database& database)
{
    const std::vector<quillbill::Customer> customers = quillbill::CustomerRecords(database).all();
    bool unchanged = list.count() == static_cast<int>(customers.size());
    for (int i = 0; unchanged && i < list.count(); ++i) {
        const quillbill::Customer& customer = customers.at(static_cast<size_t>(i));
        unchanged = list.itemData(i).toInt() == customer.id && list.itemText(i) == customer.company;
    }
    if (!unchanged)
        quillbill::showCustomers(list, customers, list.currentData());
}

void tickNow(quillbill::frmAddInvoice& window) { window.refreshCustomers(); }

void BM_CustomerTickBefore(benchmark::State& state)
{
    const bool added = state.range(0) != 0;
    CustomerOffice office;
    QComboBox list;
    tickBefore(list, office.app.state.MainDatabase);
    for (auto _ : state) {
        if (added) {
            state.PauseTiming();
            office.addElsewhere();
            state.ResumeTiming();
        }
        tickBefore(list, office.app.state.MainDatabase);
    }
    if (list.count() < customerCount)
        state.SkipWithError("the list was not filled");
    state.counters["customers"] = list.count();
}
BENCHMARK(BM_CustomerTickBefore)->ArgName("added")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_CustomerTickNow(benchmark::State& state)
{
    const bool added = state.range(0) != 0;
    CustomerOffice office;
    quillbill::frmAddInvoice window(office.app);
    auto* list = window.findChild<QComboBox*>(QStringLiteral("cmbCustomerID"));
    for (auto _ : state) {
        if (added) {
            state.PauseTiming();
            office.addElsewhere();
            state.ResumeTiming();
        }
        tickNow(window);
    }
    if (list->count() < customerCount || (added && list->itemText(list->count() - 1) != QStringLiteral("Newcomer")))
        state.SkipWithError("the list was not kept up");
    state.counters["customers"] = list->count();
}
BENCHMARK(BM_CustomerTickNow)->ArgName("added")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "BusyYearDatabase.h"

#include <sqlite3.h>

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <array>
#include <memory>
#include <random>
#include <vector>

namespace bench {

namespace {

constexpr int customers = 5'000;
constexpr int invoices = 50'000;
constexpr int jobsPerInvoice = 10; // on average; 500,000 in all

const std::array<const char*, 12> trades{"Joinery",  "Plumbing", "Roofing",   "Glazing",    "Landscaping", "Electric",
                                         "Painting", "Masonry",  "Carpentry", "Insulation", "Flooring",    "Fencing"};
const std::array<const char*, 16> work{"Site visit and estimate",
                                       "Labour, standard hours",
                                       "Labour, overtime",
                                       "Materials as quoted",
                                       "Removal of old fittings and disposal",
                                       "Supply and fit replacement parts",
                                       "Call-out charge",
                                       "Inspection and written report for the insurer",
                                       "Scaffolding hire, one week",
                                       "Making good after works",
                                       "Design drawings, revision",
                                       "Travel",
                                       "Emergency repair outside business hours",
                                       "Annual service",
                                       "Sealing and finishing",
                                       "Project management"};

using Statement = std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)>;

struct Connection {
    sqlite3* handle = nullptr;
    ~Connection() { sqlite3_close(handle); }

    bool run(const char* sql) const { return sqlite3_exec(handle, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }
    Statement prepare(const char* sql) const
    {
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(handle, sql, -1, &statement, nullptr);
        return Statement(statement, &sqlite3_finalize);
    }
};

bool step(sqlite3_stmt* statement)
{
    const bool done = sqlite3_step(statement) == SQLITE_DONE;
    sqlite3_reset(statement);
    return done;
}

void bindText(sqlite3_stmt* statement, int column, const QByteArray& text)
{
    sqlite3_bind_text(statement, column, text.constData(), int(text.size()), SQLITE_TRANSIENT);
}

} // namespace

BusyYear makeBusyYearDatabase(const QString& deliveredDatabase, const QString& programFolder)
{
    QElapsedTimer clock;
    clock.start();
    BusyYear made;
    const QString path = QDir(programFolder).filePath(QStringLiteral("DataBase/db_be.mdb"));
    if (!QDir(programFolder).mkpath(QStringLiteral("DataBase")) || !QFile::copy(deliveredDatabase, path)
        || !QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner))
        return made;

    Connection db;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db.handle, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK
        || !db.run("BEGIN"))
        return made;
    const Statement customer = db.prepare("INSERT INTO TblCustomer (CustomerID, Company, Address, City, Prov, Postal, "
                                          "Phone, BillingCode) VALUES (?, ?, ?, 'Halifax', 'NS', 'B3H 1T2', ?, ?)");
    const Statement code = db.prepare("INSERT INTO TblBillingCodes (BillCode, InvoiceNumber) VALUES (?, ?)");
    const Statement invoice = db.prepare("INSERT INTO TblInvoice (InvoiceID, CustomerID, Date, Paid, PaidDate, Status) "
                                         "VALUES (?, ?, ?, ?, ?, 1)");
    const Statement job =
        db.prepare("INSERT INTO TblJobs (CustomerID, InvoiceID, JobDescription, Sums) VALUES (?, ?, ?, ?)");
    const Statement payment =
        db.prepare("INSERT INTO TblPayment (CustomerID, InvoiceID, Amount, PaidOn, Method, RecordedAt, RecordedBy) "
                   "VALUES (?, ?, ?, ?, 'cheque', ?, 'bench')");
    if (!customer || !code || !invoice || !job || !payment)
        return made;

    std::mt19937 random(20250101);
    const auto below = [&random](int bound) { return int(random() % uint32_t(bound)); };

    for (int id = 1; id <= customers; ++id) {
        sqlite3_bind_int(customer.get(), 1, id);
        bindText(
            customer.get(), 2,
            QStringLiteral("%1 %2 Ltd").arg(QLatin1String(trades[size_t(below(int(trades.size())))])).arg(id).toUtf8());
        bindText(customer.get(), 3, QStringLiteral("%1 Harbour Street").arg(1 + below(2000)).toUtf8());
        bindText(customer.get(), 4, QStringLiteral("(902) 555-%1").arg(id, 4, 10, QLatin1Char('0')).toUtf8());
        bindText(customer.get(), 5, QStringLiteral("C%1").arg(id).toUtf8());
        if (!step(customer.get()))
            return made;
        ++made.customers;
    }

    // A few customers get most of the work, as in any office.
    std::vector<int> issued(customers + 1, 0);
    const QDate newYear(made.year, 1, 1);
    const int days = newYear.daysTo(QDate(made.year, 12, 31)) + 1;
    int extraJobs = 0;
    for (int n = 0; n < invoices; ++n) {
        const double share = double(random()) / double(std::mt19937::max());
        const int customerId = 1 + int(share * share * customers) % customers;
        const int number = ++issued[size_t(customerId)];
        const QDate date = newYear.addDays(below(days));
        const bool paid = below(10) < 7;
        sqlite3_bind_int(invoice.get(), 1, number);
        sqlite3_bind_int(invoice.get(), 2, customerId);
        bindText(invoice.get(), 3, date.toString(Qt::ISODate).toUtf8());
        sqlite3_bind_int(invoice.get(), 4, paid ? -1 : 0);
        // Drawn only for a paid invoice, so the year's numbers stay those of
        // earlier runs.
        const QByteArray paidOn = paid
            ? std::min(date.addDays(below(45)), QDate(made.year, 12, 31)).toString(Qt::ISODate).toUtf8()
            : QByteArray();
        if (paid)
            bindText(invoice.get(), 5, paidOn);
        else
            sqlite3_bind_null(invoice.get(), 5);
        if (!step(invoice.get()))
            return made;

        // Pairs of invoices balance each other, so the year has exactly
        // ten jobs an invoice.
        const int spread = n % 2 == 0 ? (extraJobs = below(17) - 8) : -extraJobs;
        int64_t billed = 0;
        for (int line = 0; line < jobsPerInvoice + spread; ++line) {
            sqlite3_bind_int(job.get(), 1, customerId);
            sqlite3_bind_int(job.get(), 2, number);
            const QByteArray text = work[size_t(below(int(work.size())))];
            sqlite3_bind_text(job.get(), 3, text.constData(), int(text.size()), SQLITE_TRANSIENT);
            // 25.00 to 2,500.00, whole cents, in ten-thousandths.
            const int64_t sums = int64_t(2'500 + below(247'501)) * 100;
            sqlite3_bind_int64(job.get(), 4, sums);
            if (!step(job.get()))
                return made;
            billed += sums;
            ++made.jobs;
        }
        // A paid invoice was paid in one payment of what its jobs come to.
        if (paid) {
            sqlite3_bind_int(payment.get(), 1, customerId);
            sqlite3_bind_int(payment.get(), 2, number);
            sqlite3_bind_int64(payment.get(), 3, billed);
            bindText(payment.get(), 4, paidOn);
            bindText(payment.get(), 5, paidOn + "T12:00:00Z");
            if (!step(payment.get()))
                return made;
            ++made.payments;
        }
        ++made.invoices;
    }
    for (int id = 1; id <= customers; ++id) {
        bindText(code.get(), 1, QStringLiteral("C%1").arg(id).toUtf8());
        sqlite3_bind_int(code.get(), 2, issued[size_t(id)]);
        if (!step(code.get()))
            return made;
        if (issued[size_t(id)] > made.busiestInvoices) {
            made.busiestInvoices = issued[size_t(id)];
            made.busiestCustomer = id;
        }
    }
    if (!db.run("COMMIT"))
        return made;
    made.databasePath = path;
    made.seconds = double(clock.nsecsElapsed()) / 1e9;
    return made;
}

} // namespace bench

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "SampleOffice.h"

#include "records/Database.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTime>

#include <stdexcept>

namespace quillbill::screenshots {

namespace {

void copyFile(const QString& from, const QString& to)
{
    if (!QFile::copy(from, to))
        throw std::runtime_error(("cannot copy " + from).toStdString());
}

} // namespace

void copyProgramFolder(const QString& from, const QString& to)
{
    for (const char* folder : {"DataBase", "Reports", "Reports/fr"}) {
        QDir(to).mkpath(folder);
        for (const QString& name : QDir(from + '/' + folder).entryList(QDir::Files))
            copyFile(from + '/' + folder + '/' + name, to + '/' + folder + '/' + name);
    }
    copyFile(from + "/TipOfTheDay.dat", to + "/TipOfTheDay.dat");
    QDir(to).mkpath("fr");
    copyFile(from + "/fr/TipOfTheDay.dat", to + "/fr/TipOfTheDay.dat");
    QDir(to).mkpath("DataBackup");
    QFile::setPermissions(to + "/DataBase/db_be.mdb", QFile::ReadOwner | QFile::WriteOwner);
}

void fillSampleOffice(const Database& database)
{
    // A Nova Scotia office: one tax, the HST at 14 %.
    database.execute("UPDATE TblMyCompanyInfo SET CompanyName = ?, Address = ?, City = ?, Prov = ?, PostalCode = ?, "
                     "Phone = ?, Cell = ?, email = ?, vendor = ?, GSTRate = 14000, PSTRate = 0, GSTName = 'HST', "
                     "PSTName = '', GST_Number = ?",
                     {"Tidy Windows Ltd.", "221 Water Street", "Halifax", "NS", "B3H 1A1", "(902) 555-0142",
                      "(902) 555-0199", "office@tidywindows.example", "V-20417", "81234 5678 RT0001"});
    database.execute(
        "INSERT INTO TblCustomer (CustomerID, Company, Address, City, Prov, Postal, Phone, BillingCode) VALUES "
        "(1, 'O''Brien & Sons Hardware', '12 Harbour Road, Unit 4', 'Dartmouth', 'NS', 'B2Y4G6', "
        "'(902) 555-0117', 'OBR'), "
        "(2, 'Maple Leaf Dental', '88 Spring Garden Road', 'Halifax', 'NS', 'B3J3R4', '(902) 555-0160', 'MLD'), "
        "(3, 'Harbourview Property Management', '1250 Barrington Street', 'Halifax', 'NS', 'B3J1Y6', NULL, 'HPM')");
    database.execute(
        "INSERT INTO TblBillingCodes (BillCode, InvoiceNumber) VALUES ('OBR', 1040), ('MLD', 323), ('HPM', 57)");
}

void fillPastInvoices(const Database& database)
{
    const QDate today = QDate::currentDate();
    const char* const jobs[] = {"Storefront window cleaning", "Skylight cleaning and resealing",
                                "Pressure washing, front walk", "Interior glass, reception area"};
    for (int n = 0; n < 24; ++n) {
        const int customer = 1 + n % 2;
        const int invoice = (customer == 1 ? 1000 : 300) + n;
        const bool paid = n % 3 != 0;
        const QDate date = today.addDays(-60 + 2 * n);
        // Each was mailed the day it was made, and so issued.
        const QString sent = QDateTime(date, QTime(10, 0)).toUTC().toString(Qt::ISODate);
        database.execute("INSERT INTO TblInvoice (InvoiceID, CustomerID, Date, Paid, PaidDate, Status, IssuedAt, "
                         "IssuedBy) VALUES (?, ?, ?, ?, ?, 1, ?, 'admin')",
                         {invoice, customer, date.toString(Qt::ISODate), paid ? -1 : 0,
                          paid ? QVariant(date.addDays(14).toString(Qt::ISODate)) : QVariant(), sent});
        database.execute("INSERT INTO TblInvoiceHistory (CustomerID, InvoiceID, At, UserName, Event, Detail) "
                         "VALUES (?, ?, ?, 'admin', 'issued', '{\"how\":\"mailed\"}')",
                         {customer, invoice, sent});
        if (paid)
            database.execute("INSERT INTO TblInvoiceHistory (CustomerID, InvoiceID, At, UserName, Event, Detail) "
                             "VALUES (?, ?, ?, 'admin', 'paid', ?)",
                             {customer, invoice,
                              QDateTime(date.addDays(14), QTime(15, 30)).toUTC().toString(Qt::ISODate),
                              QStringLiteral("{\"date\":\"%1\"}").arg(date.addDays(14).toString(Qt::ISODate))});
        for (int line = 0; line <= n % 3; ++line)
            database.execute(
                "INSERT INTO TblJobs (CustomerID, InvoiceID, JobDescription, Sums) VALUES (?, ?, ?, ?)",
                {customer, invoice, QString::fromLatin1(jobs[(n + line) % 4]), qint64(950000 + 237500 * (n + line))});
    }
}

} // namespace quillbill::screenshots

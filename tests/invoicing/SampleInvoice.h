// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

// A made-up invoice, printed through the delivered layout in the order the
// invoice driver prints one, for the tests of that layout.

#include <quirepress/quirepress.h>

#include <QList>
#include <QString>

namespace quillbill::testing {

// The delivered layout, as the build copied it into the program folder.
QString deliveredInvoiceLayout();

struct SampleJob {
    QString description;
    QString amount; // as the driver formats it: "$1,234.50"
};

// `count` jobs with amounts of growing size, up to five digits before the
// point; job `longAt` (from 1; 0 for none) gets a 300-character description.
QList<SampleJob> sampleJobs(int count, int longAt = 0);

// What the header, the totals and the page footer of the sample show.
struct SampleInvoice {
    QString printDate = QStringLiteral("Dec 7, 2026");
    QString longDate = QStringLiteral("Monday, December 7, 2026");
    QString invoiceNo = QStringLiteral("1042");
    QString company = QStringLiteral("Northwind Window Care Ltd.");
    QString address = QStringLiteral("1200 Harbour Street, Suite 4");
    QString address2 = QStringLiteral("Halifax, NS B3H 1T2");
    QString phone = QStringLiteral("(902) 555-0143");
    QString cell = QStringLiteral("(902) 555-0187");
    QString email = QStringLiteral("accounts@northwind-care.ca");
    QString vendorNo = QStringLiteral("V-20417");
    QString billCompany = QStringLiteral("Bedford Basin Property Management");
    QString billAddress = QStringLiteral("88 Waterfront Drive");
    QString billAddress2 = QStringLiteral("Bedford, NS B4A 2X9");
    QString total = QStringLiteral("$12,345.60");
    QString gst = QStringLiteral("$617.28");
    QString pst = QStringLiteral("$987.65");
    QString grandTotal = QStringLiteral("$13,950.53");
    QList<SampleJob> jobs;
};

// Fills and prints the sections: Header, PageHeader (again on every new
// page), per job a Detail, a DetailLine for each further line of its
// description and a JobEnd, then ReportFooter; the page footer's values are set
// last, as the driver sets them, and EndReport ends the run.
void printSampleInvoice(quirepress::Report& report, const SampleInvoice& invoice);

} // namespace quillbill::testing

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "BusyProgram.h"

#include "records/invoices/InvoiceReportQuery.h"

#include <QDir>
#include <QFile>

namespace bench {

BusyProgram::BusyProgram()
{
    year = makeBusyYearDatabase(QStringLiteral(QUILLBILL_DELIVERED_DATABASE), folder.path());
    if (year.databasePath.isEmpty() || !QDir(folder.path()).mkpath(QStringLiteral("Reports"))
        || !QFile::copy(QStringLiteral(QUILLBILL_REPORT_LAYOUT), app.path(QStringLiteral("Reports/report.rdn")))
        || !QFile::copy(QStringLiteral(QUILLBILL_AGING_LAYOUT), app.path(QStringLiteral("Reports/aging.rdn"))))
        return;
    app.state.MainDatabase.open(year.databasePath);
    app.state.ReportSql = quillbill::invoiceReportStatement(
        {QDate(year.year, 1, 1), QDate(year.year, 12, 31), std::nullopt, quillbill::PaidFilter::Both});
    ready = true;
}

BusyProgram& busyProgram()
{
    static BusyProgram program;
    return program;
}

} // namespace bench

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace quillbill {

// TblInvoice.Status: a draft can still be corrected; an issued invoice has
// left the office and stays as it was sent.
namespace StoredStatus {
inline constexpr int draft = 0;
inline constexpr int issued = 1;
} // namespace StoredStatus

// The office's company as the invoice header prints it.
struct InvoiceCompany {
    QString name;
    QString address;
    QString cityLine; // City, Prov PostalCode
    QString phone;
    QString cell;
    QString email;
    QString vendor;
    // The registration numbers of the two taxes; empty when not kept.
    QString gstNumber;
    QString pstNumber;

    bool operator==(const InvoiceCompany&) const = default;
};

struct InvoiceJob {
    QString description;
    int64_t sums; // ten-thousandths

    bool operator==(const InvoiceJob&) const = default;
};

// What an invoice's document shows of the office, the customer and the
// work: what issuing the invoice keeps, so that it reprints as it was sent.
struct InvoiceContent {
    // Every company row, first to last (there is normally one).
    std::vector<InvoiceCompany> companies;
    QString customerCompany;
    QString customerAddress;
    QString customerCityLine; // City, Prov Postal
    // In the order they were entered.
    std::vector<InvoiceJob> jobs;
    // The invoice's discount in whole percents, 0 to 100.
    int64_t discountPercent = 0;
};

} // namespace quillbill

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "common/InvoiceTotals.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <cstdint>

namespace quillbill {

class DocumentLanguage;

// The discount line's label, "Discount (10%)", in the document's language.
QString discountLabel(int64_t percent, const DocumentLanguage& words);
// An amount taken off, as its line shows it: "-$10.00", or "$0.00" when
// nothing is left to take off once rounded; taking off a negative amount
// (the discount of a credit note) adds it: "$10.00".
QString deductionText(Millionths amount, const QLocale& locale);

// "##,##0.00": thousands grouped with the locale's separator, the locale's
// decimal point, two decimals rounded half away from zero, a leading minus
// for a negative amount.
QString moneyText(Millionths amount, const QLocale& locale);
// An amount as the invoice and the windows show it: "$1,234.50", and a
// negative one "-$1,234.50"; in French "1 234,50 $" and "-1 234,50 $".
QString dollars(Millionths amount, const QLocale& locale);

// "mmm d, yyyy" (Dec 7, 2026) and "dddd, mmmm d, yyyy" (Monday, December
// 7, 2026), with the month and day names of `locale`; in French "7 décembre
// 2026" and "lundi 7 décembre 2026".
QString shortInvoiceDate(QDate date, const QLocale& locale);
QString longInvoiceDate(QDate date, const QLocale& locale);

} // namespace quillbill

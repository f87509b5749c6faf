// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

namespace quillbill {

// A sales tax rate as the tax authorities write it, exactly: 9.975 % is
// 9,975 thousandths of a per cent. Never binary floating point, so that an
// amount times a rate is reckoned without error.
struct TaxRate {
    static constexpr int64_t largestThousandths = 100'000; // 100 %

    int64_t thousandthsOfPercent = 0;

    static constexpr TaxRate wholePercent(int64_t percent) { return {percent * 1000}; }

    // A rate as typed in `locale`: 0 to 100 with at most three decimals
    // after the locale's decimal separator ("9,975" in French), surrounding
    // blanks and a trailing "%" allowed. Anything else is nullopt, never
    // another rate.
    static std::optional<TaxRate> readTyped(const QString& typed, const QLocale& locale);

    // The rate as a box shows it in `locale`, without needless zeros:
    // "13", "9.975", "9,975", "0.5".
    QString text(const QLocale& locale) const;

    bool operator==(const TaxRate&) const = default;
};

} // namespace quillbill

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QLocale>
#include <QString>

#include <compare>
#include <cstdint>
#include <optional>

namespace quillbill {

// An exact amount of money, counted in whole ten-thousandths of the currency
// unit: the scale TblJobs.Sums stores. Binary floating point cannot hold 0.10
// exactly, and invoice totals must add up to the cent.
class Money {
public:
    constexpr Money() = default;
    static constexpr Money fromUnits(int64_t tenThousandths) { return Money(tenThousandths); }
    constexpr int64_t units() const { return units_; }

    // Text a user typed or pasted into a sum box: blanks around it, an
    // optional leading '-', decimal digits with at most one '.', at most four
    // decimals and at least one digit, within ±922,337,203,685,477.5807.
    // Anything else is nullopt, never a guess.
    //
    // A '-' is accepted because the stored column and the invoice totals
    // allow negative amounts; whether one is welcome is the caller's call.
    static std::optional<Money> parse(const QString& typed);

    // An amount as a person types it in `locale`: blanks around it, an
    // optional leading minus, the whole part with or without the locale's
    // group separator (between groups of three digits only; a space stands
    // for a separator that is a space of another width), the locale's
    // decimal separator and at most two decimals. Anything else is nullopt:
    // "12,50" is 12.50 in French and nothing in English, "1,234" nothing in
    // French, so a misread separator never changes the amount.
    static std::optional<Money> readTyped(const QString& typed, const QLocale& locale);
    // Whether `c` may be part of what readTyped() reads in `locale`.
    static bool isTypedCharacter(QChar c, const QLocale& locale);
    // Zero as a sum box shows it in `locale`: "0.00", "0,00".
    static QString typedZero(const QLocale& locale);
    // `amount` as a sum box shows it in `locale`, for readTyped() to read
    // back as it is: "1234.50", "-12,00". An amount with more than two
    // decimals shows all four, which readTyped() refuses rather than round.
    static QString typedText(Money amount, const QLocale& locale);

    // The amount as a plain number, as parse() reads it back: no grouping,
    // '.' before the decimals, no zeros after the last significant decimal
    // (1234.5, 12, -0.25).
    QString plainText() const;

    auto operator<=>(const Money&) const = default;

private:
    constexpr explicit Money(int64_t units) : units_(units) {}

    int64_t units_ = 0;
};

} // namespace quillbill

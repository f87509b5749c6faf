#pragma once

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
    // A '-' is accepted because a credit line (a refund, a correction) is a
    // real job line the stored column and the invoice totals allow; the sum
    // box's key filter keeps it from being typed by accident.
    static std::optional<Money> parse(const QString& typed);

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

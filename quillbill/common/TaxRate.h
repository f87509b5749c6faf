#pragma once

#include <cstdint>

namespace quillbill {

// A sales tax rate as the tax authorities write it, exactly: 9.975 % is
// 9,975 thousandths of a per cent. Never binary floating point, so that an
// amount times a rate is reckoned without error.
struct TaxRate {
    int64_t thousandthsOfPercent = 0;

    static constexpr TaxRate wholePercent(int64_t percent) { return {percent * 1000}; }
    bool operator==(const TaxRate&) const = default;
};

} // namespace quillbill

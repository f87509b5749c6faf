// The sums a user types, read as exact amounts.

#include "common/Money.h"

#include <gtest/gtest.h>

#include <limits>

namespace quillbill {
namespace {

TEST(MoneyParse, TakesExactAmountsAndRefusesEverythingElse)
{
    constexpr int64_t largest = std::numeric_limits<int64_t>::max();
    const struct {
        const char* typed;
        std::optional<int64_t> units;
    } cases[] = {
        {"0", 0},
        {"12", 120000},
        {" 12.5\t", 125000},
        {"0.0001", 1},
        {".5", 5000},
        {"7.", 70000},
        {"0007.2500", 72500},
        {"-1.25", -12500},
        {"922337203685477.5807", largest},
        {"-922337203685477.5807", -largest},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {".", std::nullopt},
        {"-", std::nullopt},
        {"1.2.3", std::nullopt},
        {"1.23456", std::nullopt},
        {"12a", std::nullopt},
        {"1 000", std::nullopt},
        {"1,50", std::nullopt},
        {"+5", std::nullopt},
        {"--5", std::nullopt},
        {"922337203685477.5808", std::nullopt},
        {"-922337203685477.5808", std::nullopt},
        {"100000000000000000000", std::nullopt},
        {"\u0661\u0662", std::nullopt}, // digits of another script
    };
    for (const auto& c : cases) {
        const auto parsed = Money::parse(QString::fromUtf8(c.typed));
        const std::optional<int64_t> units = parsed ? std::optional(parsed->units()) : std::nullopt;
        EXPECT_EQ(units, c.units) << '"' << c.typed << '"';
    }
}

} // namespace
} // namespace quillbill

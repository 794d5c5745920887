#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>

#include "text/date_time_text.h"
#include "text/format.h"
#include "text/money_text.h"

using namespace finplan;

TEST(FormatMoney, GroupsThousandsAndKeepsTheSign) {
    struct Row {
        double value;
        const char* fmt;
        const char* expected;
    } rows[] = {
        {1234567.891, "%-13.2f", "$1,234,567.89"},
        {-1234.5, "%-11.2f", "$-1,234.50"},
        {-123456, "%-11.2f", "$-123,456.00"},
        {0, "%-11.2f", "$0.00"},
        {999.99, "%-11.2f", "$999.99"},
        {1000.00, "%-11.2f", "$1,000.00"},
        {-999.00, "%-11.2f", "$-999.00"},
        {123456, "%-11.2f", "$123,456.00"},
        {-12345, "%-11.2f", "$-12,345.00"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(formatMoney(format(r.fmt, r.value)), r.expected) << "value " << r.value;
    }
}

// A value that is no number is shown as what it is, never as a bare "$".
TEST(FormatMoney, NonFiniteValuesAreNamed) {
    EXPECT_EQ(formatMoney("inf        "), "inf");
    EXPECT_EQ(formatMoney("-inf       "), "-inf");
    EXPECT_EQ(money(std::numeric_limits<float>::infinity()), "inf");
    EXPECT_EQ(money13(std::numeric_limits<float>::quiet_NaN()), "nan");
    EXPECT_EQ(formatMoney(""), "$");
}

// money() builds its text without printf; it must show every float exactly as the
// printed "%-11.2f" text run through formatMoney does: signs, rounding, commas of
// the largest values, negative zero and values that are no number.
TEST(Money, SameTextAsPrintfThroughFormatMoney) {
    auto check = [](float v) {
        const std::string printed = formatMoney(format("%-11.2f", static_cast<double>(v)));
        ASSERT_EQ(money(v), printed) << "bits " << std::bit_cast<uint32_t>(v);
        ASSERT_EQ(money13(v), formatMoney(format("%-13.2f", static_cast<double>(v))));
    };
    for (float v :
         {0.0f, -0.0f, 0.005f, -0.004f, 0.125f, 2.675f, 999.995f, 999.994f, 1000.0f, -999.999f,
          123456.0f, -1234567.0f, 1e38f, -std::numeric_limits<float>::max(),
          std::numeric_limits<float>::denorm_min(), -std::numeric_limits<float>::infinity()})
        check(v);
    // A spread over every sign, exponent and many fractions.
    for (uint64_t bits = 0; bits <= 0xFFFFFFFFu; bits += 65521)
        check(std::bit_cast<float>(static_cast<uint32_t>(bits)));
}

TEST(StripNumberText, DropsBlanksAndCutsAtTheFirstForeignCharacter) {
    EXPECT_EQ(stripNumberText(" 12 34.50  "), "1234.50");
    EXPECT_EQ(stripNumberText("-250.00 CR"), "-250.00");
    EXPECT_EQ(stripNumberText("$1,000"), "$1");
}

TEST(FormatPercent, AppendsTheStrippedRate) {
    EXPECT_EQ(formatPercent(" Tax = ", 28.0f), " Tax = 28.00%");
    EXPECT_EQ(formatPercent(" rate=", -3.0f), " rate=-3.00%");
}

TEST(DateAndTimeText, TwelveHourClockAndShortYear) {
    EXPECT_EQ(dateText({2026, 12, 6, 0, 0, 0}), "12/6/26");
    EXPECT_EQ(timeText({2026, 12, 6, 0, 5, 9}), "12:05:09 AM ");
    EXPECT_EQ(timeText({2026, 12, 6, 13, 0, 0}), "1:00:00 PM ");
    EXPECT_EQ(timeText({2026, 12, 6, 12, 0, 0}), "12:00:00 PM ");
}

// The shared field checks: the string table's texts, the bounds, what is stored and
// what the user is told.
#include <gtest/gtest.h>

#include "calculators/field_validation.h"
#include "calculators/range_check.h"
#include "platform/recording_messages.h"

namespace finplan {
namespace {

TEST(StringTable, HoldsTheValidationTextsByIdExactly) {
    const std::pair<int, const char*> table[] = {
        {2, "This amount must be greater than 0.00 and less than 99999999.00."},
        {3, "This age must be between 1 and 120.0."},
        {4, "This rate must be between 0.0% and 1000.0%."},
        {5, "The number of years must be between 1 and 100."},
        {6, "Loan/Mortgage rates must be greater than 0.0 and less than 1000.0."},
        {7, "This age must be between 1.0 and 120.0."},
        {8, "The Applied Rate must be between -20.0% and 20.0%"},
        {9, "The birth month value must between 1 and 12"},
        {10, "The birth day value must be between 1 and 31"},
        {11, "This rate must be between -99.0% and 99.0%"},
        {12, "This age must be less than 120.0"},
    };
    for (auto [id, text] : table)
        EXPECT_EQ(stringTableText(id), text) << "id " << id;
    EXPECT_EQ(stringTableText(1), "");
    EXPECT_EQ(stringTableText(13), "");
}

TEST(ValidateText, AcceptsBothBoundsAndStoresTheValue) {
    RecordingMessages m;
    const FieldRule applied{-20, 20, text_id::kAppliedRate, "APPLY RATE ERROR"};
    float v = 5;
    EXPECT_TRUE(validateText(m, "20", v, applied));
    EXPECT_FLOAT_EQ(v, 20.0f);
    EXPECT_TRUE(validateText(m, " -20.00", v, applied));
    EXPECT_FLOAT_EQ(v, -20.0f);
    EXPECT_TRUE(m.entries.empty());
}

TEST(ValidateText, RefusalShowsTheTableTextAndLeavesTheFieldAlone) {
    RecordingMessages m;
    float v = 7;
    EXPECT_FALSE(validateText(m, "20.01", v, {-20, 20, text_id::kAppliedRate, "APPLY RATE ERROR"}));
    EXPECT_FLOAT_EQ(v, 7.0f);
    ASSERT_EQ(m.entries.size(), 1u);
    EXPECT_EQ(m.entries[0].text, "The Applied Rate must be between -20.0% and 20.0%");
    EXPECT_EQ(m.entries[0].title, "APPLY RATE ERROR");
    EXPECT_EQ(m.entries[0].icon, MessageIcon::Error);
    EXPECT_FALSE(m.entries[0].question);
}

TEST(ValidateText, ATextThatIsNotOneNumberIsRefusedWithTheRangeMessage) {
    const FieldRule down{0, 100000000, text_id::kAmount, "DOWN PAYMENT ERROR"};
    for (const char* text : {"", "  ", "abc", "12,34", "5x", "3,5", "1,2345", "2.000,5", "-", "$",
                             "1e", "inf", "0x10", "12 34"}) {
        RecordingMessages m;
        float value = 3;
        EXPECT_FALSE(validateText(m, text, value, down)) << text;
        EXPECT_FLOAT_EQ(value, 3.0f) << text;
        ASSERT_EQ(m.entries.size(), 1u) << text;
        EXPECT_EQ(m.entries[0].title, "DOWN PAYMENT ERROR");
        EXPECT_EQ(m.entries[0].text, stringTableText(text_id::kAmount));
        int16_t years = 4;
        EXPECT_FALSE(validateText(m, text, years, {0, 100, text_id::kYears, "NO OF YEARS ERROR"}))
            << text;
        EXPECT_EQ(years, 4) << text;
    }
    // Blanks and a percent sign may follow the number.
    for (const char* text : {"5", " 5 ", "5%", "5 %", "$5", "5.00  "}) {
        RecordingMessages m;
        float value = 0;
        EXPECT_TRUE(validateText(m, text, value, down)) << text;
        EXPECT_FLOAT_EQ(value, 5.0f) << text;
    }
}

TEST(ValidateText, MoneyIsReadAsTheProgramShowsIt) {
    RecordingMessages m;
    const FieldRule amount{-100000000, 100000000, text_id::kAmount, "AMOUNT ERROR"};
    float v = 0;
    EXPECT_TRUE(validateText(m, "85,000", v, amount));
    EXPECT_FLOAT_EQ(v, 85000.0f);
    EXPECT_TRUE(validateText(m, " $1,871.78", v, amount));
    EXPECT_FLOAT_EQ(v, 1871.78f);
    EXPECT_TRUE(validateText(m, "$12,345,678", v, amount));
    EXPECT_FLOAT_EQ(v, 12345678.0f);
    EXPECT_TRUE(validateText(m, "-$2,500", v, amount));
    EXPECT_FLOAT_EQ(v, -2500.0f);
    EXPECT_TRUE(validateText(m, "$-2,500", v, amount));
    EXPECT_FLOAT_EQ(v, -2500.0f);
    EXPECT_TRUE(m.entries.empty());
    int years = 0;
    EXPECT_TRUE(validateText(m, "1,000", years, {1, 5000, text_id::kYears, "NO OF YEARS ERROR"}));
    EXPECT_EQ(years, 1000);
}

TEST(ValidateText, IntegersReadTheWholePartAndTruncateTheBounds) {
    RecordingMessages m;
    int16_t years = 9;
    const FieldRule rule{1.9f, 100.5f, text_id::kYears, "NO OF YEARS ERROR"};
    EXPECT_TRUE(validateText(m, "30.75", years, rule));
    EXPECT_EQ(years, 30);
    EXPECT_TRUE(validateText(m, "1", years, rule)); // bound 1.9 counts as 1
    EXPECT_EQ(years, 1);
    EXPECT_FALSE(validateText(m, "101", years, rule));
    EXPECT_FALSE(validateText(m, "0", years, rule));
    EXPECT_EQ(years, 1);
    int month = 0;
    EXPECT_FALSE(validateText(m, "13", month, {1, 12, text_id::kBirthMonth, "BIRTH MONTH ERROR"}));
    EXPECT_EQ(m.last()->text, "The birth month value must between 1 and 12");
}

TEST(ValidateText, TheWholeTextCountsAndHugeOrOddTextsNeverPass) {
    RecordingMessages m;
    const FieldRule amount{1, 100000000, text_id::kAmount, "AMOUNT ERROR"};
    float v = 0;
    // Money as shown, longer than a field once held, reads whole instead of being cut.
    EXPECT_TRUE(validateText(m, "$99,999,999.00", v, amount));
    EXPECT_FLOAT_EQ(v, 99999999.0f);
    EXPECT_FALSE(validateText(m, "10000000000", v, amount));
    const FieldRule age{1, 120, text_id::kAgeDecimal, "START AGE ERROR"};
    v = 40;
    EXPECT_FALSE(validateText(m, "1e40", v, age));
    EXPECT_FALSE(validateText(m, "nan", v, age));
    int16_t n = 4;
    EXPECT_FALSE(validateText(m, "99999999999", n, {1, 100, 5, "NO OF YEARS ERROR"}));
    EXPECT_EQ(n, 4);
    EXPECT_FLOAT_EQ(v, 40.0f);
}

} // namespace
} // namespace finplan

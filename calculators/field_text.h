// Reading the numbers users type into calculator fields. A field is read as the
// dialog reads it: only its first few characters, leading blanks skipped, parsing
// stops at the first character that cannot continue the number, no number gives 0.
// Money may be typed as it is shown: "$1,250.00" reads as 1250.
#pragma once

#include <climits>
#include <string>

#include "model/whole_number.h"

namespace finplan {

// The first maxChars characters of text (a dialog's text buffer holds no more).
std::string cutText(const std::string& text, std::size_t maxChars);

// Decimal number at the start of the first maxChars characters; 0 when there is none.
// Independent of the locale, and only plain decimal forms are accepted (no "inf",
// "nan" or hexadecimal), so a typed text can never turn into a non-number.
float readFloatText(const std::string& text, std::size_t maxChars);

// A field whose value is checked next: the number the whole text holds, or NaN (which
// every range check refuses) when the text is not one number, optionally followed by
// blanks and "%" ("", "abc", "12,34" and "5x" are not). "$" and thousands commas are
// read as readFloatText reads them. The whole text counts, so a number is never
// silently cut to the first few characters a field once held.
float readFieldNumber(const std::string& text);

// The same for a whole-number field: a number's whole part ("40.00" is 40), held
// within -INT_MAX..INT_MAX, or kNoWholeNumber, which no field's range holds.
inline constexpr int kNoWholeNumber = INT_MIN;
int readFieldWhole(const std::string& text);

// Whole number at the start of the first maxChars characters ("40.00" reads as 40);
// 0 when there is none; clamped to the int range instead of overflowing.
int readIntText(const std::string& text, std::size_t maxChars);

// The text without leading and trailing blanks (fields are printed with padding).
std::string trimText(const std::string& text);

} // namespace finplan

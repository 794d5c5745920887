// Reading the numbers users type into calculator fields. A field is read as the
// dialog reads it: only its first few characters, leading blanks skipped, parsing
// stops at the first character that cannot continue the number, no number gives 0.
// Money may be typed as it is shown: "$1,250.00" reads as 1250.
#pragma once

#include <string>

#include "model/whole_number.h"

namespace finplan {

// The first maxChars characters of text (a dialog's text buffer holds no more).
std::string cutText(const std::string& text, std::size_t maxChars);

// Decimal number at the start of the first maxChars characters; 0 when there is none.
// Independent of the locale, and only plain decimal forms are accepted (no "inf",
// "nan" or hexadecimal), so a typed text can never turn into a non-number.
float readFloatText(const std::string& text, std::size_t maxChars);

// Whole number at the start of the first maxChars characters ("40.00" reads as 40);
// 0 when there is none; clamped to the int range instead of overflowing.
int readIntText(const std::string& text, std::size_t maxChars);

// The text without leading and trailing blanks (fields are printed with padding).
std::string trimText(const std::string& text);

} // namespace finplan

// Digit grouping of number texts for graph labels and popups.
#pragma once

#include <string>

namespace finplan {

// Removes blanks, cuts the text at the first character that is not a digit, "$",
// "." or "-", and puts "," between groups of three digits left of the decimal point.
std::string formatThousands(const std::string& text);
// The same with one blank in front.
std::string formatThousandsPadded(const std::string& text);

// v as "%.2f" grouped; a negative value is "-" and its grouped magnitude, and an
// exact zero is left ungrouped.
std::string groupedValue(double v);

} // namespace finplan

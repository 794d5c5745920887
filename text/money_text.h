// Money and percent texts as the schedule, the dialogs, the calculators and the plot
// file show them.
#pragma once

#include <string>

namespace finplan {

// Removes every blank, then cuts at the first character that is not "$", ".", "-"
// or a digit.
std::string stripNumberText(const std::string& text);

// Turns a number text made with "%-11.2f" or "%-13.2f" into "$-1,234.50" form.
std::string formatMoney(const std::string& numberText);

// The usual shorthands: v printed with "%-11.2f" (or "%-13.2f") and formatted.
std::string money(float v);
std::string money13(float v);

// label + rate printed "%-7.2f", stripped, + "%".
std::string formatPercent(const std::string& label, float rate);

} // namespace finplan

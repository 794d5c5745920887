// Reading shown money texts back as numbers, for checks with a tolerance.
#pragma once

#include <string>

namespace finplan::test {

inline double moneyValue(const std::string& text) {
    std::string digits;
    for (char c : text)
        if (c != '$' && c != ',' && c != ' ') digits += c;
    return digits.empty() ? 0.0 : std::stod(digits);
}

} // namespace finplan::test

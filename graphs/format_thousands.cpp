#include "graphs/format_thousands.h"

#include "text/format.h"
#include "text/money_text.h"

namespace finplan {

std::string formatThousands(const std::string& text) {
    const std::string s = stripNumberText(text);
    std::size_t lead = 0;
    while (lead < s.size() && (s[lead] == '-' || s[lead] == '$'))
        ++lead;
    std::size_t end = lead;
    while (end < s.size() && s[end] >= '0' && s[end] <= '9')
        ++end;

    const std::string digits = s.substr(lead, end - lead);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
        grouped += digits[i];
    }
    return s.substr(0, lead) + grouped + s.substr(end);
}

std::string formatThousandsPadded(const std::string& text) {
    return " " + formatThousands(text);
}

std::string groupedValue(double v) {
    // The sign stays in front of the grouped digits, and "0.00" has nothing to group.
    return formatThousands(format("%.2f", v));
}

} // namespace finplan

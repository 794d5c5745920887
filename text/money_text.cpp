#include "text/money_text.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "text/format.h"

namespace finplan {

std::string stripNumberText(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == ' ') continue;
        if (c == '$' || c == '.' || c == '-' || (c >= '0' && c <= '9')) {
            out += c;
        } else {
            break;
        }
    }
    return out;
}

namespace {

// printf's text of a value that is no number: "inf", "-inf", "nan", "-nan".
bool isNonFiniteText(const std::string& text) {
    return text.find("inf") != std::string::npos || text.find("nan") != std::string::npos;
}

std::string withoutBlanks(const std::string& text) {
    std::string out;
    for (char c : text)
        if (c != ' ') out += c;
    return out;
}

} // namespace

std::string formatMoney(const std::string& numberText) {
    const std::string s = stripNumberText(numberText);
    // No amount at all is shown as what it is, never as a bare "$".
    if (s.find_first_of("0123456789") == std::string::npos && isNonFiniteText(numberText))
        return withoutBlanks(numberText);
    std::size_t d = s.find('.');
    if (d == std::string::npos) d = s.size();
    const bool negative = s.substr(0, d).find('-') != std::string::npos;
    long commas = (negative ? static_cast<long>(d) - 2 : static_cast<long>(d) - 1) / 3;
    if (commas < 0) commas = 0;

    std::string head; // built right to left
    int counted = 0;
    for (std::size_t i = d; i-- > 0;) {
        head.insert(head.begin(), s[i]);
        if (++counted == 3 && commas > 0 && i > 0) {
            head.insert(head.begin(), ',');
            --commas;
            counted = 0;
        }
    }
    return "$" + head + s.substr(d);
}

// What formatMoney makes of v printed with "%.2f" (the width of "%-11.2f" or
// "%-13.2f" only adds blanks, which it drops), built in one buffer: the schedule
// shows a dozen amounts a year, and printing each through printf and then moving its
// characters about was most of the time of a run. The characters are printf's, as
// to_chars prints a double with a precision exactly as printf does.
std::string money(float v) {
    char number[64]; // a float's largest value has 39 digits before the point
    const auto printed = std::to_chars(number, number + sizeof number, static_cast<double>(v),
                                       std::chars_format::fixed, 2);
    const std::string_view text(number, static_cast<std::size_t>(printed.ptr - number));
    if (!std::isfinite(v)) return std::string(text); // "inf", "-nan": no amount to show
    const std::size_t sign = text[0] == '-' ? 1 : 0;
    const std::size_t point = text.size() - 3;
    const std::size_t digits = point - sign;
    char out[96];
    std::size_t n = 0;
    out[n++] = '$';
    if (sign != 0) out[n++] = '-';
    for (std::size_t i = 0; i < digits; ++i) {
        if (i > 0 && (digits - i) % 3 == 0) out[n++] = ',';
        out[n++] = text[sign + i];
    }
    for (std::size_t i = point; i < text.size(); ++i)
        out[n++] = text[i];
    return std::string(out, n);
}
std::string money13(float v) {
    return money(v);
}

std::string formatPercent(const std::string& label, float rate) {
    return label + stripNumberText(format("%-7.2f", static_cast<double>(rate))) + "%";
}

} // namespace finplan

#include "calculators/field_validation.h"

#include <limits>

#include "calculators/field_text.h"
#include "calculators/range_check.h"

namespace finplan {

namespace {

bool checkWhole(Messages& messages, const std::string& text, int& value, const FieldRule& rule) {
    value = readFieldWhole(text);
    return checkWholeRange(messages, value, static_cast<int>(rule.min), static_cast<int>(rule.max),
                           rule.stringId, rule.title);
}

} // namespace

bool validateText(Messages& messages, const std::string& text, float& out, const FieldRule& rule) {
    const float value = readFieldNumber(text);
    if (!checkRange(messages, value, rule.min, rule.max, rule.stringId, rule.title)) return false;
    out = value;
    return true;
}

bool validateText(Messages& messages, const std::string& text, int& out, const FieldRule& rule) {
    int value = 0;
    if (!checkWhole(messages, text, value, rule)) return false;
    out = value;
    return true;
}

bool validateText(Messages& messages, const std::string& text, int16_t& out,
                  const FieldRule& rule) {
    int value = 0;
    if (!checkWhole(messages, text, value, rule)) return false;
    // The rules' bounds all fit the field; a wider one would still not wrap around.
    if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
        return refuseField(messages, stringTableText(rule.stringId), rule.title,
                           MessageIcon::Error);
    out = static_cast<int16_t>(value);
    return true;
}

} // namespace finplan

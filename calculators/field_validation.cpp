#include "calculators/field_validation.h"

#include <limits>

#include "calculators/field_text.h"
#include "calculators/range_check.h"

namespace finplan {

namespace {

constexpr std::size_t kWholeText = std::numeric_limits<std::size_t>::max();

std::size_t charsOf(std::size_t bufferSize) {
    return bufferSize > 0 ? bufferSize - 1 : 0;
}

bool checkWhole(Messages& messages, const std::string& text, std::size_t chars, int& value,
                const FieldRule& rule) {
    value = readIntText(text, chars);
    return checkWholeRange(messages, value, static_cast<int>(rule.min), static_cast<int>(rule.max),
                           rule.stringId, rule.title);
}

bool checkFloat(Messages& messages, const std::string& text, std::size_t chars, float& out,
                const FieldRule& rule) {
    const float value = readFloatText(text, chars);
    if (!checkRange(messages, value, rule.min, rule.max, rule.stringId, rule.title)) return false;
    out = value;
    return true;
}

bool checkInt(Messages& messages, const std::string& text, std::size_t chars, int& out,
              const FieldRule& rule) {
    int value = 0;
    if (!checkWhole(messages, text, chars, value, rule)) return false;
    out = value;
    return true;
}

bool checkShort(Messages& messages, const std::string& text, std::size_t chars, int16_t& out,
                const FieldRule& rule) {
    int value = 0;
    if (!checkWhole(messages, text, chars, value, rule)) return false;
    // The rules' bounds all fit the field; a wider one would still not wrap around.
    if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
        return refuseField(messages, stringTableText(rule.stringId), rule.title,
                           MessageIcon::Error);
    out = static_cast<int16_t>(value);
    return true;
}

} // namespace

bool validateText(Messages& messages, const std::string& text, float& out, const FieldRule& rule) {
    return checkFloat(messages, text, kWholeText, out, rule);
}

bool validateText(Messages& messages, const std::string& text, int& out, const FieldRule& rule) {
    return checkInt(messages, text, kWholeText, out, rule);
}

bool validateText(Messages& messages, const std::string& text, int16_t& out,
                  const FieldRule& rule) {
    return checkShort(messages, text, kWholeText, out, rule);
}

bool validateField(Messages& messages, const std::string& text, std::size_t bufferSize, float& out,
                   const FieldRule& rule) {
    return checkFloat(messages, text, charsOf(bufferSize), out, rule);
}

bool validateField(Messages& messages, const std::string& text, std::size_t bufferSize, int& out,
                   const FieldRule& rule) {
    return checkInt(messages, text, charsOf(bufferSize), out, rule);
}

bool validateField(Messages& messages, const std::string& text, std::size_t bufferSize,
                   int16_t& out, const FieldRule& rule) {
    return checkShort(messages, text, charsOf(bufferSize), out, rule);
}

} // namespace finplan

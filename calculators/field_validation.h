// Field validation shared by every editor and calculator: read the typed text, parse
// it, check min <= value <= max and either store the value or tell the user why not
// with the string-table text of the given id (error icon, the given title).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/messages.h"

namespace finplan {

// Ids of the string-table texts the field checks show (see stringTableText).
namespace text_id {
inline constexpr int kAmount = 2;       // "This amount must be greater than 0.00 ..."
inline constexpr int kAge = 3;          // "This age must be between 1 and 120.0."
inline constexpr int kRate = 4;         // "This rate must be between 0.0% and 1000.0%."
inline constexpr int kYears = 5;        // "The number of years must be between 1 and 100."
inline constexpr int kLoanRate = 6;     // "Loan/Mortgage rates must be greater than 0.0 ..."
inline constexpr int kAgeDecimal = 7;   // "This age must be between 1.0 and 120.0."
inline constexpr int kAppliedRate = 8;  // "The Applied Rate must be between -20.0% and 20.0%"
inline constexpr int kBirthMonth = 9;   // "The birth month value must between 1 and 12"
inline constexpr int kBirthDay = 10;    // "The birth day value must be between 1 and 31"
inline constexpr int kAccountRate = 11; // "This rate must be between -99.0% and 99.0%"
inline constexpr int kAgeBelow120 = 12; // "This age must be less than 120.0"
} // namespace text_id

// What one check asks: the bounds (both included), the string-table id and the title.
struct FieldRule {
    float min;
    float max;
    int stringId;
    const char* title;
};

// A text already read from its field (the account editors read theirs themselves).
// True and the value stored when it lies within the rule; else the message, false and
// `out` untouched. Integer fields parse a whole number and truncate the bounds.
bool validateText(Messages& messages, const std::string& text, float& out, const FieldRule& rule);
bool validateText(Messages& messages, const std::string& text, int& out, const FieldRule& rule);
bool validateText(Messages& messages, const std::string& text, int16_t& out, const FieldRule& rule);

// The same for a dialog field whose text buffer holds `bufferSize` characters with the
// terminator: only the first bufferSize - 1 characters of the text count.
bool validateField(Messages& messages, const std::string& text, std::size_t bufferSize, float& out,
                   const FieldRule& rule);
bool validateField(Messages& messages, const std::string& text, std::size_t bufferSize, int& out,
                   const FieldRule& rule);
bool validateField(Messages& messages, const std::string& text, std::size_t bufferSize,
                   int16_t& out, const FieldRule& rule);

// Buffer size of a dialog field when its layout gives none: long enough for every
// value the checks accept, written with two decimals.
inline constexpr std::size_t kFieldBuffer = 16;

} // namespace finplan

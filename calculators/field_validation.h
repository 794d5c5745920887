// Field validation shared by every editor and calculator: read the typed text, parse
// it, check min <= value <= max and either store the value or tell the user why not
// with the string-table text of the given id (error icon, the given title). A text
// that is not one number (see readFieldNumber) is refused with the same message.
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

// A field's text, read whole (see readFieldNumber). True and the value stored when it
// is one number within the rule; else the message, false and `out` untouched. Integer
// fields take the whole part of the number and truncate the bounds.
bool validateText(Messages& messages, const std::string& text, float& out, const FieldRule& rule);
bool validateText(Messages& messages, const std::string& text, int& out, const FieldRule& rule);
bool validateText(Messages& messages, const std::string& text, int16_t& out, const FieldRule& rule);

// Text buffer of a dialog field whose value is read without a check (the first
// kFieldBuffer - 1 characters count): long enough for every value the checks accept,
// written with two decimals.
inline constexpr std::size_t kFieldBuffer = 16;

} // namespace finplan

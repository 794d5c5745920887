#include "calculators/range_check.h"
#include "calculators/field_validation.h"

namespace finplan {

std::string stringTableText(int id) {
    switch (id) {
    case text_id::kAmount:
        return "This amount must be greater than 0.00 and less than 99999999.00.";
    case text_id::kAge:
        return "This age must be between 1 and 120.0.";
    case text_id::kRate:
        return "This rate must be between 0.0% and 1000.0%.";
    case text_id::kYears:
        return "The number of years must be between 1 and 100.";
    case text_id::kLoanRate:
        return "Loan/Mortgage rates must be greater than 0.0 and less than 1000.0.";
    case text_id::kAgeDecimal:
        return "This age must be between 1.0 and 120.0.";
    case text_id::kAppliedRate:
        return "The Applied Rate must be between -20.0% and 20.0%";
    case text_id::kBirthMonth:
        return "The birth month value must between 1 and 12";
    case text_id::kBirthDay:
        return "The birth day value must be between 1 and 31";
    case text_id::kAccountRate:
        return "This rate must be between -99.0% and 99.0%";
    case text_id::kAgeBelow120:
        return "This age must be less than 120.0";
    default:
        return {};
    }
}

bool refuseField(Messages& messages, const std::string& text, const std::string& title,
                 MessageIcon icon) {
    messages.show(text, title, icon);
    return false;
}

bool checkRange(Messages& messages, float value, float lower, float upper, int stringId,
                const std::string& title) {
    // Written so that a NaN fails as well.
    if (lower <= value && value <= upper) return true;
    return refuseField(messages, stringTableText(stringId), title, MessageIcon::Error);
}

bool checkWholeRange(Messages& messages, int value, int lower, int upper, int stringId,
                     const std::string& title) {
    if (lower <= value && value <= upper) return true;
    return refuseField(messages, stringTableText(stringId), title, MessageIcon::Error);
}

} // namespace finplan

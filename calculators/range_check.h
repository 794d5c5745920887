// The range check the calculators share: a value passes when lower <= value <= upper;
// otherwise the user is told why in an error box and the check fails.
#pragma once

#include <initializer_list>
#include <string>

#include "platform/messages.h"

namespace finplan {

// Validation texts of the program's string table, by id (2..12); empty for others.
std::string stringTableText(int id);

// Shows string-table text `stringId` with `title` when value lies outside lower..upper.
bool checkRange(Messages& messages, float value, float lower, float upper, int stringId,
                const std::string& title);

// The same for a whole-number field (bounds included).
bool checkWholeRange(Messages& messages, int value, int lower, int upper, int stringId,
                     const std::string& title);

// False, after telling the user, when a result is NaN or infinite: a result that is
// no number is reported, never shown.
bool checkFiniteResults(Messages& messages, std::initializer_list<double> results);

// Shows text/title with the given icon and returns false: the calculators whose
// messages are not in the string table refuse a field with this.
bool refuseField(Messages& messages, const std::string& text, const std::string& title,
                 MessageIcon icon);

} // namespace finplan

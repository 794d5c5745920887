// One line of a tab-delimited account-balance report: how it is read, which lines are
// skipped, and the name and amount taken from it.
#pragma once

#include <istream>
#include <optional>
#include <string>

namespace finplan {

// Longest piece read as one line; the rest of a longer line is read as the next one.
inline constexpr std::size_t kImportLineChars = 119;

enum class ImportMode { Read, Update };

struct ImportLine {
    std::string name; // cleaned, at most 29 characters
    float amount = 0;
};

// Reads the next line piece: up to kImportLineChars characters, ending after a line
// feed when one comes first. False at the end of the input.
bool readImportLine(std::istream& in, std::string& line);

// The name and amount of a line, or nothing when the line rules skip it.
std::optional<ImportLine> parseImportLine(const std::string& line, ImportMode mode);

// The cleaned name of a line without the skip rules (the counting pass of Update);
// empty when the line has no tab.
std::string importLineName(const std::string& line);

} // namespace finplan

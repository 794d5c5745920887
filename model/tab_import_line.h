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

// The largest initial amount the account editor takes, either way.
inline constexpr float kMaxImportAmount = 100000000.0f;

// Reads the next line piece: up to kImportLineChars characters, ending after a line
// end when one comes first. A carriage return, a line feed and the two together
// all end a line (the piece then ends with one line feed). False at the end.
bool readImportLine(std::istream& in, std::string& line);

// Reads the pieces of a file and counts its lines: lineNumber is the line (from 1)
// of the piece last read. A UTF-8 byte-order mark at the start is passed over.
class ImportLineReader {
  public:
    explicit ImportLineReader(std::istream& in) : in_(in) {}
    bool next(std::string& line);
    int lineNumber() const { return lineNumber_; }

  private:
    void skipByteOrderMark();

    std::istream& in_;
    int lineNumber_ = 0;
    bool atLineStart_ = true;
};

// The name and amount of a line, or nothing when the line rules skip it.
std::optional<ImportLine> parseImportLine(const std::string& line, ImportMode mode);

// The cleaned name of a line without the skip rules (the counting pass of Update);
// empty when the line has no tab.
std::string importLineName(const std::string& line);

} // namespace finplan

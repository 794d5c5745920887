// Reading the small text files the planner keeps beside itself, whoever wrote them:
// lines end with LF or CRLF (carriage returns ending a line are dropped), a line is
// cut at its first NUL, and a line longer than the limit keeps its first characters
// while the rest of it is passed over.
#pragma once

#include <cstddef>
#include <istream>
#include <string>

namespace finplan {

// Long enough for any path the system allows.
inline constexpr std::size_t kTextLineLimit = 4096;

// The next line without its line end; false when the input has ended.
bool readTextLine(std::istream& in, std::string& line, std::size_t limit = kTextLineLimit);

// Parsers of one number at the front of text (after blanks), as "%f" and "%d" read it;
// `next` is where reading stopped. False when no number is there, or it does not fit.
bool scanFloat(const char*& text, float& value);
bool scanInt(const char*& text, int& value);

} // namespace finplan

// Reading a whole small text file that another program of ours wrote (a plot file, the
// trade-off graph data), refusing anything that is not a plain file of sensible size,
// so a folder, a pipe or a huge file is told apart from damaged content.
#pragma once

#include <cstddef>
#include <sstream>
#include <string>

namespace finplan {

enum class TextFileStatus { Read, Missing, NotAFile, TooLarge, Unreadable };

// Reads all of path into text when it is a regular file of at most maxBytes.
TextFileStatus readSmallTextFile(const std::string& path, std::size_t maxBytes, std::string& text);

// The sentence telling the user why path could not be read ("" for Read).
std::string textFileProblem(TextFileStatus status, const std::string& path);

// Walks the lines of such a file for its reader, counting them for the messages.
class TextLineCursor {
  public:
    explicit TextLineCursor(const std::string& text) : in_(text) {}

    // The next line; false, noting "it ends before <what>.", when the text has ended.
    bool next(std::string& line, const std::string& what);
    // Notes why the text was refused (the first reason stays) and gives false.
    bool fail(const std::string& reason);
    // The same, naming the line read last.
    bool failHere(const std::string& reason);
    const std::string& error() const { return why_; }

  private:
    std::istringstream in_;
    int number_ = 0;
    std::string why_;
};

// True when only blanks and tabs remain at `at`.
bool onlyBlanksLeft(const char* at);
// A line that holds exactly one number (blanks around it allowed).
bool lineInt(const std::string& line, int& value);
bool lineFloat(const std::string& line, float& value);

} // namespace finplan

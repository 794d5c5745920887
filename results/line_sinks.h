// Where schedule lines end up: the Results list (with its line tags and age index)
// or the text of a results or print file.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/run_sinks.h"

namespace finplan {

inline constexpr int kLineTagCapacity = 6000;
inline constexpr int kAgeIndexSlots = 121; // whole ages 0..120

// The Results folder list: lines without the "??" marker, a tag per line (for the
// first 6000) and the list index of each age's row.
class ResultsList : public ScheduleSink {
  public:
    ResultsList() { beginRun(); }
    void beginRun() override;
    void line(std::string_view text, int tag, int wholeAge) override;

    // Tag of list line i, or nothing past the tag table.
    bool tagOf(int i, int& tag) const;
    // List index of that whole age's row, or -1.
    int ageLine(int wholeAge) const;

    std::vector<std::string> lines;
    std::array<int, kLineTagCapacity> lineTags{};
    std::array<int, kAgeIndexSlots> ageLineIndex{};
    int lineCounter = 0;
};

// A results or print file as text: every line followed by "\n"; the "??" marker
// comes after two empty lines.
class TextScheduleSink : public ScheduleSink {
  public:
    void line(std::string_view text, int tag, int wholeAge) override;
    std::string text;
};

} // namespace finplan

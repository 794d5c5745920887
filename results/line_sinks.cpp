#include "results/line_sinks.h"

namespace finplan {

void ResultsList::beginRun() {
    lines.clear();
    lineCounter = 0;
    lineTags.fill(0);
    ageLineIndex.fill(-1);
}

void ResultsList::line(std::string_view text, int tag, int wholeAge) {
    if (text.starts_with("??")) return;
    // An age row has its decimal point among the first four characters. It also
    // starts with a digit, so an account named "A.B" in a detail line is not taken
    // for the year's row.
    const bool ageRow = !text.empty() && text[0] >= '0' && text[0] <= '9' &&
                        text.substr(0, 4).find('.') != std::string_view::npos;
    if (ageRow && wholeAge >= 0 && wholeAge < kAgeIndexSlots) ageLineIndex[wholeAge] = lineCounter;
    if (lineCounter < kLineTagCapacity) lineTags[lineCounter] = tag;
    ++lineCounter;
    lines.emplace_back(text);
}

bool ResultsList::tagOf(int i, int& tag) const {
    if (i < 0 || i >= lineCounter || i >= kLineTagCapacity) return false;
    tag = lineTags[i];
    return true;
}

int ResultsList::ageLine(int wholeAge) const {
    if (wholeAge < 0 || wholeAge >= kAgeIndexSlots) return -1;
    return ageLineIndex[wholeAge];
}

void TextScheduleSink::line(std::string_view line, int, int) {
    if (line.starts_with("??")) text += "\n\n";
    text.append(line);
    text += '\n';
}

} // namespace finplan

// finance.dat and prefinf.dat images: any bytes load, and what is written back loads
// again into the same layout.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "model/settings_file.h"

namespace {

std::size_t lineCount(const std::string& text) {
    std::size_t n = 0;
    for (char c : text)
        n += c == '\n';
    return n;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    finplan::Settings s;
    finplan::readSettings(in, s);
    const float n = s.scenarioNumber();
    if (!(n >= 0.0f && n < 9.0f)) std::abort();
    if (s.recent.count() > finplan::kRecentFileCount) std::abort();
    s.recent.menu();

    // Line 1 and the entries may hold line breaks no more: they are lines.
    const std::string text = finplan::settingsFileText(s, s.lastScenario, true);
    if (lineCount(text) != 8) std::abort();
    std::istringstream back(text);
    finplan::Settings again;
    finplan::readSettings(back, again);
    if (again.recent.count() != s.recent.count()) std::abort();

    s.recent.add(s.lastScenario);
    if (s.recent.count() > finplan::kRecentFileCount) std::abort();
    return 0;
}

#include "model/settings_file.h"

#include <cstdio>
#include <sstream>

#include "model/atomic_file.h"
#include "model/file_lock.h"
#include "model/text_lines.h"

namespace finplan {

namespace {

// Where each of the eight numbers of the settings line lives.
template <class S> auto* settingsValue(S& s, int position) {
    switch (position) {
    case 0:
        return &s.statisticsSeeds[4];
    case 1:
        return &s.statisticsSeeds[5];
    case 2:
        return &s.statisticsSeeds[6];
    case 3:
        return &s.reservedNumber4;
    case 4:
        return &s.statisticsSeeds[8];
    case 5:
        return &s.statisticsSeeds[9];
    case 6:
        return &s.statisticsSeeds[10];
    case 7:
    default:
        return &s.reservedNumber8;
    }
}

} // namespace

std::string settingsFileText(const Settings& s, const std::string& lastScenario, bool allRecent) {
    std::string text = lastScenario + "\n" + settingsLine(s);
    for (const std::string& entry : s.recent.entries) {
        if (allRecent || entry.size() > 1) text += entry + "\n";
    }
    return text;
}

std::string settingsLine(const Settings& s) {
    const float* v[8];
    for (int i = 0; i < 8; ++i)
        v[i] = settingsValue(s, i);
    char buf[512];
    std::snprintf(buf, sizeof buf, "%6.2f %6.2f %6.2f %6.2f %6.2f %6.2f %6.2f %6.2f %1d\n",
                  static_cast<double>(*v[0]), static_cast<double>(*v[1]),
                  static_cast<double>(*v[2]), static_cast<double>(*v[3]),
                  static_cast<double>(*v[4]), static_cast<double>(*v[5]),
                  static_cast<double>(*v[6]), static_cast<double>(*v[7]), s.reservedInteger);
    return buf;
}

void parseSettingsLine(const std::string& line, Settings& s) {
    const char* at = line.c_str();
    for (int i = 0; i < 8; ++i) {
        if (!scanFloat(at, *settingsValue(s, i))) return;
    }
    scanInt(at, s.reservedInteger);
}

void readSettings(std::istream& in, Settings& s) {
    std::string line;
    s.lastScenario.clear();
    if (readTextLine(in, line)) {
        s.lastScenario = line;
        if (readTextLine(in, line)) parseSettingsLine(line, s);
    }
    // Entries from the first one the input lacks onwards are emptied.
    bool ended = false;
    for (std::string& entry : s.recent.entries) {
        if (!ended && readTextLine(in, line)) {
            entry = line;
        } else {
            ended = true;
            entry.clear();
        }
    }
    // The whole part of scenarioNumber names the new-scenario file: one digit.
    float& number = s.statisticsSeeds[4];
    if (!(number >= 0.0f && number < 9.0f)) number = 0.0f;
}

int loadSettings(Settings& s, const std::string& path) {
    // Read and written back at once: a second planner starting meanwhile waits.
    FileLock lock;
    lock.acquire(path);
    std::string text;
    if (!readTextFile(path, kMaxSettingsFileBytes, text)) {
        s.lastScenario.clear();
        s.recent = RecentFiles{};
        writeTextFileAtomically(path, settingsFileText(s, "", true));
        return 0;
    }
    std::istringstream in(text);
    readSettings(in, s);
    writeTextFileAtomically(path, settingsFileText(s, s.lastScenario, true));
    return 1;
}

void saveSettings(const Settings& s, const std::string& displayName, const std::string& path) {
    writeTextFileAtomically(path, settingsFileText(s, displayName, false));
}

} // namespace finplan

// "finance.dat": the scenario that was open last, the settings line and the
// recent-file list, carried from one run of the program to the next.
#pragma once

#include <istream>
#include <string>

#include "model/file_names.h"
#include "model/recent_files.h"

namespace finplan {

inline constexpr int kStatisticsSeedCount = 12;

struct Settings {
    std::string lastScenario; // line 1: the display name of the scenario that was open

    // Only entries 5, 6, 7, 9, 10 and 11 (indexes 4..6, 8..10) travel through the
    // file; entry 5 is scenarioNumber. None of them affects a run.
    float statisticsSeeds[kStatisticsSeedCount] = {0, 0, 0, 0, 0, 10, -10, 20, 0, 10, -10, 10};
    // Values of the settings line nobody uses, written back as they were read.
    float reservedNumber4 = 0;
    float reservedNumber8 = 0;
    int reservedInteger = 0;

    RecentFiles recent;

    // Its whole part is the first digit of the new-scenario file name.
    float scenarioNumber() const { return statisticsSeeds[4]; }
};

// The settings line as written: "%6.2f" x 8 and "%1d", with its line feed.
std::string settingsLine(const Settings& s);

// Takes the values of a settings line in order, stopping at the first that cannot be
// read; the values after it keep what they were.
void parseSettingsLine(const std::string& line, Settings& s);

// Takes line 1, the settings line and up to six recent entries from a finance.dat
// image; entries the input lacks are emptied, and so is line 1 when it is missing.
void readSettings(std::istream& in, Settings& s);

// The finance.dat image: line 1, the settings line, then all six recent entries (the
// form written at start-up) or only those longer than one character (at Exit).
std::string settingsFileText(const Settings& s, const std::string& lastScenario, bool allRecent);

// Start-up. Reads the file into s and rewrites it at once (scenarioNumber 9 or more,
// or below 0, becomes 0); returns 1. A file that cannot be read is created from the
// current values with empty names; returns 0. Damaged content never fails: what is
// missing keeps its value and the recent entries are emptied.
int loadSettings(Settings& s, const std::string& path = files::kSettings);

// The Exit command: line 1 is displayName, then the settings line and the recent
// entries longer than one character. A write failure is ignored.
void saveSettings(const Settings& s, const std::string& displayName,
                  const std::string& path = files::kSettings);

} // namespace finplan

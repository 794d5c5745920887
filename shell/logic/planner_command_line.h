// The desktop planner's command line:
//   finplanner [IDON] [--desktop] [--grab DIR] [--quit-after-paint] [FILE.ret]
//   finplanner --help | --version
#pragma once

#include <string>
#include <vector>

namespace finplan {

struct PlannerCommandLine {
    bool idColumn = false;       // "IDON" alone: the accounts list's ID column
    bool desktop = false;        // work in the per-user data folder
    bool quitAfterPaint = false; // exit once the window has been painted
    bool help = false;
    bool version = false;
    std::string grabDir;  // save a picture of every folder here, then exit
    std::string scenario; // opened instead of the last one, made absolute
    std::string error;    // an option not known or without its value
};

// args as main() gets them, the program's name first. Arguments with one dash are Qt's
// own options (as "-platform offscreen") and are passed over; their values are not told
// from a file name, so the scenario is right only on what Qt leaves of the command line.
PlannerCommandLine parsePlannerCommandLine(const std::vector<std::string>& args);

// The text of --help; helpFile is where the help file was found ("" when it was not).
std::string plannerUsage(const std::string& helpFile);

// The text of --version.
std::string plannerVersion(const std::string& version);

// The message for a command line with an error, and the hint to --help.
std::string plannerUsageError(const std::string& error);

} // namespace finplan

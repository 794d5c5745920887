// Where the planner finds the files it ships with and where it works: the help file
// and the bundled example beside the program (a build folder) or in the share folder
// of an installation; the per-user data folder a start from the desktop menu works in.
#pragma once

#include <string>

namespace finplan {

// The installed data folder as seen from the installed program's folder.
inline constexpr const char* kInstalledDataFromProgram = "../share/finplanner";

// The first of programDir/name and programDir/dataFromProgram/name that is a file,
// made absolute and without "..", or "" when neither is.
std::string findProgramFile(const std::string& programDir, const std::string& name,
                            const std::string& dataFromProgram = kInstalledDataFromProgram);

// The folder a start from the desktop menu keeps "finance.dat", "prefinf.dat" and the
// plot file in: $XDG_DATA_HOME/finplanner, or $HOME/.local/share/finplanner when
// XDG_DATA_HOME is unset, empty or not an absolute path; "" when neither is known.
std::string desktopDataFolder(const char* xdgDataHome, const char* home);

// Makes folder (and the folders above it) when missing and makes it the working folder.
// Empty when done; otherwise what went wrong, and the working folder is unchanged.
std::string enterFolder(const std::string& folder);

} // namespace finplan

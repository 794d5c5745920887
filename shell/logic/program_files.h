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

// The folder a start from the desktop menu keeps "finance.dat", "prefinf.dat", the plot
// file and (where Open and Save start) the user's scenarios in: $XDG_DATA_HOME/
// finplanner/plans, with $HOME/.local/share for XDG_DATA_HOME when that is unset, empty
// or not an absolute path; "" when neither is known. A folder of its own: an install
// for the user (prefix ~/.local) puts the help file and the example in the folder
// above, and a reinstall must not overwrite a scenario the user saved there.
std::string desktopDataFolder(const char* xdgDataHome, const char* home);

// Makes folder (and the folders above it) when missing and makes it the working folder.
// Empty when done; otherwise what went wrong, and the working folder is unchanged.
std::string enterFolder(const std::string& folder);

} // namespace finplan

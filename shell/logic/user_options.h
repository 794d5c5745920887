// Per-user options the system's own files have no room for, in a small plain-text
// file of the XDG config folder ("key=value" lines). "finance.dat" and "prefinf.dat"
// are never touched for them.
#pragma once

#include <string>

namespace finplan {

inline constexpr int kDefaultSuccessThreshold = 80;

struct UserOptions {
    bool liveSuccessRate = true;                     // the status bar's success rate
    int successThreshold = kDefaultSuccessThreshold; // percent; below it the figure is red
};

// $XDG_CONFIG_HOME/finplanner/options, with $HOME/.config for XDG_CONFIG_HOME when that
// is unset, empty or not an absolute path; "" when neither is known.
std::string userOptionsPath(const char* xdgConfigHome, const char* home);

// The options in the file; the defaults for a missing file, and for any line that is
// not understood (an option is never half read).
UserOptions readUserOptions(const std::string& path);

// Writes the options (the file replaced whole, its folder made when missing). Empty
// when done; otherwise what went wrong.
std::string writeUserOptions(const std::string& path, const UserOptions& options);

} // namespace finplan

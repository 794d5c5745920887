// Launcher port: starts a program with posix_spawnp and an argument vector (never a
// shell) and does not wait for it.
#pragma once

#include <string>
#include <vector>

#include "platform/launcher.h"

namespace finplan {

class PosixLauncher : public Launcher {
  public:
    bool launch(const std::vector<std::string>& argv) override;
};

// Desktop calculators tried, in order, for "calc.exe".
const std::vector<std::string>& desktopCalculators();

// The command line actually started for argv: "calc.exe" becomes the first desktop
// calculator found on PATH (empty when none is); other commands are kept.
std::vector<std::string> resolveCommand(const std::vector<std::string>& argv);

// True when name is an executable file on PATH (or a path to one).
bool onPath(const std::string& name);

} // namespace finplan

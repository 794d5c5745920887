// Launcher port: starts a program with posix_spawnp and an argument vector (never a
// shell) and does not wait for it.
#pragma once

#include <string>
#include <vector>

#include "platform/launcher.h"

namespace finplan {

class PosixLauncher : public Launcher {
  public:
    // Our stand-in programs are looked for in programDir first (the running program's
    // folder unless told otherwise), then on PATH.
    explicit PosixLauncher(std::string programDir = runningProgramDir());
    bool launch(const std::vector<std::string>& argv) override;

    // The folder of the running program ("" when it cannot be told).
    static std::string runningProgramDir();

  private:
    std::string programDir_;
};

// Desktop calculators tried, in order, for "calc.exe".
const std::vector<std::string>& desktopCalculators();

// The command line actually started for argv: "calc.exe" becomes the first desktop
// calculator found on PATH; the graph viewer, the comparison program and the trade-off
// grapher become our programs, from programDir when they are there, else from PATH; the
// arguments stay. Empty when there is no program to start. Other commands are kept.
std::vector<std::string> resolveCommand(const std::vector<std::string>& argv,
                                        const std::string& programDir = {});

// True when name is an executable file on PATH (or a path to one).
bool onPath(const std::string& name);

} // namespace finplan

// A Launcher that tells the user when a separate program could not be started.
#pragma once

#include "model/file_names.h"
#include "platform/launcher.h"
#include "platform/messages.h"

namespace finplan {

class ReportingLauncher : public Launcher {
  public:
    ReportingLauncher(Launcher& programs, Messages& shown)
        : launcher_(programs), messages_(shown) {}

    bool launch(const std::vector<std::string>& argv) override {
        if (launcher_.launch(argv)) return true;
        // The user is told of the program of ours that stands in for the named one.
        const std::string named = argv.empty() ? std::string() : argv[0];
        const char* ours = files::standInProgram(named);
        messages_.show("The program " + (ours ? std::string(ours) : named) +
                           " could not be found beside the planner or in the path.",
                       "Execution Error", MessageIcon::Error);
        return false;
    }

  private:
    Launcher& launcher_;
    Messages& messages_;
};

} // namespace finplan

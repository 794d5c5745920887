// A Launcher that tells the user when a separate program could not be started.
#pragma once

#include "platform/launcher.h"
#include "platform/messages.h"

namespace finplan {

class ReportingLauncher : public Launcher {
  public:
    ReportingLauncher(Launcher& launcher, Messages& messages)
        : launcher(launcher), messages(messages) {}

    bool launch(const std::vector<std::string>& argv) override {
        if (launcher.launch(argv)) return true;
        messages.show("The program " + (argv.empty() ? std::string() : argv[0]) +
                          " could not be found in the path.",
                      "Execution Error", MessageIcon::Error);
        return false;
    }

  private:
    Launcher& launcher;
    Messages& messages;
};

} // namespace finplan

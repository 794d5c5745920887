// Port: start a separate program without waiting for it.
#pragma once

#include <string>
#include <vector>

namespace finplan {

class Launcher {
  public:
    virtual ~Launcher() = default;
    // argv[0] is the program; true when it was started.
    virtual bool launch(const std::vector<std::string>& argv) = 0;
};

// Headless Launcher: records every command line, starts nothing.
class RecordingLauncher : public Launcher {
  public:
    bool launch(const std::vector<std::string>& argv) override {
        launched.push_back(argv);
        return result;
    }
    std::vector<std::vector<std::string>> launched;
    bool result = true;
};

} // namespace finplan

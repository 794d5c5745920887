// Port: the help file, opened at its contents or at a context number.
#pragma once

#include <vector>

namespace finplan {

class Help {
  public:
    virtual ~Help() = default;
    virtual void showContents() = 0;
    virtual void showContext(int context) = 0;
    virtual void showHelpOnHelp() = 0;
};

// Headless Help: records what was asked for (0 = contents, -1 = help on help).
class RecordingHelp : public Help {
  public:
    void showContents() override { shown.push_back(0); }
    void showContext(int context) override { shown.push_back(context); }
    void showHelpOnHelp() override { shown.push_back(-1); }
    std::vector<int> shown;
};

} // namespace finplan

// Messages for a terminal: "TITLE: text" on standard error; questions get a fixed
// answer, since nobody is there to give one. The command-line runner's port, and the
// desktop program's before it has a window.
#pragma once

#include <iostream>
#include <string>

#include "platform/messages.h"

namespace finplan {

class StderrMessages : public Messages {
  public:
    explicit StderrMessages(bool answer = true) : answer_(answer) {}
    void show(const std::string& text, const std::string& title, MessageIcon) override {
        std::cerr << title << ": " << text << '\n';
    }
    bool ask(const std::string& text, const std::string& title, MessageIcon) override {
        std::cerr << title << ": " << text << (answer_ ? " Yes" : " No") << '\n';
        return answer_;
    }

  private:
    bool answer_;
};

} // namespace finplan

// Port: message boxes and Yes/No questions shown to the user.
#pragma once

#include <string>

namespace finplan {

enum class MessageIcon { None, Error, Warning, Information, Question };

class Messages {
  public:
    virtual ~Messages() = default;
    // Shows a message and waits until the user dismisses it.
    virtual void show(const std::string& text, const std::string& title, MessageIcon icon) = 0;
    // Asks a Yes/No question; true for Yes.
    virtual bool ask(const std::string& text, const std::string& title, MessageIcon icon) = 0;
};

} // namespace finplan

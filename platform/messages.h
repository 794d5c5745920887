// Port: message boxes and Yes/No questions shown to the user.
#pragma once

#include <string>

namespace finplan {

enum class MessageIcon { None, Error, Warning, Information, Question };

// The answer to a question that also offers a way back.
enum class Answer { Yes, No, Cancel };

class Messages {
  public:
    virtual ~Messages() = default;
    // Shows a message and waits until the user dismisses it.
    virtual void show(const std::string& text, const std::string& title, MessageIcon icon) = 0;
    // Asks a Yes/No question; true for Yes.
    virtual bool ask(const std::string& text, const std::string& title, MessageIcon icon) = 0;
    // Asks a Yes/No question that can also be cancelled (Escape): Cancel leaves
    // everything as it was. Where nobody can cancel, this is the Yes/No question.
    virtual Answer askOrCancel(const std::string& text, const std::string& title,
                               MessageIcon icon) {
        return ask(text, title, icon) ? Answer::Yes : Answer::No;
    }
};

} // namespace finplan

// Headless Messages: keeps every message and question shown, answers questions
// from a script (Yes when the script runs out unless told otherwise). A question
// that can be cancelled takes its answer from `choices` first, then from `answers`.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/messages.h"

namespace finplan {

class RecordingMessages : public Messages {
  public:
    struct Entry {
        std::string text;
        std::string title;
        MessageIcon icon;
        bool question;
    };

    void show(const std::string& text, const std::string& title, MessageIcon icon) override {
        entries.push_back({text, title, icon, false});
    }
    bool ask(const std::string& text, const std::string& title, MessageIcon icon) override {
        entries.push_back({text, title, icon, true});
        if (answers.empty()) return defaultAnswer;
        bool a = answers.front();
        answers.pop_front();
        return a;
    }

    Answer askOrCancel(const std::string& text, const std::string& title,
                       MessageIcon icon) override {
        if (choices.empty()) return Messages::askOrCancel(text, title, icon);
        entries.push_back({text, title, icon, true});
        Answer a = choices.front();
        choices.pop_front();
        return a;
    }

    // Texts of everything shown, in order.
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& e : entries)
            out.push_back(e.text);
        return out;
    }
    const Entry* last() const { return entries.empty() ? nullptr : &entries.back(); }

    std::vector<Entry> entries;
    std::deque<bool> answers;
    std::deque<Answer> choices;
    bool defaultAnswer = true;
};

} // namespace finplan

// Headless FileChooser: answers from a script and remembers what was asked.
#pragma once

#include <deque>
#include <vector>

#include "platform/file_chooser.h"

namespace finplan {

class ScriptedFileChooser : public FileChooser {
  public:
    std::optional<std::string> openFile(const FileChoice& choice) override { return next(choice); }
    std::optional<std::string> saveFile(const FileChoice& choice) override { return next(choice); }

    std::deque<std::optional<std::string>> answers; // nullopt = Cancel
    std::vector<FileChoice> asked;

  private:
    std::optional<std::string> next(const FileChoice& choice) {
        asked.push_back(choice);
        if (answers.empty()) return std::nullopt;
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
};

} // namespace finplan

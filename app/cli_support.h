// Pieces shared by the command-line runner's commands: messages on standard error
// and loading the scenario a command names.
#pragma once

#include <iosfwd>
#include <string>

#include "model/scenario.h"
#include "model/scenario_file.h"
#include "platform/messages.h"

namespace finplan::cli {

// Messages for a terminal: "TITLE: text" on standard error; questions get a fixed
// answer, since nobody is there to give one.
class StderrMessages : public Messages {
  public:
    explicit StderrMessages(bool answer = true) : answer_(answer) {}
    void show(const std::string& text, const std::string& title, MessageIcon icon) override;
    bool ask(const std::string& text, const std::string& title, MessageIcon icon) override;

  private:
    bool answer_;
};

// A folder of this command's own under $TMPDIR (or /tmp) for its scratch files, removed
// with everything in it when the command ends.
class ScratchFolder {
  public:
    ScratchFolder() = default;
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder();

    // False with the message shown when no folder could be made.
    bool create(Messages& messages);
    // name inside the folder.
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

// Loads path as Open does (events in list order). On failure the program's own
// message has been shown and the result is false.
bool loadScenario(const std::string& path, Scenario& s, ScenarioFiles& files, Messages& messages);

} // namespace finplan::cli

// Pieces shared by the command-line runner's commands: messages on standard error
// (the headless port) and loading the scenario a command names.
#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "model/scenario.h"
#include "model/scenario_file.h"
#include "platform/messages.h"
#include "platform/stderr_messages.h"
#include "results/ready_run.h"

namespace finplan::cli {

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

// A run of the scenario at path, loaded and its totals worked out, the plot file (if
// any) titled with its name; nullptr when it could not be loaded (message shown).
std::unique_ptr<ReadyRun> openRun(const std::string& path, const RunSetup& setup,
                                  ScenarioFiles& files, Messages& messages);

} // namespace finplan::cli

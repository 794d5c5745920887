#include "app/cli_support.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "model/atomic_file.h"
#include "model/file_prompts.h"
#include "model/safe_copy.h"
#include "model/scenario_ops.h"

namespace finplan::cli {

ScratchFolder::~ScratchFolder() {
    if (path_.empty()) return;
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

bool ScratchFolder::create(Messages& messages) {
    const char* tmp = std::getenv("TMPDIR");
    const std::string base = tmp != nullptr && tmp[0] == '/' ? tmp : "/tmp";
    std::string name = base + "/finplan-XXXXXX";
    if (::mkdtemp(name.data()) == nullptr) {
        showFileError(messages, "Cannot make a folder for scratch files in " + base + "!",
                      std::strerror(errno));
        return false;
    }
    path_ = name;
    return true;
}

bool loadScenario(const std::string& path, Scenario& s, ScenarioFiles& files, Messages& messages) {
    // The desktop Open is silent about a file it cannot open; a command must say why
    // it stopped.
    if (const FileResult r = checkReadableFile(path); !r) {
        showFileError(messages, cannotOpenText(path), r.reason);
        return false;
    }
    // The file may be half written: nothing is read from it until the user decides.
    if (const auto copy = findSafeCopy(path)) {
        messages.show(interruptedSaveText(path, *copy) + "\nRestore it with \"finplan restore " +
                          path + "\", or keep the file as it is with \"finplan restore --discard " +
                          path + "\".",
                      "FILE WARNING", MessageIcon::Warning);
        return false;
    }
    files.displayName = path;
    if (!readScenario(s, files, messages)) return false;
    files.windowTitle = windowTitleFor(files.displayName);
    sortEvents(s);
    return true;
}

std::unique_ptr<ReadyRun> openRun(const std::string& path, const RunSetup& setup,
                                  ScenarioFiles& files, Messages& messages) {
    auto ready = std::make_unique<ReadyRun>(setup, messages);
    if (!loadScenario(path, ready->scenario(), files, messages)) return nullptr;
    recomputeTotals(ready->scenario());
    if (ready->plot() != nullptr) ready->plot()->setFileTitle(files.displayName);
    return ready;
}

} // namespace finplan::cli

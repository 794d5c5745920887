#include "app/cli_support.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>

#include "model/atomic_file.h"
#include "model/file_prompts.h"
#include "model/safe_copy.h"
#include "model/scenario_ops.h"

namespace finplan::cli {

void StderrMessages::show(const std::string& text, const std::string& title, MessageIcon) {
    std::cerr << title << ": " << text << '\n';
}

bool StderrMessages::ask(const std::string& text, const std::string& title, MessageIcon) {
    std::cerr << title << ": " << text << (answer_ ? " Yes" : " No") << '\n';
    return answer_;
}

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

} // namespace finplan::cli

#include "model/file_prompts.h"

#include <sys/stat.h>

#include "model/safe_copy.h"

namespace finplan {

void offerToRestore(const std::string& path, Messages& messages) {
    const auto copy = findSafeCopy(path);
    if (!copy) return;
    if (!messages.ask(interruptedSaveText(path, *copy) + "\nDo you wish to restore it?",
                      "FILE WARNING", MessageIcon::Warning))
        return;
    if (const FileResult r = restoreSafeCopy(path); !r)
        showFileError(messages, "Cannot restore " + path + "!", r.reason);
}

bool fileExists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

std::string overwriteQuestion(const std::string& path, OverwriteWording wording) {
    return path + (wording == OverwriteWording::Exits ? " exits - Overwrite anyway?"
                                                      : " exists - Overwrite anyway?");
}

bool confirmOverwrite(const std::string& path, OverwriteWording wording, Messages& messages) {
    if (!fileExists(path)) return true;
    return messages.ask(overwriteQuestion(path, wording), "FILE WARNING", MessageIcon::Error);
}

std::string cannotOpenText(const std::string& path) {
    return "Cannot open " + path + "!";
}

std::string withReason(const std::string& text, const std::string& reason) {
    return reason.empty() ? text : text + "\n" + reason;
}

void showFileError(Messages& messages, const std::string& text, const std::string& reason) {
    messages.show(withReason(text, reason), "FILE ERROR", MessageIcon::Error);
}

} // namespace finplan

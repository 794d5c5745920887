// Port: the open and save file dialogs.
#pragma once

#include <optional>
#include <string>

namespace finplan {

struct FileChoice {
    std::string title;
    std::string filter;           // e.g. "Financial Scenarios (*.RET)"
    std::string defaultExtension; // without the dot, e.g. "ret"
    std::string initialName;      // may be empty
};

class FileChooser {
  public:
    virtual ~FileChooser() = default;
    // The chosen path, or nothing when the user cancels.
    virtual std::optional<std::string> openFile(const FileChoice& choice) = 0;
    virtual std::optional<std::string> saveFile(const FileChoice& choice) = 0;
};

} // namespace finplan

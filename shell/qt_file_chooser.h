// FileChooser port shown as Qt file dialogs.
#pragma once

#include <functional>

#include "platform/file_chooser.h"

#include <QStringList>

class QWidget;

namespace finplan {

class QtFileChooser : public FileChooser {
  public:
    // owner() gives the window the dialogs belong to (the current folder page).
    explicit QtFileChooser(std::function<QWidget*()> theOwner = {}) : owner(std::move(theOwner)) {}
    std::optional<std::string> openFile(const FileChoice& choice) override;
    std::optional<std::string> saveFile(const FileChoice& choice) override;

  private:
    std::optional<std::string> run(const FileChoice& choice, bool save);
    std::function<QWidget*()> owner;
};

// Qt name filters from a choice's filter text: either one "Description (*.ext)" or
// pairs written "Description|*.ext|Description|*.ext".
QStringList qtNameFilters(const std::string& filter);

} // namespace finplan

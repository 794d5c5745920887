// The keyboard of the main window without Qt: which command each of the desktop's
// standard keys runs, what the folder-stepping keys and the list keys do, and the
// help topic F1 opens for the folder on show.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace finplan {

// The platform's standard keys the planner answers (the shell maps each to the
// desktop's own key sequence, so the keys follow the user's platform).
enum class StandardKey {
    New,
    Open,
    Save,
    SaveAs,
    Print,
    Quit,
    Undo,
    Redo,
    HelpContents,  // F1
    NextFolder,    // Ctrl+Tab
    PreviousFolder // Ctrl+Shift+Tab
};

struct KeyBinding {
    int command;
    StandardKey key;
};

// The menu commands that carry a standard key, shown beside their menu items.
const std::vector<KeyBinding>& standardKeyCommands();

// The standard key of a menu command, if it has one.
std::optional<StandardKey> keyOfCommand(int command);

// The key to use where the platform defines none for a standard key ("Ctrl+Q").
const char* fallbackKey(StandardKey key);

// Print (the key) goes to the graph on show, else to the results.
int printCommand(bool graphShown);

// The item's own text without its "\t" hint; the shell puts the live key there.
std::string menuLabel(const std::string& text);

// The folder step keys: +1 next, -1 previous, wrapping round the tab row.
int steppedFolder(int current, int step, int tabCount);

// The help topic of the folder on show (F1); none means the table of contents.
std::optional<int> folderHelpContext(int tab, int analysisTab);

// Keys in the account and event lists act as the buttons below them do.
enum class ListKey { Enter, Insert, Delete, Other };
enum class ListAction { None, Edit, Add, Delete };
ListAction listAction(ListKey key);

} // namespace finplan

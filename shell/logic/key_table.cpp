#include "shell/logic/key_table.h"

#include "platform/help_contexts.h"
#include "shell/logic/command_ids.h"
#include "shell/logic/folder_tabs.h"

namespace finplan {

const std::vector<KeyBinding>& standardKeyCommands() {
    using namespace cmd;
    static const std::vector<KeyBinding> keys = {
        {kNew, StandardKey::New},
        {kOpen, StandardKey::Open},
        {kSave, StandardKey::Save},
        {kSaveAs, StandardKey::SaveAs},
        {kPrintResults, StandardKey::Print},
        {kExit, StandardKey::Quit},
        {kUndo, StandardKey::Undo},
        {kRedo, StandardKey::Redo},
        {kFolderHelp, StandardKey::HelpContents},
    };
    return keys;
}

std::optional<StandardKey> keyOfCommand(int command) {
    for (const KeyBinding& b : standardKeyCommands())
        if (b.command == command) return b.key;
    return std::nullopt;
}

const char* fallbackKey(StandardKey key) {
    switch (key) {
    case StandardKey::New:
        return "Ctrl+N";
    case StandardKey::Open:
        return "Ctrl+O";
    case StandardKey::Save:
        return "Ctrl+S";
    case StandardKey::SaveAs:
        return "Ctrl+Shift+S";
    case StandardKey::Print:
        return "Ctrl+P";
    case StandardKey::Quit:
        return "Ctrl+Q";
    case StandardKey::Undo:
        return "Ctrl+Z";
    case StandardKey::Redo:
        return "Ctrl+Shift+Z";
    case StandardKey::HelpContents:
        return "F1";
    case StandardKey::NextFolder:
        return "Ctrl+Tab";
    case StandardKey::PreviousFolder:
        return "Ctrl+Shift+Tab";
    }
    return "";
}

int printCommand(bool graphShown) {
    return graphShown ? cmd::kPrintGraph : cmd::kPrintResults;
}

std::string menuLabel(const std::string& text) {
    return text.substr(0, text.find('\t'));
}

int steppedFolder(int current, int step, int tabCount) {
    if (tabCount <= 0) return 0;
    return ((current + step) % tabCount + tabCount) % tabCount;
}

std::optional<int> folderHelpContext(int t, int analysis) {
    if (t == analysis) return std::nullopt;
    switch (t) {
    case tab::kSummary:
        return help::kTipSummary;
    case tab::kAccounts:
        return help::kAccountsFolder;
    case tab::kScenario:
        return help::kScenarioFolder;
    case tab::kResults:
        return help::kTipResults;
    default:
        return t >= tab::kNetWorth ? std::optional<int>(help::kTipGraphs) : std::nullopt;
    }
}

ListAction listAction(ListKey key) {
    switch (key) {
    case ListKey::Enter:
        return ListAction::Edit;
    case ListKey::Insert:
        return ListAction::Add;
    case ListKey::Delete:
        return ListAction::Delete;
    case ListKey::Other:
        break;
    }
    return ListAction::None;
}

} // namespace finplan

// The main window's menu "RetireMenu" and toolbar as plain tables; the Qt window
// builds its widgets from them, tests read them directly.
#pragma once

#include <string>
#include <vector>

namespace finplan {

struct MenuEntry {
    int id = 0;                   // 0 for separators and popups
    std::string text;             // "&New\tAlt+n"; empty for a separator
    std::vector<MenuEntry> items; // a popup when not empty
    bool isSeparator() const { return text.empty(); }
    bool isPopup() const { return !items.empty(); }
};

// The popups of the menu bar in order.
const std::vector<MenuEntry>& retireMenu();

struct ToolButton {
    int image = -1; // -1 for a separator
    int command = 0;
    const char* tooltip = "";
};

inline constexpr int kToolButtonCount = 33;
inline constexpr int kToolImageCount = 25;
const std::vector<ToolButton>& toolbarButtons();

// Items greyed in the no-scenario state.
const std::vector<int>& noScenarioGreyedIds();

} // namespace finplan

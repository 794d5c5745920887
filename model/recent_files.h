// The recent-file list kept in "finance.dat" and shown as numbered File menu entries.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace finplan {

inline constexpr int kRecentFileCount = 6;
// Command ids of the menu entries "(1) " .. "(6) ", and of the separator after them.
inline constexpr int kRecentFileIds[kRecentFileCount] = {602, 603, 604, 605, 606, 609};
inline constexpr int kRecentSeparatorId = 607;

struct RecentMenuItem {
    int id;
    std::string label; // "(1) " + file name
};

// What the File menu shows before "A&bout..": the entries, then the separator when
// there is at least one entry.
struct RecentMenu {
    std::vector<RecentMenuItem> items;
    bool separator = false;
};

class RecentFiles {
  public:
    // Most recent first; an empty entry ends the list.
    std::array<std::string, kRecentFileCount> entries;

    // Puts the name first and removes later repeats (case-insensitive). Names of three
    // characters or fewer are ignored.
    void add(const std::string& name);

    // Entries up to the first empty one.
    int count() const;

    RecentMenu menu() const;

    // The file behind a menu command id, or nullptr when the id is not a recent entry.
    const std::string* fileForCommand(int id) const;
};

} // namespace finplan

#include "model/recent_files.h"

#include <cctype>

namespace finplan {

namespace {

bool sameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

} // namespace

void RecentFiles::add(const std::string& name) {
    if (name.size() <= 3) return;
    for (int i = kRecentFileCount - 1; i > 0; --i)
        entries[i] = entries[i - 1];
    entries[0] = name;

    for (int i = 0; i < kRecentFileCount - 1; ++i) {
        // Empty entries all compare equal; removing them would only shuffle blanks.
        if (entries[i].empty()) continue;
        int j = i + 1;
        while (j < kRecentFileCount) {
            if (sameName(entries[i], entries[j])) {
                for (int k = j; k < kRecentFileCount - 1; ++k)
                    entries[k] = entries[k + 1];
                entries[kRecentFileCount - 1].clear();
            } else {
                ++j;
            }
        }
    }
}

int RecentFiles::count() const {
    int n = 0;
    while (n < kRecentFileCount && !entries[n].empty())
        ++n;
    return n;
}

RecentMenu RecentFiles::menu() const {
    RecentMenu m;
    const int n = count();
    for (int i = 0; i < n; ++i) {
        m.items.push_back({kRecentFileIds[i], "(" + std::to_string(i + 1) + ") " + entries[i]});
    }
    m.separator = n > 0;
    return m;
}

const std::string* RecentFiles::fileForCommand(int id) const {
    const int n = count();
    for (int i = 0; i < n; ++i) {
        if (kRecentFileIds[i] == id) return &entries[i];
    }
    return nullptr;
}

} // namespace finplan

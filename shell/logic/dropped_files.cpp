#include "shell/logic/dropped_files.h"

#include <algorithm>
#include <cctype>

namespace finplan {

namespace {

bool endsWithNoCase(const std::string& path, const std::string& ending) {
    if (path.size() <= ending.size()) return false;
    return std::equal(ending.begin(), ending.end(), path.end() - static_cast<long>(ending.size()),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

} // namespace

DropKind dropKindOf(const std::string& path, bool onAccountsFolder) {
    if (endsWithNoCase(path, ".ret")) return DropKind::Scenario;
    if (onAccountsFolder && (endsWithNoCase(path, ".kvi") || endsWithNoCase(path, ".txt")))
        return DropKind::TabAccounts;
    return DropKind::None;
}

} // namespace finplan

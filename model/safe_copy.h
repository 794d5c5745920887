// A save that must write a file in place (hard links, a read-only folder, an owner a
// new file cannot be given) first keeps a complete copy of the new bytes: beside the
// file, or in the per-user state folder when the folder takes no new files. The copy
// is removed once the file holds the new bytes on disk, so a copy that is still there
// means that save was interrupted and the file may hold new bytes and old ones mixed.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "model/file_target.h"

namespace finplan {

// $XDG_STATE_HOME/finplanner, else ~/.local/state/finplanner; empty when neither is known.
std::string stateFolder();

// Writes bytes into the file t in place, after a complete copy of them is kept safe;
// the copy is removed once the file is complete and synced. A write that fails puts
// the old bytes back. Fails without touching the file when no copy can be kept.
FileResult saveInPlace(const WriteTarget& t, std::span<const uint8_t> bytes);

// The steps of saveInPlace, each on its own: the copy (its name in copyPath), then the
// write into the file itself.
FileResult keepSafeCopy(const WriteTarget& t, std::span<const uint8_t> bytes,
                        std::string& copyPath);
FileResult rewriteInPlace(const WriteTarget& t, std::span<const uint8_t> bytes);

// The copy an interrupted save of path left, if there is one.
std::optional<std::string> findSafeCopy(const std::string& path);

// Removes every copy kept for t; a save that completed makes them stale.
void removeSafeCopies(const WriteTarget& t);

// Makes the copy's bytes path's content, then removes the copy.
FileResult restoreSafeCopy(const std::string& path);
// Removes the copy and leaves path as it is.
FileResult discardSafeCopy(const std::string& path);

// "The last save of PATH was interrupted ..." naming the copy, for both programs.
std::string interruptedSaveText(const std::string& path, const std::string& copy);

} // namespace finplan

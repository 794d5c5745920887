// The questions and messages around writing a file, in one place for every writer:
// the overwrite question, "Cannot open ...!" and the "FILE ERROR" box, which adds the
// system's reason on a second line when there is one.
#pragma once

#include <string>

#include "platform/messages.h"

namespace finplan {

// How the overwrite question is worded. Both wordings are the program's own and
// users and scripts have seen each for its files: the scenario (Save As) and the
// tab export say "exits", the accounts file and Save Graphs say "exists". The typo
// is kept on purpose; do not "fix" it.
enum class OverwriteWording { Exits, Exists };

// The one existence check of the writers: anything at that name counts, also a
// dangling symbolic link or a loop of links (writing there would not create a file).
bool fileExists(const std::string& path);

// path followed by " exits - Overwrite anyway?" or " exists - Overwrite anyway?".
std::string overwriteQuestion(const std::string& path, OverwriteWording wording);

// True when nothing is at path, or when the user answers Yes to the overwrite
// question ("FILE WARNING", error icon).
bool confirmOverwrite(const std::string& path, OverwriteWording wording, Messages& messages);

// "Cannot open " + path + "!".
std::string cannotOpenText(const std::string& path);

// A message box titled "FILE ERROR" with the error icon: text, and on a second line
// the reason the system gave, when there is one.
void showFileError(Messages& messages, const std::string& text, const std::string& reason = {});

// Before a file is read: when an interrupted save of it left a copy (model/safe_copy.h),
// says so and puts the copy back on Yes; No reads the file as it is and keeps the copy
// for another time.
void offerToRestore(const std::string& path, Messages& messages);

// text, then "\n" and reason when reason is not empty.
std::string withReason(const std::string& text, const std::string& reason);

} // namespace finplan

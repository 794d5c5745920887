// Writing a file the user cares about: the bytes go to a temporary file in the same
// folder, which then replaces the target in one rename, so a failed write (full
// disk, no permission) never destroys the old file. Only a regular file (or a
// symbolic link to one) is ever replaced; its mode, owner and hard links are kept.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/file_target.h"

namespace finplan {

// Makes bytes the whole content of path, or says why not and leaves the old file as
// it was. A symbolic link is followed to the file it names.
FileResult saveFile(const std::string& path, std::span<const uint8_t> bytes);
FileResult saveTextFile(const std::string& path, std::string_view text);

// The same without the reason.
bool writeFileAtomically(const std::string& path, std::span<const uint8_t> bytes);
bool writeTextFileAtomically(const std::string& path, std::string_view text);

// Whether path could be written now: a regular file that may be written, or a new
// name in a folder that takes new files. Creates and changes nothing.
FileResult checkWritableTarget(const std::string& path);
bool canOpenForWriting(const std::string& path);

// Reads at most maxBytes from the start of path; false when it cannot be opened or
// is not a regular file (a folder, a device, a named pipe).
bool readFilePrefix(const std::string& path, std::size_t maxBytes, std::vector<uint8_t>& out);

// The most that is read of a small settings-like text file.
inline constexpr std::size_t kMaxSettingsFileBytes = 1u << 20;

// Whether path is a regular file that can be opened for reading; nothing is read.
FileResult checkReadableFile(const std::string& path);

// The same with the reason, for readers that say why a file could not be read.
FileResult readRegularFile(const std::string& path, std::size_t maxBytes,
                           std::vector<uint8_t>& out);
FileResult readTextFile(const std::string& path, std::size_t maxBytes, std::string& out);

} // namespace finplan

// Writing a file the user cares about: the bytes go to a temporary file in the same
// folder, which then replaces the target in one rename, so a failed write (full
// disk, no permission) never destroys the old file.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace finplan {

// True when the whole of bytes is now the content of path. A symbolic link is
// followed to the file it names; a file that may not be written is refused.
bool writeFileAtomically(const std::string& path, std::span<const uint8_t> bytes);

// The same for a text, written byte for byte.
bool writeTextFileAtomically(const std::string& path, std::string_view text);

// Whether path may be written, checked by opening it for append: a missing file is
// created empty, an existing one is left as it is.
bool canOpenForWriting(const std::string& path);

// Reads at most maxBytes from the start of path; false when it cannot be opened or
// read (a folder).
bool readFilePrefix(const std::string& path, std::size_t maxBytes, std::vector<uint8_t>& out);

} // namespace finplan

// The new bytes of a save in a file of their own beside where they will go, on disk
// and named only once complete, so a save killed half way leaves nothing that looks
// finished. Also the small write and read loops every file writer shares.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/file_target.h"

namespace finplan {

// Writes all of bytes at the start of fd; false with errno set when it cannot.
bool writeAllAt(int fd, std::span<const uint8_t> bytes);

// Reads up to maxBytes from an open file.
bool readAll(int fd, std::size_t maxBytes, std::vector<uint8_t>& out);

// Removes what earlier saves of dir/base left behind when they were killed.
void removeStaleTemps(const std::string& dir, const std::string& base);

// Whether a failure to create a file (its errno) means the folder takes no new files.
bool folderRefusesNewFiles(int error);

// Makes the latest renames and removals in dir last through a crash.
void syncFolder(const std::string& dir);

class TempFile {
  public:
    TempFile() = default;
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile() { discard(); }

    int createErrno = 0;   // why no file could be made in the folder
    bool ownerKept = true; // the target's owner and group could be given to it

    // Writes bytes, with t's mode and owner (or a new file's mode when t does not
    // exist), to a synced file named ".base.XXXXXX" in dir.
    FileResult write(const std::string& dir, const std::string& base,
                     std::span<const uint8_t> bytes, const WriteTarget& t);
    // Gives the written file the name target in one rename.
    FileResult replace(const std::string& target);
    void discard();

  private:
    bool openNamed(const std::string& dir, const std::string& base);
    bool fill(std::span<const uint8_t> bytes, const WriteTarget& t);
    void keepOwner(const struct stat& target);
    bool linkName(const std::string& dir, const std::string& base);
    void closeFd();

    int fd_ = -1;
    std::string name_;
};

} // namespace finplan

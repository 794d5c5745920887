// What a file name leads to before it is read or written: the outcome type of the
// file operations and the target a writer replaces once symbolic links are followed.
#pragma once

#include <sys/stat.h>

#include <string>

namespace finplan {

// ok, or why not in the system's words ("No space left on device", "Is a folder").
struct FileResult {
    bool ok = true;
    std::string reason;
    explicit operator bool() const { return ok; }
    static FileResult failed(std::string why) { return {false, std::move(why)}; }
    static FileResult fromErrno(int error);
};

// Why a file of this mode is not one the program reads or writes as a file; empty
// for a regular file.
std::string notAFileReason(mode_t mode);

// What path leads to when it is there but is not a file the program can read (a
// folder, a device, a named pipe, a loop of links); empty otherwise.
std::string notAFileReasonAt(const std::string& path);

// The file a writer replaces: the name once symbolic links are followed, and what is
// there now.
struct WriteTarget {
    std::string path;
    bool exists = false;
    struct stat info {};
};

// Follows path's symbolic links to the name that holds (or will hold) the bytes.
// Fails for a loop of links, for anything that is there but is not a regular file,
// and for a name the system cannot look at.
FileResult resolveWriteTarget(const std::string& path, WriteTarget& target);

std::string folderOf(const std::string& path);
// path with the working folder in front when it is relative, so a message about the
// file names its folder too.
std::string absolutePath(const std::string& path);
std::string baseNameOf(const std::string& path);

} // namespace finplan

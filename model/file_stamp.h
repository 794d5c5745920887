// What a file was when the program last read or wrote it (its identity, size and time),
// so the desktop can tell before it replaces the file that another program changed it.
#pragma once

#include <sys/stat.h>

#include <optional>
#include <string>

#include "platform/messages.h"

namespace finplan {

struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    bool operator==(const FileStamp& o) const {
        return device == o.device && inode == o.inode && size == o.size &&
               modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec;
    }
};

// The stamp of what is at path now; none when nothing (or no file) is there.
std::optional<FileStamp> stampOf(const std::string& path);

// A file the program read or wrote, and its stamp then.
struct KnownFile {
    std::string path;
    std::optional<FileStamp> stamp;

    void remember(const std::string& p, std::optional<FileStamp> s) {
        path = p;
        stamp = s;
    }
    void remember(const std::string& p) { remember(p, stampOf(p)); }
    // True when p is this file and what is there now is not what the program saw.
    bool changedSince(const std::string& p) const;
};

// Before the program replaces path: when another program changed it since it was read
// or written here, asks "PATH was changed by another program since you opened it.
// Replace it?". True when nothing changed or the user answers Yes.
bool confirmReplaceChanged(const KnownFile& known, const std::string& path, Messages& messages);

} // namespace finplan

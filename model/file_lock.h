// An advisory lock held on a file for the whole of a read-modify-write, so two programs
// updating one file take turns instead of one silently undoing the other's change.
#pragma once

#include <string>

#include "model/file_target.h"

namespace finplan {

class FileLock {
  public:
    FileLock() = default;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock() { release(); }

    // Waits until this process alone holds path's lock. A save replaces the file by a
    // new one, so a lock that was granted on a file that has been replaced meanwhile
    // is taken again on the file now at path.
    FileResult acquire(const std::string& path);
    void release();

  private:
    int fd_ = -1;
};

} // namespace finplan

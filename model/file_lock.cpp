#include "model/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace finplan {

namespace {

// Each retry means another program replaced the file in the meantime; after this
// many something keeps replacing it and waiting longer would not help.
constexpr int kMaxAttempts = 1000;

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

FileResult FileLock::acquire(const std::string& path) {
    release();
    for (int attempt = 0; attempt < kMaxAttempts; ++attempt) {
        // Not blocking on open: a named pipe given as the file must not hang.
        fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd_ < 0) return FileResult::fromErrno(errno);
        struct stat held {};
        if (::fstat(fd_, &held) != 0) break;
        if (!S_ISREG(held.st_mode)) {
            release();
            return FileResult::failed(notAFileReason(held.st_mode));
        }
        int locked = 0;
        while ((locked = ::flock(fd_, LOCK_EX)) != 0 && errno == EINTR) {
        }
        if (locked != 0) break;
        struct stat now {};
        if (::stat(path.c_str(), &now) == 0 && sameFile(now, held)) return {};
        release();
    }
    const int error = fd_ < 0 ? EAGAIN : errno;
    release();
    return FileResult::fromErrno(error);
}

void FileLock::release() {
    if (fd_ >= 0) ::close(fd_); // closing gives up the lock
    fd_ = -1;
}

} // namespace finplan

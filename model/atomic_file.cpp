#include "model/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <ctime>
#include <random>

namespace finplan {

namespace {

// Temporary files are named ".NAME.XXXXXX" beside the target; one left by a save
// that was killed is removed by a later save of the same target once it is this old.
constexpr std::time_t kStaleTempSeconds = 60;
constexpr std::size_t kTempTailLength = 7; // ".XXXXXX"

// The mode a newly created file would get.
mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool writeAllAt(int fd, std::span<const uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Reads up to maxBytes from an open file.
bool readAll(int fd, std::size_t maxBytes, std::vector<uint8_t>& out) {
    out.clear();
    uint8_t buf[65536];
    while (out.size() < maxBytes) {
        const std::size_t want = std::min(sizeof buf, maxBytes - out.size());
        const ssize_t n = ::read(fd, buf, want);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        out.insert(out.end(), buf, buf + n);
    }
    return true;
}

bool isOwnTempName(const std::string& entry, const std::string& base) {
    if (entry.size() != 1 + base.size() + kTempTailLength) return false;
    if (entry[0] != '.' || entry.compare(1, base.size(), base) != 0) return false;
    if (entry[1 + base.size()] != '.') return false;
    for (std::size_t i = entry.size() - 6; i < entry.size(); ++i)
        if (!std::isalnum(static_cast<unsigned char>(entry[i]))) return false;
    return true;
}

// Removes what earlier saves of this target left behind when they were killed.
void removeStaleTemps(const std::string& dir, const std::string& base) {
    DIR* d = ::opendir(dir.c_str());
    if (d == nullptr) return;
    const std::time_t now = std::time(nullptr);
    while (const dirent* e = ::readdir(d)) {
        const std::string name = e->d_name;
        if (!isOwnTempName(name, base)) continue;
        const std::string path = dir + "/" + name;
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        if (st.st_uid != ::geteuid() || now - st.st_mtime < kStaleTempSeconds) continue;
        ::unlink(path.c_str());
    }
    ::closedir(d);
}

std::string randomTempName(const std::string& dir, const std::string& base) {
    static constexpr char kChars[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device rd;
    std::string name = dir + "/." + base + ".";
    for (int i = 0; i < 6; ++i)
        name += kChars[rd() % (sizeof kChars - 1)];
    return name;
}

// The new bytes in a file of their own beside the target, on disk and named.
class TempFile {
  public:
    TempFile() = default;
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile() { discard(); }

    int createErrno = 0;   // why no file could be made in the folder
    bool ownerKept = true; // the target's owner and group could be given to it

    FileResult write(const std::string& dir, const std::string& base,
                     std::span<const uint8_t> bytes, const WriteTarget& t) {
        // An unnamed file first: a save killed before its rename leaves nothing.
        fd_ = ::open(dir.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
        if (fd_ < 0 && !openNamed(dir, base)) return FileResult::fromErrno(createErrno);
        if (!fill(bytes, t)) return FileResult::fromErrno(errno);
        if (name_.empty() && !linkName(dir, base)) {
            // No way to name it here (no /proc): write a named one instead.
            const int e = errno;
            closeFd();
            if (!openNamed(dir, base) || !fill(bytes, t)) return FileResult::fromErrno(e);
        }
        return {};
    }

    FileResult replace(const std::string& target) {
        if (::rename(name_.c_str(), target.c_str()) != 0) return FileResult::fromErrno(errno);
        name_.clear();
        return {};
    }

    void discard() {
        closeFd();
        if (!name_.empty()) ::unlink(name_.c_str());
        name_.clear();
    }

  private:
    bool openNamed(const std::string& dir, const std::string& base) {
        name_ = dir + "/." + base + ".XXXXXX";
        fd_ = ::mkstemp(name_.data());
        if (fd_ >= 0) return true;
        createErrno = errno;
        name_.clear();
        return false;
    }

    bool fill(std::span<const uint8_t> bytes, const WriteTarget& t) {
        if (!writeAllAt(fd_, bytes)) return false;
        if (t.exists) keepOwner(t.info);
        const mode_t mode = t.exists ? (t.info.st_mode & 07777) : newFileMode();
        return ::fchmod(fd_, mode) == 0 && ::fsync(fd_) == 0;
    }

    void keepOwner(const struct stat& target) {
        struct stat mine {};
        if (::fstat(fd_, &mine) != 0) return;
        if (mine.st_uid == target.st_uid && mine.st_gid == target.st_gid) return;
        ownerKept = ::fchown(fd_, target.st_uid, target.st_gid) == 0;
    }

    bool linkName(const std::string& dir, const std::string& base) {
        const std::string self = "/proc/self/fd/" + std::to_string(fd_);
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::string name = randomTempName(dir, base);
            if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
                name_ = std::move(name);
                return true;
            }
            if (errno != EEXIST) return false;
        }
        return false;
    }

    void closeFd() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }

    int fd_ = -1;
    std::string name_;
};

// Writes bytes into the target's own inode, which keeps its hard links and owner.
// The old bytes are held in memory and put back when the write fails.
FileResult rewriteInPlace(const WriteTarget& t, std::span<const uint8_t> bytes) {
    const int fd = ::open(t.path.c_str(), O_RDWR | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return FileResult::fromErrno(errno);
    struct stat st {};
    std::vector<uint8_t> old;
    FileResult r;
    if (::fstat(fd, &st) != 0 || !readAll(fd, static_cast<std::size_t>(-1), old)) {
        r = FileResult::fromErrno(errno);
    } else if (!S_ISREG(st.st_mode)) {
        r = FileResult::failed(notAFileReason(st.st_mode));
    } else if (!writeAllAt(fd, bytes) || ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0 ||
               ::fsync(fd) != 0) {
        r = FileResult::fromErrno(errno);
        writeAllAt(fd, old);
        if (::ftruncate(fd, static_cast<off_t>(old.size())) == 0) ::fsync(fd);
    }
    ::close(fd);
    return r;
}

bool folderRefusesNewFiles(int error) {
    return error == EACCES || error == EPERM || error == EROFS;
}

} // namespace

FileResult saveFile(const std::string& path, std::span<const uint8_t> bytes) {
    WriteTarget t;
    if (FileResult r = resolveWriteTarget(path, t); !r) return r;
    // A file that may not be written stays as it is, as opening it for writing would
    // fail; the rename alone would only need the folder to be writable.
    if (t.exists && ::access(t.path.c_str(), W_OK) != 0) return FileResult::fromErrno(errno);
    const std::string dir = folderOf(t.path);
    const std::string base = baseNameOf(t.path);
    removeStaleTemps(dir, base);

    TempFile temp;
    FileResult r = temp.write(dir, base, bytes, t);
    if (!r) {
        // A folder that takes no new files around a file that may be written.
        if (t.exists && folderRefusesNewFiles(temp.createErrno)) return rewriteInPlace(t, bytes);
        return r;
    }
    if (t.exists && (t.info.st_nlink > 1 || !temp.ownerKept)) {
        // Hard links, or an owner a new file cannot be given: the bytes go into the
        // file itself, while the named copy beside it holds them safely meanwhile.
        r = rewriteInPlace(t, bytes);
        temp.discard();
        return r;
    }
    return temp.replace(t.path);
}

FileResult saveTextFile(const std::string& path, std::string_view text) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    return saveFile(path, std::span<const uint8_t>(bytes, text.size()));
}

bool writeFileAtomically(const std::string& path, std::span<const uint8_t> bytes) {
    return saveFile(path, bytes).ok;
}

bool writeTextFileAtomically(const std::string& path, std::string_view text) {
    return saveTextFile(path, text).ok;
}

FileResult checkWritableTarget(const std::string& path) {
    WriteTarget t;
    if (FileResult r = resolveWriteTarget(path, t); !r) return r;
    const std::string& probe = t.exists ? t.path : folderOf(t.path);
    if (::access(probe.c_str(), t.exists ? W_OK : W_OK | X_OK) != 0)
        return FileResult::fromErrno(errno);
    return {};
}

bool canOpenForWriting(const std::string& path) {
    return checkWritableTarget(path).ok;
}

FileResult readRegularFile(const std::string& path, std::size_t maxBytes,
                           std::vector<uint8_t>& out) {
    out.clear();
    // Devices are not even opened: opening some of them does something.
    if (const std::string why = notAFileReasonAt(path); !why.empty())
        return FileResult::failed(why);
    // Not blocking: a named pipe given as a file must not hang the reader.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return FileResult::fromErrno(errno);
    struct stat st {};
    FileResult r;
    if (::fstat(fd, &st) != 0) {
        r = FileResult::fromErrno(errno);
    } else if (!S_ISREG(st.st_mode)) {
        r = FileResult::failed(notAFileReason(st.st_mode));
    } else if (!readAll(fd, maxBytes, out)) {
        r = FileResult::fromErrno(errno);
    }
    ::close(fd);
    return r;
}

FileResult readTextFile(const std::string& path, std::size_t maxBytes, std::string& out) {
    std::vector<uint8_t> bytes;
    FileResult r = readRegularFile(path, maxBytes, bytes);
    out.assign(bytes.begin(), bytes.end());
    return r;
}

FileResult checkReadableFile(const std::string& path) {
    std::vector<uint8_t> none;
    return readRegularFile(path, 0, none);
}

bool readFilePrefix(const std::string& path, std::size_t maxBytes, std::vector<uint8_t>& out) {
    return readRegularFile(path, maxBytes, out).ok;
}

} // namespace finplan

#include "model/temp_file.h"

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

bool isOwnTempName(const std::string& entry, const std::string& base) {
    if (entry.size() != 1 + base.size() + kTempTailLength) return false;
    if (entry[0] != '.' || entry.compare(1, base.size(), base) != 0) return false;
    if (entry[1 + base.size()] != '.') return false;
    for (std::size_t i = entry.size() - 6; i < entry.size(); ++i)
        if (!std::isalnum(static_cast<unsigned char>(entry[i]))) return false;
    return true;
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

} // namespace

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

bool folderRefusesNewFiles(int error) {
    return error == EACCES || error == EPERM || error == EROFS;
}

void syncFolder(const std::string& dir) {
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

FileResult TempFile::write(const std::string& dir, const std::string& base,
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

FileResult TempFile::replace(const std::string& target) {
    if (::rename(name_.c_str(), target.c_str()) != 0) return FileResult::fromErrno(errno);
    name_.clear();
    return {};
}

void TempFile::discard() {
    closeFd();
    if (!name_.empty()) ::unlink(name_.c_str());
    name_.clear();
}

bool TempFile::openNamed(const std::string& dir, const std::string& base) {
    name_ = dir + "/." + base + ".XXXXXX";
    fd_ = ::mkstemp(name_.data());
    if (fd_ >= 0) return true;
    createErrno = errno;
    name_.clear();
    return false;
}

bool TempFile::fill(std::span<const uint8_t> bytes, const WriteTarget& t) {
    if (!writeAllAt(fd_, bytes)) return false;
    if (t.exists) keepOwner(t.info);
    const mode_t mode = t.exists ? (t.info.st_mode & 07777) : newFileMode();
    return ::fchmod(fd_, mode) == 0 && ::fsync(fd_) == 0;
}

void TempFile::keepOwner(const struct stat& target) {
    struct stat mine {};
    if (::fstat(fd_, &mine) != 0) return;
    if (mine.st_uid == target.st_uid && mine.st_gid == target.st_gid) return;
    ownerKept = ::fchown(fd_, target.st_uid, target.st_gid) == 0;
}

bool TempFile::linkName(const std::string& dir, const std::string& base) {
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

void TempFile::closeFd() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

} // namespace finplan

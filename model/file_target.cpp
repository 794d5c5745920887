#include "model/file_target.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace finplan {

namespace {

// As many links as the system itself follows before it calls it a loop.
constexpr int kMaxLinkSteps = 40;

std::string linkText(const std::string& path) {
    std::vector<char> buf(4096);
    const ssize_t n = ::readlink(path.c_str(), buf.data(), buf.size());
    if (n < 0 || static_cast<std::size_t>(n) >= buf.size()) return {};
    return std::string(buf.data(), static_cast<std::size_t>(n));
}

} // namespace

FileResult FileResult::fromErrno(int error) {
    return failed(std::strerror(error));
}

std::string notAFileReason(mode_t mode) {
    if (S_ISREG(mode)) return {};
    if (S_ISDIR(mode)) return "Is a folder, not a file";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "Is a device, not a file";
    if (S_ISFIFO(mode)) return "Is a named pipe (FIFO), not a file";
    if (S_ISSOCK(mode)) return "Is a socket, not a file";
    return "Is not a regular file";
}

std::string notAFileReasonAt(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) return notAFileReason(st.st_mode);
    return errno == ELOOP ? std::strerror(errno) : std::string();
}

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string absolutePath(const std::string& path) {
    if (path.empty() || path.front() == '/') return path;
    std::vector<char> buf(4096);
    if (::getcwd(buf.data(), buf.size()) == nullptr) return path;
    const std::string rest = path.starts_with("./") ? path.substr(2) : path;
    return std::string(buf.data()) + "/" + rest;
}

std::string baseNameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

FileResult resolveWriteTarget(const std::string& named, WriteTarget& target) {
    target = WriteTarget{};
    if (named.empty()) return FileResult::fromErrno(ENOENT);
    std::string p = named;
    for (int step = 0; step < kMaxLinkSteps; ++step) {
        if (::lstat(p.c_str(), &target.info) != 0) {
            if (errno != ENOENT) return FileResult::fromErrno(errno);
            target.path = p; // a new file, or the missing file a link points to
            return {};
        }
        if (!S_ISLNK(target.info.st_mode)) {
            target.path = p;
            target.exists = true;
            const std::string why = notAFileReason(target.info.st_mode);
            return why.empty() ? FileResult{} : FileResult::failed(why);
        }
        const std::string to = linkText(p);
        if (to.empty()) return FileResult::fromErrno(EINVAL);
        p = to.front() == '/' ? to : folderOf(p) + "/" + to;
    }
    return FileResult::fromErrno(ELOOP);
}

} // namespace finplan

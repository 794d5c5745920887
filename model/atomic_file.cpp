#include "model/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace finplan {

namespace {

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string baseNameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The mode a newly created file would get, or the target's own mode when it exists.
mode_t modeFor(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The file a path names once symbolic links are followed: renaming over the link
// itself would cut it loose from the file it points to. A loop of links stops after a
// few steps at the last name reached.
std::string followLinks(const std::string& path) {
    namespace fs = std::filesystem;
    fs::path p = path;
    for (int step = 0; step < 40; ++step) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(p, ec)) || ec) break;
        const fs::path to = fs::read_symlink(p, ec);
        if (ec) break;
        p = to.is_absolute() ? to : p.parent_path() / to;
    }
    return p.string();
}

bool writeAll(int fd, std::span<const uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

bool writeFileAtomically(const std::string& named, std::span<const uint8_t> bytes) {
    if (named.empty()) return false;
    const std::string path = followLinks(named);
    // A file that may not be written stays as it is, as opening it for writing would
    // fail; the rename alone would only need the folder to be writable.
    if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0) return false;
    std::string temp = folderOf(path) + "/." + baseNameOf(path) + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    bool ok = writeAll(fd, bytes) && ::fchmod(fd, modeFor(path)) == 0 && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) ok = ::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

bool writeTextFileAtomically(const std::string& path, std::string_view text) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    return writeFileAtomically(path, std::span<const uint8_t>(bytes, text.size()));
}

bool readFilePrefix(const std::string& path, std::size_t maxBytes, std::vector<uint8_t>& out) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    out.resize(maxBytes);
    const std::size_t n = std::fread(out.data(), 1, maxBytes, f);
    out.resize(n);
    // A folder opens but cannot be read: it counts as a file that cannot be opened.
    const bool readable = std::ferror(f) == 0;
    std::fclose(f);
    return readable;
}

bool canOpenForWriting(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "ab");
    if (f == nullptr) return false;
    std::fclose(f);
    return true;
}

} // namespace finplan

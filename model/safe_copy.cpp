#include "model/safe_copy.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "model/atomic_file.h"
#include "model/temp_file.h"

namespace finplan {

namespace {

// Beside the file the copy is hidden; in the state folder it keeps the file's own name
// behind a tag of the file's full path, so copies of equal names in different folders
// never meet.
constexpr const char* kBesideSuffix = ".unsaved";
constexpr const char* kStateSubfolder = "unsaved";

// The largest copy read back; far above any file the program saves in place.
constexpr std::size_t kMaxCopyBytes = 64u << 20;

std::string absoluteFolder(const std::string& dir) {
    std::unique_ptr<char, decltype(&std::free)> real(::realpath(dir.c_str(), nullptr), &std::free);
    return real ? std::string(real.get()) : dir;
}

// FNV-1a: a short stable tag of a path.
std::string pathTag(const std::string& path) {
    uint64_t h = 14695981039346656037ull;
    for (const unsigned char c : path) {
        h ^= c;
        h *= 1099511628211ull;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(h));
    return text;
}

std::string besideCopy(const std::string& target) {
    return folderOf(target) + "/." + baseNameOf(target) + kBesideSuffix;
}

std::string stateCopy(const std::string& target) {
    const std::string state = stateFolder();
    if (state.empty()) return {};
    const std::string full = absoluteFolder(folderOf(target)) + "/" + baseNameOf(target);
    return state + "/" + kStateSubfolder + "/" + pathTag(full) + "-" + baseNameOf(target);
}

bool makeFolders(const std::string& path) {
    for (std::size_t at = 1; at != std::string::npos;) {
        at = path.find('/', at + 1);
        const std::string part = path.substr(0, at);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    return true;
}

bool isRegularFile(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// Writes bytes to copyPath through a synced temporary file and one rename, so only a
// complete copy ever carries that name.
FileResult writeCopy(const std::string& copyPath, std::span<const uint8_t> bytes,
                     int* createErrno = nullptr) {
    const std::string dir = folderOf(copyPath);
    const std::string base = baseNameOf(copyPath);
    removeStaleTemps(dir, base);
    WriteTarget mine;
    mine.exists = true; // private to the user, whatever the file's own mode
    mine.info.st_mode = S_IFREG | 0600;
    mine.info.st_uid = ::geteuid();
    mine.info.st_gid = ::getegid();
    TempFile temp;
    if (FileResult r = temp.write(dir, base, bytes, mine); !r) {
        if (createErrno != nullptr) *createErrno = temp.createErrno;
        return r;
    }
    if (FileResult r = temp.replace(copyPath); !r) return r;
    syncFolder(dir);
    return {};
}

WriteTarget targetOf(const std::string& path) {
    WriteTarget t;
    resolveWriteTarget(path, t);
    return t;
}

} // namespace

std::string stateFolder() {
    // A relative XDG_STATE_HOME is not valid and is ignored, as desktops do.
    const char* xdg = std::getenv("XDG_STATE_HOME");
    if (xdg != nullptr && xdg[0] == '/') return std::string(xdg) + "/finplanner";
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] == '\0') {
        const passwd* pw = ::getpwuid(::geteuid());
        home = pw != nullptr ? pw->pw_dir : nullptr;
    }
    if (home == nullptr || home[0] == '\0') return {};
    return std::string(home) + "/.local/state/finplanner";
}

FileResult keepSafeCopy(const WriteTarget& t, std::span<const uint8_t> bytes,
                        std::string& copyPath) {
    copyPath = besideCopy(t.path);
    int createErrno = 0;
    FileResult r = writeCopy(copyPath, bytes, &createErrno);
    if (r || !folderRefusesNewFiles(createErrno)) return r;
    copyPath = stateCopy(t.path);
    if (copyPath.empty()) return FileResult::failed("No folder to keep a copy of the new bytes in");
    if (!makeFolders(folderOf(copyPath))) return FileResult::fromErrno(errno);
    return writeCopy(copyPath, bytes);
}

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
        // The old bytes are put back, so the file is whole again either way.
        r = FileResult::fromErrno(errno);
        writeAllAt(fd, old);
        if (::ftruncate(fd, static_cast<off_t>(old.size())) == 0) ::fsync(fd);
    }
    ::close(fd);
    return r;
}

FileResult saveInPlace(const WriteTarget& t, std::span<const uint8_t> bytes) {
    std::string copy;
    if (FileResult r = keepSafeCopy(t, bytes, copy); !r) return r;
    const FileResult r = rewriteInPlace(t, bytes);
    ::unlink(copy.c_str());
    return r;
}

std::optional<std::string> findSafeCopy(const std::string& path) {
    const WriteTarget t = targetOf(path);
    if (t.path.empty()) return std::nullopt;
    for (const std::string& copy : {besideCopy(t.path), stateCopy(t.path)})
        if (!copy.empty() && isRegularFile(copy)) return copy;
    return std::nullopt;
}

void removeSafeCopies(const WriteTarget& t) {
    for (const std::string& copy : {besideCopy(t.path), stateCopy(t.path)})
        if (!copy.empty() && isRegularFile(copy)) ::unlink(copy.c_str());
}

FileResult restoreSafeCopy(const std::string& path) {
    const auto copy = findSafeCopy(path);
    if (!copy) return FileResult::fromErrno(ENOENT);
    std::vector<uint8_t> bytes;
    if (FileResult r = readRegularFile(*copy, kMaxCopyBytes, bytes); !r) return r;
    return saveFile(path, bytes); // a save that completes removes the copy
}

FileResult discardSafeCopy(const std::string& path) {
    const auto copy = findSafeCopy(path);
    if (!copy) return FileResult::fromErrno(ENOENT);
    if (::unlink(copy->c_str()) != 0) return FileResult::fromErrno(errno);
    return {};
}

std::string interruptedSaveText(const std::string& path, const std::string& copy) {
    return "The last save of " + path + " was interrupted, so the file may be incomplete. " +
           "What it was saving is kept in " + copy + ".";
}

} // namespace finplan

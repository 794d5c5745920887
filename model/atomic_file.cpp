#include "model/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "model/safe_copy.h"
#include "model/temp_file.h"

namespace finplan {

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
    // A folder that takes no new files around a file that may be written, hard links,
    // or an owner a new file cannot be given: the bytes go into the file itself.
    const bool inPlace = t.exists && (r ? t.info.st_nlink > 1 || !temp.ownerKept
                                        : folderRefusesNewFiles(temp.createErrno));
    if (inPlace) {
        temp.discard();
        r = saveInPlace(t, bytes);
    } else if (r) {
        r = temp.replace(t.path);
    }
    // The file is whole now: what an interrupted save kept for it is out of date.
    if (r) removeSafeCopies(t);
    return r;
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

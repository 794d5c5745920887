#include "model/small_text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "model/text_lines.h"

namespace finplan {

TextFileStatus readSmallTextFile(const std::string& path, std::size_t maxBytes, std::string& text) {
    text.clear();
    // Not blocking on open: a named pipe would otherwise wait for a writer forever.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? TextFileStatus::Missing : TextFileStatus::Unreadable;
    struct stat info {};
    TextFileStatus status = TextFileStatus::Read;
    if (::fstat(fd, &info) != 0)
        status = TextFileStatus::Unreadable;
    else if (!S_ISREG(info.st_mode))
        status = TextFileStatus::NotAFile;
    else if (static_cast<std::size_t>(info.st_size) > maxBytes)
        status = TextFileStatus::TooLarge;
    char buf[8192];
    while (status == TextFileStatus::Read) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) status = TextFileStatus::Unreadable;
        if (n <= 0) break;
        text.append(buf, static_cast<std::size_t>(n));
        if (text.size() > maxBytes) status = TextFileStatus::TooLarge; // grew while read
    }
    ::close(fd);
    if (status != TextFileStatus::Read) text.clear();
    return status;
}

std::string textFileProblem(TextFileStatus status, const std::string& path) {
    switch (status) {
    case TextFileStatus::Read:
        return "";
    case TextFileStatus::Missing:
        return "The file " + path + " does not exist.";
    case TextFileStatus::NotAFile:
        return path + " is not a file.";
    case TextFileStatus::TooLarge:
        return path + " is far too large for this kind of file.";
    case TextFileStatus::Unreadable:
        break;
    }
    return "Cannot read " + path + ".";
}

bool TextLineCursor::next(std::string& line, const std::string& what) {
    if (!readTextLine(in_, line)) return fail("it ends before " + what + ".");
    ++number_;
    return true;
}

bool TextLineCursor::fail(const std::string& reason) {
    if (why_.empty()) why_ = reason;
    return false;
}

bool TextLineCursor::failHere(const std::string& reason) {
    return fail("line " + std::to_string(number_) + " " + reason);
}

bool onlyBlanksLeft(const char* at) {
    while (*at == ' ' || *at == '\t')
        ++at;
    return *at == 0;
}

bool lineInt(const std::string& line, int& value) {
    const char* at = line.c_str();
    return scanInt(at, value) && onlyBlanksLeft(at);
}

bool lineFloat(const std::string& line, float& value) {
    const char* at = line.c_str();
    return scanFloat(at, value) && onlyBlanksLeft(at);
}

} // namespace finplan

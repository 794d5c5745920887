// Saving onto whatever a name leads to: devices, named pipes, folders and loops of
// links are refused with the reason, links and owners are kept, a folder that takes no
// new files still lets a writable file be saved, and a failing write leaves the old
// bytes. The prompts every writer shares are here too.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "model/atomic_file.h"
#include "model/file_prompts.h"
#include "model/safe_copy.h"
#include "platform/recording_messages.h"
#include "tests/model/files_test_support.h"

namespace finplan {
namespace {

using test::As;
using test::inChild;
using test::kOtherUser;
using test::readBytes;
using test::ScratchDir;
using test::writeBytes;

std::string reason(int error) {
    return std::strerror(error);
}

int entriesIn(const std::string& dir) {
    int n = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir))
        ++n;
    return n;
}

// A write of more than limit bytes fails as on a full disk ("File too large").
void limitFileSize(rlim_t limit) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit r{};
    getrlimit(RLIMIT_FSIZE, &r);
    r.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &r);
}

// Runs body in a child with a file system of its own of the given size mounted on
// mountPoint (a tmpfs in a private mount namespace, which needs root): 77 when the
// machine allows none.
int onSmallFileSystem(const std::string& mountPoint, std::size_t size,
                      const std::function<int()>& body) {
    return inChild([&] {
        if (::unshare(CLONE_NEWNS) != 0) return 77;
        if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return 77;
        const std::string options = "size=" + std::to_string(size);
        if (::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, options.c_str()) != 0) return 77;
        return body();
    });
}

// Waits until process pid holds open a file of folder that has no name (an unnamed
// temporary file shows as "folder/#inode (deleted)"); false if it ends first.
bool waitForUnnamedFile(pid_t pid, const std::string& folder) {
    const std::string fds = "/proc/" + std::to_string(pid) + "/fd";
    for (int tries = 0; tries < 200000; ++tries) {
        int status = 0;
        if (::waitpid(pid, &status, WNOHANG) == pid) return false;
        std::error_code error;
        for (const auto& fd : std::filesystem::directory_iterator(fds, error)) {
            const std::string target = std::filesystem::read_symlink(fd.path(), error).string();
            if (target.rfind(folder, 0) == 0 && target.find("(deleted)") != std::string::npos)
                return true;
        }
    }
    return false;
}

// The per-user state folder of one test: made, used and removed.
class StateFolder {
  public:
    explicit StateFolder(const std::string& path) : path_(path) {
        const char* old = std::getenv("XDG_STATE_HOME");
        had_ = old != nullptr;
        if (had_) old_ = old;
        std::filesystem::create_directories(path);
        ::chmod(path.c_str(), 0777); // another user's saves keep their copies here too
        ::setenv("XDG_STATE_HOME", path.c_str(), 1);
    }
    ~StateFolder() {
        had_ ? ::setenv("XDG_STATE_HOME", old_.c_str(), 1) : ::unsetenv("XDG_STATE_HOME");
        std::filesystem::remove_all(path_);
    }

  private:
    std::string path_;
    bool had_ = false;
    std::string old_;
};

TEST(FilePrompts, OverwriteQuestionKeepsEachWording) {
    EXPECT_EQ(overwriteQuestion("a.ret", OverwriteWording::Exits),
              "a.ret exits - Overwrite anyway?");
    EXPECT_EQ(overwriteQuestion("a.acc", OverwriteWording::Exists),
              "a.acc exists - Overwrite anyway?");

    ScratchDir dir;
    RecordingMessages messages;
    EXPECT_TRUE(confirmOverwrite(dir.file("new.kve"), OverwriteWording::Exits, messages));
    EXPECT_TRUE(messages.entries.empty());

    // A dangling link is something there: writing would go where it points.
    ASSERT_EQ(::symlink("nowhere", dir.file("dangling").c_str()), 0);
    messages.answers = {false};
    EXPECT_FALSE(confirmOverwrite(dir.file("dangling"), OverwriteWording::Exists, messages));
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].title, "FILE WARNING");

    showFileError(messages, "Cannot open file!", "No space left on device");
    EXPECT_EQ(messages.entries[1].text, "Cannot open file!\nNo space left on device");
    EXPECT_EQ(messages.entries[1].title, "FILE ERROR");
    showFileError(messages, "Cannot open file!");
    EXPECT_EQ(messages.entries[2].text, "Cannot open file!");
}

TEST(SafeSave, RefusesWhatIsNotAFile) {
    ScratchDir dir;
    const std::string fifo = dir.file("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    FileResult r = saveTextFile(fifo, "text");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.reason, "Is a named pipe (FIFO), not a file");
    struct stat st {};
    ASSERT_EQ(::lstat(fifo.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));

    r = saveTextFile(dir.file(""), "text");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.reason, "Is a folder, not a file");

    // A device of our own when we may make one (as root this once replaced devices),
    // else the system's null device, which nobody else can replace anyway.
    std::string device = dir.file("null");
    if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) device = "/dev/null";
    r = saveTextFile(device, "text");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.reason, "Is a device, not a file");
    ASSERT_EQ(::lstat(device.c_str(), &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));

    // A link to any of them is refused the same way.
    ASSERT_EQ(::symlink(fifo.c_str(), dir.file("to-pipe").c_str()), 0);
    EXPECT_EQ(saveTextFile(dir.file("to-pipe"), "x").reason, "Is a named pipe (FIFO), not a file");
    EXPECT_FALSE(checkWritableTarget(fifo).ok);
}

TEST(SafeSave, FollowsLinksAndReportsALoop) {
    ScratchDir dir;
    const std::string real = dir.file("real.ret");
    writeBytes(real, "old");
    ASSERT_EQ(::symlink("real.ret", dir.file("link.ret").c_str()), 0);
    ASSERT_TRUE(saveTextFile(dir.file("link.ret"), "new").ok);
    EXPECT_EQ(readBytes(real), "new");
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.ret")));

    ASSERT_EQ(::symlink("b", dir.file("a").c_str()), 0);
    ASSERT_EQ(::symlink("a", dir.file("b").c_str()), 0);
    const FileResult r = saveTextFile(dir.file("a"), "text");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.reason, reason(ELOOP));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("a")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("b")));
    EXPECT_EQ(entriesIn(dir.file("")), 4);
}

TEST(SafeSave, KeepsHardLinksModeAndOwner) {
    ScratchDir dir;
    const std::string file = dir.file("plan.ret");
    writeBytes(file, "old bytes");
    ASSERT_EQ(::link(file.c_str(), dir.file("other-name.ret").c_str()), 0);
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    struct stat before {};
    ASSERT_EQ(::stat(file.c_str(), &before), 0);

    ASSERT_TRUE(saveTextFile(file, "new").ok);
    struct stat after {};
    ASSERT_EQ(::stat(file.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_nlink, 2u);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(readBytes(dir.file("other-name.ret")), "new");
    EXPECT_EQ(entriesIn(dir.file("")), 2); // no temporary file left

    // A single name is replaced by a new file, which gets the old one's mode.
    const std::string single = dir.file("single.ret");
    writeBytes(single, "x");
    ASSERT_EQ(::chmod(single.c_str(), 0604), 0);
    ASSERT_TRUE(saveTextFile(single, "y").ok);
    ASSERT_EQ(::stat(single.c_str(), &after), 0);
    EXPECT_EQ(after.st_mode & 07777, 0604u);

    if (::geteuid() != 0) GTEST_SKIP() << "giving a file to another user needs root";
    ASSERT_EQ(::chown(single.c_str(), kOtherUser, kOtherUser), 0);
    ASSERT_TRUE(saveTextFile(single, "z").ok);
    ASSERT_EQ(::stat(single.c_str(), &after), 0);
    EXPECT_EQ(after.st_uid, kOtherUser);
    EXPECT_EQ(after.st_gid, kOtherUser);
    EXPECT_EQ(readBytes(single), "z");
}

// A file of another user that we may write (group or world writable) keeps its owner:
// it is written where it is, as a new file would be ours.
TEST(SafeSave, FileOfAnotherOwnerKeepsItsOwner) {
    if (::geteuid() != 0) GTEST_SKIP() << "making a file of another user needs root";
    ScratchDir dir;
    ASSERT_EQ(::chmod(dir.file("").c_str(), 0777), 0);
    const std::string file = dir.file("shared.ret");
    writeBytes(file, "root's old bytes");
    ASSERT_EQ(::chmod(file.c_str(), 0666), 0);
    const int code = inChild(
        [&] {
            if (!saveTextFile(file, "new").ok) return 1;
            return readBytes(file) == "new" ? 0 : 2;
        },
        As::OtherUser);
    if (code == 77) GTEST_SKIP() << "cannot run as another user here";
    EXPECT_EQ(code, 0);
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 0u);
    EXPECT_EQ(entriesIn(dir.file("")), 1);
}

TEST(SafeSave, ReadOnlyFolderWithWritableFileIsWrittenInPlace) {
    ScratchDir dir;
    StateFolder state(std::filesystem::temp_directory_path() /
                      ("finplan_state_" + std::to_string(::getpid())));
    const std::string file = dir.file("plan.ret");
    writeBytes(file, "old bytes");
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(file.c_str(), kOtherUser, kOtherUser), 0);
    }
    ASSERT_EQ(::chmod(dir.file("").c_str(), 0555), 0);
    const int code = inChild(
        [&] {
            if (::access(dir.file("").c_str(), X_OK) != 0) return 77;
            // The folder really takes no new file.
            if (::access(dir.file("").c_str(), W_OK) == 0) return 77;
            if (!saveTextFile(file, "new bytes, longer than before").ok) return 1;
            if (readBytes(file) != "new bytes, longer than before") return 2;
            // A write that fails half way puts the old bytes back.
            if (!saveTextFile(file, "short").ok) return 3;
            limitFileSize(12);
            const FileResult r = saveTextFile(file, std::string(100, 'x'));
            if (r.ok || r.reason != reason(EFBIG)) return 4;
            return readBytes(file) == "short" ? 0 : 5;
        },
        As::OtherUser);
    ::chmod(dir.file("").c_str(), 0755);
    if (code == 77) GTEST_SKIP() << "no user here for whom the folder is read-only";
    EXPECT_EQ(code, 0);
    EXPECT_EQ(entriesIn(dir.file("")), 1);
}

TEST(SafeSave, FailedWriteKeepsTheOldFileAndSaysWhy) {
    ScratchDir dir;
    const std::string file = dir.file("plan.ret");
    writeBytes(file, "old bytes");
    const int code = inChild([&] {
        limitFileSize(20);
        const FileResult r = saveTextFile(file, std::string(100, 'x'));
        if (r.ok || r.reason != reason(EFBIG)) return 1;
        return readBytes(file) == "old bytes" ? 0 : 2;
    });
    EXPECT_EQ(code == 77 ? 0 : code, 0);
    EXPECT_EQ(entriesIn(dir.file("")), 1);

    // In a folder that does not exist the reason is the system's.
    const FileResult r = saveTextFile(dir.file("no/such/folder.ret"), "x");
    EXPECT_EQ(r.reason, reason(ENOENT));
}

// A disk that is really full: the save fails with the system's reason, the old file
// is as it was and nothing is left beside it.
TEST(SafeSave, FullFileSystemKeepsTheOldFileAndSaysWhy) {
    ScratchDir dir;
    const std::string folder = dir.file("");
    const int code = onSmallFileSystem(folder, 64 * 1024, [&] {
        const std::string file = folder + "plan.ret";
        writeBytes(file, "old bytes");
        {
            std::ofstream filler(folder + "filler", std::ios::binary);
            const std::string block(4096, 'f');
            for (int i = 0; i < 32 && filler; ++i)
                filler << block;
        }
        const FileResult r = saveTextFile(file, std::string(16 * 1024, 'x'));
        if (r.ok || r.reason != reason(ENOSPC)) return 1;
        if (readBytes(file) != "old bytes") return 2;
        return entriesIn(folder) == 2 ? 0 : 3;
    });
    if (code == 77) GTEST_SKIP() << "no file system of our own here (needs root)";
    EXPECT_EQ(code, 0);
}

// A save killed while it writes (its new bytes in an unnamed file) leaves the old file
// and nothing else: no hidden temporary file to clean up by hand.
TEST(SafeSave, SaveKilledWhileWritingLeavesNothingBehind) {
    ScratchDir dir;
    const std::string folder = dir.file("");
    const int code = onSmallFileSystem(folder, 256u << 20, [&] {
        const std::string file = folder + "plan.ret";
        writeBytes(file, "old bytes");
        const std::string large(96u << 20, 'n');
        for (int round = 0; round < 3; ++round) {
            const pid_t saver = ::fork();
            if (saver == 0) {
                saveTextFile(file, large);
                ::_exit(0);
            }
            const bool caught = waitForUnnamedFile(saver, folder);
            ::kill(saver, SIGKILL);
            ::waitpid(saver, nullptr, 0);
            if (!caught) return 77; // no unnamed files here, or the save was too quick
            if (entriesIn(folder) != 1) return 1;
            if (readBytes(file) != "old bytes") return 2;
        }
        return 0;
    });
    if (code == 77) GTEST_SKIP() << "no file system of our own or no unnamed files here";
    EXPECT_EQ(code, 0);
}

TEST(SafeSave, LaterSaveRemovesItsOwnStaleTemporaryFiles) {
    ScratchDir dir;
    const std::string file = dir.file("plan.ret");
    writeBytes(file, "old");
    const std::string stale = dir.file(".plan.ret.Ab12Cd");
    const std::string fresh = dir.file(".plan.ret.Xy34Zw");
    const std::string foreign = dir.file(".plan.ret.keep-me");
    for (const auto& p : {stale, fresh, foreign})
        writeBytes(p, "left by a killed save");
    const timespec old[2] = {{std::time(nullptr) - 3600, 0}, {std::time(nullptr) - 3600, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, stale.c_str(), old, 0), 0);
    ASSERT_EQ(::utimensat(AT_FDCWD, foreign.c_str(), old, 0), 0);

    ASSERT_TRUE(saveTextFile(file, "new").ok);
    EXPECT_FALSE(std::filesystem::exists(stale));
    EXPECT_TRUE(std::filesystem::exists(fresh)); // perhaps another save at work
    EXPECT_TRUE(std::filesystem::exists(foreign));
    EXPECT_EQ(readBytes(file), "new");
}

// A save into a hard-linked file writes in place; killed half way (by the file-size
// limit, which ends the process as a crash would), the file holds new and old bytes
// mixed, the complete copy says so and gives the new bytes back.
TEST(SafeSave, KilledInPlaceSaveLeavesACopyThatRestoresTheFile) {
    ScratchDir dir;
    const std::string file = dir.file("plan.ret");
    const std::string oldBytes(20000, 'o');
    const std::string newBytes(20000, 'n');
    writeBytes(file, oldBytes);
    ASSERT_EQ(::link(file.c_str(), dir.file("other.ret").c_str()), 0);
    EXPECT_FALSE(findSafeCopy(file));

    const int code = inChild([&] {
        WriteTarget t;
        std::string copy;
        const auto* bytes = reinterpret_cast<const uint8_t*>(newBytes.data());
        if (!resolveWriteTarget(file, t) || !keepSafeCopy(t, {bytes, newBytes.size()}, copy))
            return 1;
        std::signal(SIGXFSZ, SIG_DFL);
        rlimit r{};
        getrlimit(RLIMIT_FSIZE, &r);
        r.rlim_cur = 8192;
        setrlimit(RLIMIT_FSIZE, &r);
        rewriteInPlace(t, {bytes, newBytes.size()});
        return 2; // not reached: the limit ends the process
    });
    ASSERT_EQ(code, 99);
    EXPECT_EQ(readBytes(file), std::string(8192, 'n') + std::string(20000 - 8192, 'o'));
    const auto copy = findSafeCopy(file);
    ASSERT_TRUE(copy);
    EXPECT_EQ(*copy, dir.file(".plan.ret.unsaved"));
    EXPECT_NE(interruptedSaveText(file, *copy).find(*copy), std::string::npos);

    ASSERT_TRUE(restoreSafeCopy(file).ok);
    EXPECT_EQ(readBytes(file), newBytes);
    EXPECT_EQ(readBytes(dir.file("other.ret")), newBytes); // still one file
    EXPECT_FALSE(findSafeCopy(file));
    EXPECT_EQ(entriesIn(dir.file("")), 2);
}

// The issue's own steps: a read-only folder around a writable file, the file-size limit
// below the new size. The copy (in the state folder) is written before the file, so
// the kill leaves the file whole and no copy that looks complete; a save without the
// limit then goes through and keeps no copy.
TEST(SafeSave, ReadOnlyFolderKeepsTheCopyInTheStateFolder) {
    ScratchDir dir;
    const std::string folder = dir.file("ro");
    std::filesystem::create_directories(folder);
    const std::string file = folder + "/plan.ret";
    writeBytes(file, "old bytes");
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(file.c_str(), kOtherUser, kOtherUser), 0);
    }
    ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
    StateFolder state(dir.file("state"));
    const std::string big(20000, 'n');

    const int killed = inChild(
        [&] {
            if (::access(folder.c_str(), W_OK) == 0) return 77;
            std::signal(SIGXFSZ, SIG_DFL);
            rlimit r{};
            getrlimit(RLIMIT_FSIZE, &r);
            r.rlim_cur = 8192;
            setrlimit(RLIMIT_FSIZE, &r);
            saveTextFile(file, big);
            return 2;
        },
        As::OtherUser);
    if (killed == 77) GTEST_SKIP() << "no user here for whom the folder is read-only";
    EXPECT_EQ(killed, 99);
    EXPECT_EQ(readBytes(file), "old bytes");
    EXPECT_FALSE(findSafeCopy(file));

    const int saved = inChild(
        [&] {
            if (!saveTextFile(file, big).ok) return 1;
            return findSafeCopy(file) ? 2 : 0;
        },
        As::OtherUser);
    ::chmod(folder.c_str(), 0755);
    EXPECT_EQ(saved, 0);
    EXPECT_EQ(readBytes(file), big);
    EXPECT_EQ(entriesIn(folder), 1);
    EXPECT_EQ(entriesIn(dir.file("state/finplanner/unsaved")), 0);
}

TEST(SafeRead, ReadersTakeOnlyRegularFilesAndNeverBlock) {
    ScratchDir dir;
    const std::string fifo = dir.file("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    std::vector<uint8_t> bytes;
    FileResult r = readRegularFile(fifo, 100, bytes); // would block if it opened the pipe
    EXPECT_EQ(r.reason, "Is a named pipe (FIFO), not a file");
    r = readRegularFile(dir.file(""), 100, bytes);
    EXPECT_EQ(r.reason, "Is a folder, not a file");
    r = readRegularFile(dir.file("missing"), 100, bytes);
    EXPECT_EQ(r.reason, reason(ENOENT));
    writeBytes(dir.file("f"), "abcdef");
    ASSERT_TRUE(readRegularFile(dir.file("f"), 4, bytes).ok);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "abcd");
    EXPECT_TRUE(checkReadableFile(dir.file("f")).ok);
}

} // namespace
} // namespace finplan

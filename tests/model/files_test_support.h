// A scratch folder per test and small file helpers for the file-format tests.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

namespace finplan::test {

// A new, empty folder under the system's temporary folder for the running test. Test
// processes run side by side, and so may two whole suites: the name holds the process
// id and a count as well as the test's name.
inline std::filesystem::path freshTempFolder() {
    static std::atomic<int> made{0};
    std::string name = "finplan_" + std::to_string(::getpid()) + "_" + std::to_string(made++);
    if (const auto* info = ::testing::UnitTest::GetInstance()->current_test_info())
        name += std::string("_") + info->test_suite_name() + "_" + info->name();
    std::replace(name.begin(), name.end(), '/', '_'); // parameterised tests' names
    const std::filesystem::path path = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(path); // left by an earlier process of the same id
    std::filesystem::create_directories(path);
    return path;
}

class ScratchDir {
  public:
    ScratchDir() : path_(freshTempFolder()) {}
    ~ScratchDir() { std::filesystem::remove_all(path_); }

    std::string file(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

// A scratch folder that is the working folder while the test runs.
class WorkingFolder {
  public:
    WorkingFolder() : old_(std::filesystem::current_path()), path_(freshTempFolder()) {
        std::filesystem::current_path(path_);
    }
    ~WorkingFolder() {
        std::filesystem::current_path(old_);
        std::filesystem::remove_all(path_);
    }
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path old_, path_;
};

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline constexpr uid_t kOtherUser = 65534; // nobody

enum class As { Us, OtherUser };

// Runs body in a child process (as the user nobody when asked and the tests run as
// root, so that permissions count) and gives its exit code: 0 passed, 77 skipped.
inline int inChild(const std::function<int()>& body, As as = As::Us) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (as == As::OtherUser && ::geteuid() == 0 &&
            (::setgid(kOtherUser) != 0 || ::setuid(kOtherUser) != 0))
            ::_exit(77);
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 99;
}

} // namespace finplan::test

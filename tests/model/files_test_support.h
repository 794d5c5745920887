// A scratch folder per test and small file helpers for the file-format tests.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <unistd.h>

namespace finplan::test {

class ScratchDir {
  public:
    ScratchDir() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                ("finplan_" + std::string(info->test_suite_name()) + "_" + info->name());
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchDir() { std::filesystem::remove_all(path_); }

    std::string file(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

// A scratch folder of this test process that is the working folder while the test runs
// (ctest runs test processes side by side, so the name holds the process id).
class WorkingFolder {
  public:
    WorkingFolder() : old_(std::filesystem::current_path()) {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                ("finplan_" + std::to_string(::getpid()) + "_" + info->test_suite_name() + "_" +
                 info->name());
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
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

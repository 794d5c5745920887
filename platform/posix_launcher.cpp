#include "platform/posix_launcher.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <thread>

#include "platform/program_names.h"

extern char** environ;

namespace finplan {

const std::vector<std::string>& desktopCalculators() {
    static const std::vector<std::string> names = {"gnome-calculator", "kcalc", "galculator",
                                                   "qalculate-gtk"};
    return names;
}

bool onPath(const std::string& name) {
    if (name.empty()) return false;
    if (name.find('/') != std::string::npos) return access(name.c_str(), X_OK) == 0;
    const char* path = std::getenv("PATH");
    std::stringstream dirs(path ? path : "/usr/bin:/bin");
    std::string dir;
    while (std::getline(dirs, dir, ':')) {
        std::string full = (dir.empty() ? "." : dir) + "/" + name;
        if (access(full.c_str(), X_OK) == 0) return true;
    }
    return false;
}

std::vector<std::string> resolveCommand(const std::vector<std::string>& argv,
                                        const std::string& programDir) {
    if (argv.empty()) return argv;
    if (const char* ours = files::standInProgram(argv[0])) {
        std::vector<std::string> command = argv;
        const std::string beside = programDir.empty() ? "" : programDir + "/" + ours;
        if (!beside.empty() && access(beside.c_str(), X_OK) == 0)
            command[0] = beside;
        else if (onPath(ours))
            command[0] = ours;
        else
            return {};
        return command;
    }
    if (argv[0] != files::kCalculator) return argv;
    for (const auto& calc : desktopCalculators())
        if (onPath(calc)) return {calc};
    return {};
}

PosixLauncher::PosixLauncher(std::string dir) : programDir_(std::move(dir)) {}

std::string PosixLauncher::runningProgramDir() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : self.parent_path().string();
}

bool PosixLauncher::launch(const std::vector<std::string>& requested) {
    std::vector<std::string> argv = resolveCommand(requested, programDir_);
    if (argv.empty() || !onPath(argv[0])) return false;
    std::vector<char*> args;
    for (auto& a : argv)
        args.push_back(a.data());
    args.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, args[0], nullptr, nullptr, args.data(), environ) != 0) return false;
    // Reap the child when it ends so that it does not linger as a zombie.
    std::thread([pid] { waitpid(pid, nullptr, 0); }).detach();
    return true;
}

} // namespace finplan

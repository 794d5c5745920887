#include "shell/logic/program_files.h"

#include <filesystem>
#include <system_error>

namespace finplan {

namespace fs = std::filesystem;

std::string findProgramFile(const std::string& programDir, const std::string& name,
                            const std::string& dataFromProgram) {
    if (programDir.empty()) return {};
    for (const fs::path& candidate :
         {fs::path(programDir) / name, fs::path(programDir) / dataFromProgram / name}) {
        std::error_code error;
        if (fs::is_regular_file(candidate, error))
            return fs::absolute(candidate, error).lexically_normal().string();
    }
    return {};
}

std::string desktopDataFolder(const char* xdgDataHome, const char* home) {
    // A relative XDG_DATA_HOME is not valid and is ignored, as desktops do.
    if (xdgDataHome && xdgDataHome[0] == '/')
        return (fs::path(xdgDataHome) / "finplanner" / "plans").string();
    if (home && home[0] != '\0')
        return (fs::path(home) / ".local" / "share" / "finplanner" / "plans").string();
    return {};
}

std::string enterFolder(const std::string& folder) {
    if (folder.empty()) return "No folder for the planner's files is known.";
    std::error_code error;
    fs::create_directories(folder, error);
    if (!error) fs::current_path(folder, error);
    if (error) return "Cannot work in " + folder + ": " + error.message();
    return {};
}

} // namespace finplan

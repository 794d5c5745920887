#include "shell/logic/user_options.h"

#include <charconv>
#include <filesystem>
#include <sstream>

#include "model/atomic_file.h"

namespace finplan {

namespace fs = std::filesystem;

namespace {

constexpr const char* kLiveKey = "live_success_rate";
constexpr const char* kThresholdKey = "success_threshold";
constexpr std::size_t kMaxOptionsBytes = 64 * 1024;

void readLine(const std::string& line, UserOptions& o) {
    const auto eq = line.find('=');
    if (eq == std::string::npos) return;
    const std::string key = line.substr(0, eq);
    const std::string value = line.substr(eq + 1);
    if (key == kLiveKey) {
        if (value == "on") o.liveSuccessRate = true;
        if (value == "off") o.liveSuccessRate = false;
    } else if (key == kThresholdKey) {
        int v = 0;
        const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), v);
        if (error == std::errc() && end == value.data() + value.size() && v >= 0 && v <= 100)
            o.successThreshold = v;
    }
}

} // namespace

std::string userOptionsPath(const char* xdgConfigHome, const char* home) {
    if (xdgConfigHome && xdgConfigHome[0] == '/')
        return (fs::path(xdgConfigHome) / "finplanner" / "options").string();
    if (home && home[0] != '\0')
        return (fs::path(home) / ".config" / "finplanner" / "options").string();
    return {};
}

UserOptions readUserOptions(const std::string& path) {
    UserOptions o;
    std::string text;
    if (path.empty() || !readTextFile(path, kMaxOptionsBytes, text)) return o;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        readLine(line, o);
    }
    return o;
}

std::string writeUserOptions(const std::string& path, const UserOptions& options) {
    if (path.empty()) return "No folder for the planner's options is known.";
    std::error_code error;
    fs::create_directories(fs::path(path).parent_path(), error);
    if (error) return "Cannot make the folder of " + path + ": " + error.message();
    std::ostringstream text;
    text << kLiveKey << '=' << (options.liveSuccessRate ? "on" : "off") << '\n'
         << kThresholdKey << '=' << options.successThreshold << '\n';
    const FileResult saved = saveTextFile(path, text.str());
    return saved ? std::string() : "Cannot write " + path + ": " + saved.reason;
}

} // namespace finplan

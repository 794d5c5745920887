#include "model/market_file.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "model/atomic_file.h"
#include "model/small_text_file.h"

namespace finplan {

namespace {

constexpr const char* kModes[] = {"accounts", "groups", "cycles", "history"};

bool knownMode(const std::string& m) {
    for (const char* k : kModes)
        if (m == k) return true;
    return false;
}

bool wholeNumberIn(const std::string& text, long long lo, long long hi, long long& v) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos ||
        text.size() > 12)
        return false;
    v = std::strtoll(text.c_str(), nullptr, 10);
    return v >= lo && v <= hi;
}

// Splits "key<TAB>rest" at the first tab.
std::pair<std::string, std::string> splitKey(const std::string& line) {
    const std::size_t tab = line.find('\t');
    if (tab == std::string::npos) return {line, ""};
    return {line.substr(0, tab), line.substr(tab + 1)};
}

// One line of the file into s; false with why when it does not fit.
bool readLine(const std::string& line, MarketSettings& s, std::string& why) {
    const auto [key, value] = splitKey(line);
    long long n = 0;
    if (key == "inflation") {
        if (value != "history" && value != "plan")
            return (why = "inflation is history or plan", false);
        s.historicalInflation = value == "history";
    } else if (key == "group") {
        // The choice never holds a tab; a name might, so the last tab divides them.
        const std::size_t tab = value.rfind('\t');
        const std::string name = tab == std::string::npos ? std::string() : value.substr(0, tab);
        const std::string text = tab == std::string::npos ? value : value.substr(tab + 1);
        if (name.empty()) return (why = "a group line names no group", false);
        const std::optional<MarketChoice> c = parseMarketChoice(text, why);
        if (!c) return false;
        s.setChoice(name, *c);
    } else if (key == "trials") {
        if (!wholeNumberIn(value, 1, 100000, n))
            return (why = "the trial count is 1 to 100000", false);
        s.analysis.trials = static_cast<int>(n);
    } else if (key == "seed") {
        if (!wholeNumberIn(value, 0, 4294967295LL, n))
            return (why = "the seed is not a number", false);
        s.analysis.seed = static_cast<uint32_t>(n);
    } else if (key == "mode") {
        if (!knownMode(value)) return (why = "the analysis mode is unknown", false);
        s.analysis.mode = value;
    } else if (key == "block") {
        if (!wholeNumberIn(value, 1, kMaxHistoryBlock, n))
            return (why = "the block length is 1 to 30", false);
        s.analysis.block = static_cast<int>(n);
    } else {
        return (why = "\"" + key + "\" is not a setting of this file", false);
    }
    return true;
}

} // namespace

MarketChoice MarketSettings::choiceOf(const std::string& group) const {
    for (const auto& [name, c] : groups)
        if (name == group) return c;
    return MarketChoice{};
}

void MarketSettings::setChoice(const std::string& group, const MarketChoice& c) {
    for (auto it = groups.begin(); it != groups.end(); ++it)
        if (it->first == group) {
            if (c.follows())
                it->second = c;
            else
                groups.erase(it);
            return;
        }
    if (c.follows()) groups.emplace_back(group, c);
}

std::string marketFilePath(const std::string& scenarioPath) {
    const std::size_t slash = scenarioPath.find_last_of('/');
    const std::size_t dot = scenarioPath.find_last_of('.');
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash + 1);
    return (hasExtension ? scenarioPath.substr(0, dot) : scenarioPath) + kMarketFileExtension;
}

MarketFileRead parseMarketFile(const std::string& text, const std::string& path) {
    MarketFileRead out;
    out.found = true;
    MarketSettings s;
    std::size_t at = 0;
    int number = 0;
    while (at < text.size()) {
        std::size_t nl = text.find('\n', at);
        if (nl == std::string::npos) nl = text.size();
        std::string line = text.substr(at, nl - at);
        at = nl + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::string why;
        if (number == 1) {
            if (line != kMarketFileFirstLine) why = "it is not a markets file of this program";
        } else if (!line.empty() && !readLine(line, s, why)) {
            // why is set
        }
        if (!why.empty()) {
            out.problem = "The markets file " + path + " is damaged (line " +
                          std::to_string(number) + ": " + why + "); the defaults are used.";
            return out;
        }
    }
    if (number == 0) {
        out.problem = "The markets file " + path + " is empty; the defaults are used.";
        return out;
    }
    out.settings = std::move(s);
    return out;
}

MarketFileRead readMarketFile(const std::string& path) {
    std::string text;
    const TextFileStatus status = readSmallTextFile(path, kMaxSettingsFileBytes, text);
    if (status == TextFileStatus::Missing) return MarketFileRead{};
    if (status != TextFileStatus::Read) {
        MarketFileRead out;
        out.found = true;
        out.problem = textFileProblem(status, path) + " The market defaults are used.";
        return out;
    }
    return parseMarketFile(text, path);
}

std::string marketFileText(const MarketSettings& s) {
    std::string t = std::string(kMarketFileFirstLine) + "\n";
    t += std::string("inflation\t") + (s.historicalInflation ? "history" : "plan") + "\n";
    for (const auto& [name, c] : s.groups)
        if (name.find_first_of("\r\n") == std::string::npos)
            t += "group\t" + name + "\t" + marketChoiceText(c) + "\n";
    t += "trials\t" + std::to_string(s.analysis.trials) + "\n";
    t += "seed\t" + std::to_string(s.analysis.seed) + "\n";
    t += "mode\t" + s.analysis.mode + "\n";
    t += "block\t" + std::to_string(s.analysis.block) + "\n";
    return t;
}

FileResult saveMarketFile(const std::string& path, const MarketSettings& s) {
    return saveTextFile(path, marketFileText(s));
}

FileResult copyMarketFile(const std::string& fromScenario, const std::string& toScenario) {
    const std::string from = fromScenario.empty() ? std::string() : marketFilePath(fromScenario);
    const std::string to = marketFilePath(toScenario);
    if (from == to) return FileResult{};
    std::string text;
    const TextFileStatus status = from.empty()
                                      ? TextFileStatus::Missing
                                      : readSmallTextFile(from, kMaxSettingsFileBytes, text);
    if (status == TextFileStatus::Read) return saveTextFile(to, text);
    if (status != TextFileStatus::Missing) return FileResult::failed(textFileProblem(status, from));
    // The new scenario has no markets of its own: an old side file there would lie.
    if (std::remove(to.c_str()) != 0 && errno != ENOENT) return FileResult::fromErrno(errno);
    return FileResult{};
}

} // namespace finplan

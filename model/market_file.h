// Settings the scenario file has no room for, kept in a small text file beside it
// (the same name with the extension ".mkt"): which market each named group follows,
// whether inflation comes from history, and the Analysis folder's last choices. The
// scenario file's bytes never change for these.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "model/file_target.h"
#include "model/market_choice.h"

namespace finplan {

inline constexpr const char* kMarketFileExtension = ".mkt";
inline constexpr const char* kMarketFileFirstLine = "finplan markets 1";
inline constexpr int kDefaultHistoryBlock = 10;
inline constexpr int kMaxHistoryBlock = 30;

// The Analysis folder's choices, kept for the next session.
struct AnalysisChoices {
    int trials = 1000;
    uint32_t seed = 1;
    std::string mode = "accounts"; // accounts, groups, cycles or history
    int block = kDefaultHistoryBlock;
    bool operator==(const AnalysisChoices&) const = default;
};

struct MarketSettings {
    std::vector<std::pair<std::string, MarketChoice>> groups; // by group name
    bool historicalInflation = true;
    AnalysisChoices analysis;

    // The choice for a group name (none when it is not listed).
    MarketChoice choiceOf(const std::string& group) const;
    // Sets a group's choice; a group that follows nothing is not listed.
    void setChoice(const std::string& group, const MarketChoice& c);
    bool operator==(const MarketSettings&) const = default;
};

// The side file's name for a scenario file name.
std::string marketFilePath(const std::string& scenarioPath);

struct MarketFileRead {
    MarketSettings settings; // the defaults unless the file was read whole
    bool found = false;
    std::string problem; // a damaged or unreadable file: why (the defaults are used)
};

// A missing file gives the defaults and no problem.
MarketFileRead readMarketFile(const std::string& path);
MarketFileRead parseMarketFile(const std::string& text, const std::string& path);
std::string marketFileText(const MarketSettings& s);
// Written with the safe save: a failed save leaves the old file as it was.
FileResult saveMarketFile(const std::string& path, const MarketSettings& s);

// Copies the side file of one scenario to another name (Save As): the target's side
// file becomes the source's, or is removed when the source has none.
FileResult copyMarketFile(const std::string& fromScenario, const std::string& toScenario);

} // namespace finplan

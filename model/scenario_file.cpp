// Open, Save, Save As and the new-scenario file. Files are opened and closed within
// one operation; nothing stays open between them.
#include "model/scenario_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "model/atomic_file.h"
#include "model/file_prompts.h"
#include "model/market_file.h"
#include "model/record_io.h"
#include "model/scenario_ops.h"

namespace finplan {

namespace {

constexpr const char* kFileWarning = "FILE WARNING";

// Out-of-range (or unreadable NaN) bounds become 0; a minimum above the maximum
// clears both.
void repairGroupBounds(GroupTable& g) {
    auto inRange = [](float v) { return v >= -50.0f && v <= 100.0f; };
    for (int k = 0; k < kMaxGroups; ++k) {
        if (!inRange(g.groupRandomMinRate[k])) g.groupRandomMinRate[k] = 0.0f;
        if (!inRange(g.groupRandomMaxRate[k])) g.groupRandomMaxRate[k] = 0.0f;
        if (g.groupRandomMinRate[k] > g.groupRandomMaxRate[k])
            g.groupRandomMinRate[k] = g.groupRandomMaxRate[k] = 0.0f;
    }
}

bool canOpen(const std::string& path, int flags) {
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

// A file New may write over: none there, or one as New left it (no events, no accounts).
bool holdsNoPlan(const std::string& path) {
    if (!fileExists(path)) return true;
    std::vector<uint8_t> bytes;
    if (!readFilePrefix(path, kMaxScenarioFileSize, bytes)) return false;
    if (bytes.size() != kNewScenarioFileSize) return false;
    auto s = std::make_unique<Scenario>();
    return decodeScenario(bytes, *s) == DecodeResult::Ok && s->eventCount == 0 &&
           s->accounts.accountCount == 0;
}

// "./temp<n>1.ret", or the first later number whose file holds no plan; empty when
// every one of them does.
std::string freshNewScenarioName(int scenarioNumber) {
    constexpr int kMaxTries = 999; // far more than anyone keeps
    char buffer[64];
    for (int k = 1; k <= kMaxTries; ++k) {
        std::snprintf(buffer, sizeof buffer, files::kNewScenarioFormat, scenarioNumber, k);
        if (holdsNoPlan(buffer)) return buffer;
    }
    return {};
}

} // namespace

std::string windowTitleFor(const std::string& name) {
    return "Financial Planner - " + name;
}

void encodeScenario(Scenario& s, std::vector<uint8_t>& out, bool withGroups) {
    const int n = s.usedEventCount();
    s.initial.eventCount = static_cast<int16_t>(n);
    out.clear();
    out.reserve(kScenarioFileBaseSize + kEventSize * n);
    writeInitialValues(s.initial, out);
    for (int i = 0; i < n; ++i)
        writeEvent(s.events[i], out);
    writeAccountTable(s.accounts, out);
    if (withGroups) writeGroupTable(s.groups, out);
}

namespace {

// Start and end ages no editor could have written (the editors stay well inside).
constexpr float kLowestFileAge = -1;
constexpr float kHighestFileAge = 200;

bool plausibleAge(float age) {
    return age >= kLowestFileAge && age <= kHighestFileAge;
}

} // namespace

DecodeResult decodeScenario(std::span<const uint8_t> bytes, Scenario& s) {
    // A refused file leaves the new-scenario state, birthday included.
    const InitialValues before = s.initial;
    auto refuse = [&] {
        resetScenario(s);
        s.initial.useBirthday = before.useBirthday;
        s.initial.birthMonth = before.birthMonth;
        s.initial.birthDay = before.birthDay;
        s.eventCount = 0;
        return DecodeResult::Invalid;
    };

    resetScenario(s);
    // NaN or an infinity where the program takes a number cannot be a scenario the
    // program wrote, and no run could make sense of it.
    if (!readInitialValues(bytes, s.initial) || !usedValuesFinite(s.initial)) return refuse();
    // Ages far outside anything the editors take would run for millions of rows.
    if (!plausibleAge(s.initial.startAge) || !plausibleAge(s.initial.endAge)) return refuse();
    // The event table has 150 slots; a count outside it cannot be a scenario.
    const int n = s.initial.eventCount;
    if (n < 0 || n > kMaxEvents) return refuse();
    // The bytes from offset at on; empty past the end of the file.
    auto from = [&](std::size_t at) { return bytes.subspan(std::min(at, bytes.size())); };
    std::size_t at = kInitialValuesSize;
    for (int i = 0; i < n; ++i, at += kEventSize)
        if (!readEvent(from(at), s.events[i]) || !usedValuesFinite(s.events[i])) return refuse();
    if (!readAccountTable(from(at), s.accounts) || !usedValuesFinite(s.accounts)) return refuse();
    at += kAccountTableSize;
    // The group table may be short or missing (the new-scenario file has none).
    readGroupTablePrefix(from(at), s.groups);
    if (!usedValuesFinite(s.groups)) return refuse();
    repairGroupBounds(s.groups);
    s.eventCount = n;
    return DecodeResult::Ok;
}

bool writeScenario(Scenario& s, ScenarioFiles& f, Messages& messages) {
    if (!confirmReplaceChanged(f.onDisk, f.scenarioPath, messages)) return false;
    std::vector<uint8_t> bytes;
    encodeScenario(s, bytes);
    if (const FileResult r = saveFile(f.scenarioPath, bytes); !r) {
        showFileError(messages, "Cannot open file!", r.reason);
        return false;
    }
    f.onDisk.remember(f.scenarioPath);
    f.windowTitle = windowTitleFor(f.displayName);
    return true;
}

bool saveScenario(ScenarioSession& session, ScenarioFiles& f, Messages& messages) {
    if (!writeScenario(session.scenario, f, messages)) return false;
    session.changed(ScenarioChange::FileWritten);
    return true;
}

bool readScenario(Scenario& s, ScenarioFiles& f, Messages& messages) {
    offerToRestore(f.displayName, messages);
    const auto stamp = stampOf(f.displayName); // before reading: a change meanwhile shows
    std::vector<uint8_t> bytes;
    if (!readFilePrefix(f.displayName, kMaxScenarioFileSize, bytes)) return false;
    if (decodeScenario(bytes, s) == DecodeResult::Ok) {
        f.scenarioPath = f.displayName;
        f.untitled = false;
        f.onDisk.remember(f.scenarioPath, stamp);
        return true;
    }
    messages.show(f.displayName + " doesn't seem to be a valid Korvel Financial Planner file.",
                  kFileWarning, MessageIcon::Error);
    f.scenarioPath = f.displayName = files::kFallbackScenario;
    f.untitled = true;
    return false;
}

OpenResult openScenario(const std::string& path, ScenarioSession& session, ScenarioFiles& f,
                        Messages& messages) {
    Scenario& s = session.scenario;
    OpenResult r;
    r.previousDisplayName = f.displayName;
    f.displayName = path;
    session.changed(ScenarioChange::OpenAsked);
    // A folder, a device or a named pipe is named for what it is; a file that cannot
    // be opened is passed over in silence, as Open always did.
    const std::string notAFile = notAFileReasonAt(path);
    if (!notAFile.empty()) showFileError(messages, cannotOpenText(path), notAFile);
    if (!notAFile.empty() || !canOpen(path, O_RDWR)) {
        // The scenario in memory is still the old one: keep its name with it.
        f.displayName = r.previousDisplayName;
        f.windowTitle = "Financial Planner";
        return r;
    }
    // From here the plan in memory is the file's, or reset when the file is damaged.
    session.changed(ScenarioChange::FileRead);
    if (!readScenario(s, f, messages)) {
        f.windowTitle = windowTitleFor(files::kFallbackScenario);
        return r;
    }
    f.windowTitle = windowTitleFor(f.displayName);
    sortEvents(s);
    session.changed(ScenarioChange::FileOpened); // the accounts are the file's now
    r.ok = true;
    r.closeEditors = true;
    r.folder = s.eventCount > 0 ? FolderToShow::Scenario : FolderToShow::Summary;
    return r;
}

SaveAsResult saveScenarioAs(const std::string& name, ScenarioSession& session, ScenarioFiles& f,
                            Messages& messages) {
    SaveAsResult r;
    r.previousDisplayName = f.displayName;
    const std::string previousPath = f.scenarioPath;
    // Whatever stops the save, the scenario in memory keeps the names it had: a file
    // that was never written must not become the one saved at exit or reopened at start.
    const auto keepOldNames = [&] {
        f.displayName = r.previousDisplayName;
        f.scenarioPath = previousPath;
        return r;
    };
    f.displayName = name;
    const bool existed = fileExists(name);
    if (!confirmOverwrite(name, OverwriteWording::Exits, messages)) return keepOldNames();
    if (const FileResult can = checkWritableTarget(name); !can) {
        showFileError(messages, existed ? cannotOpenText(name) : "Cannot open file!", can.reason);
        return keepOldNames();
    }
    f.scenarioPath = f.displayName;
    // A failed write keeps the changes marked as unsaved.
    const bool wasUntitled = f.untitled;
    f.untitled = false;
    if (!saveScenario(session, f, messages)) {
        f.untitled = wasUntitled;
        return keepOldNames();
    }
    session.changed(ScenarioChange::SavedAs);
    r.ok = true;
    // The groups' markets travel with the scenario; the scenario itself is saved.
    if (const FileResult copied = copyMarketFile(previousPath, name); !copied)
        messages.show("The markets file could not be copied: " + copied.reason, "FILE WARNING",
                      MessageIcon::Warning);
    return r;
}

bool createNewScenarioFile(Scenario& s, ScenarioFiles& f, Messages& messages, int scenarioNumber) {
    const std::string name = freshNewScenarioName(scenarioNumber);
    if (name.empty()) {
        showFileError(messages, "Cannot open temporary file!");
        return false;
    }
    // An existing new-scenario file is overwritten without a question.
    const bool existed = fileExists(name);
    if (const FileResult can = checkWritableTarget(name); !can) {
        showFileError(messages, existed ? cannotOpenText(name) : "Cannot open temporary file!",
                      can.reason);
        return false;
    }
    f.scenarioPath = f.displayName = name;
    std::vector<uint8_t> bytes;
    encodeScenario(s, bytes, /*withGroups=*/false);
    if (const FileResult r = saveFile(name, bytes); !r) {
        showFileError(messages, "Cannot open temporary file!", r.reason);
        return false;
    }
    f.onDisk.remember(name);
    f.untitled = true;
    f.windowTitle = windowTitleFor(name);
    return true;
}

bool startNewScenario(ScenarioSession& session, ScenarioFiles& f, Messages& messages,
                      int scenarioNumber) {
    Scenario& s = session.scenario;
    s.eventCount = 0;
    resetScenario(s);
    // The accounts asked about are gone with the old scenario.
    session.changed(ScenarioChange::Renewed);
    return createNewScenarioFile(s, f, messages, scenarioNumber);
}

bool askToSaveChanges(ScenarioSession& session, ScenarioFiles& f, Messages& messages,
                      const std::function<bool()>& save) {
    if (!session.scenarioModified() && !session.accountsModified()) return true;
    switch (messages.askOrCancel("Do you wish to save the file " + f.scenarioPath + "?",
                                 "Korvel Financial Planner", MessageIcon::Warning)) {
    case Answer::Yes:
        return save();
    case Answer::No:
        return true;
    case Answer::Cancel:
        break;
    }
    return false;
}

} // namespace finplan

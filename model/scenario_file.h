// The scenario file (.ret): the four records one after the other. Open, Save,
// Save As, the new-scenario file, the save questions and the window title.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "model/file_names.h"
#include "model/file_stamp.h"
#include "model/scenario.h"
#include "model/scenario_session.h"
#include "platform/messages.h"

namespace finplan {

inline constexpr std::size_t kScenarioFileBaseSize =
    kInitialValuesSize + kAccountTableSize + kGroupTableSize; // 4944, no events
inline constexpr std::size_t kNewScenarioFileSize = kInitialValuesSize + kAccountTableSize;
inline constexpr std::size_t kMaxScenarioFileSize = kScenarioFileBaseSize + kEventSize * kMaxEvents;

// The names of the current file and the window title the shell shows.
struct ScenarioFiles {
    std::string scenarioPath = files::kFallbackScenario; // what Save writes
    std::string displayName = files::kFallbackScenario;  // title and recent list
    std::string windowTitle = "Financial Planner - " + std::string(files::kFallbackScenario);
    KnownFile onDisk; // the file as it was read or last written, to notice another program
    // No name the user chose (the new-scenario file or the fallback name): Save asks for
    // one as Save As does.
    bool untitled = true;
};

// "Financial Planner - name".
std::string windowTitleFor(const std::string& name);

// The file's bytes for the scenario as it is; copies the event count into the
// InitialValues field first. Without groups it is the new-scenario form.
void encodeScenario(Scenario& s, std::vector<uint8_t>& out, bool withGroups = true);

enum class DecodeResult { Ok, Invalid };
// Reads a whole file image into s (after resetScenario); the group table may be
// cut short or missing. Invalid leaves s reset with no events.
DecodeResult decodeScenario(std::span<const uint8_t> bytes, Scenario& s);

// Writes the whole scenario to scenarioPath (temporary file + rename). On failure
// "Cannot open file!" and the old file stays as it was. A file another program changed
// since it was read or written here is replaced only when the user says so.
bool writeScenario(Scenario& s, ScenarioFiles& f, Messages& messages);
// The same for the plan the program holds: a save clears accountsModified.
bool saveScenario(ScenarioSession& session, ScenarioFiles& f, Messages& messages);

// Loads displayName. False without a message when it cannot be opened (scenario
// untouched); false with the "not valid" warning for a damaged file (scenario reset,
// names "tmp01.ret").
bool readScenario(Scenario& s, ScenarioFiles& f, Messages& messages);

// What the main window does after an Open.
enum class FolderToShow { Summary, Scenario };
struct OpenResult {
    bool ok = false;
    FolderToShow folder = FolderToShow::Summary;
    bool closeEditors = false;       // close the editors and result windows
    std::string previousDisplayName; // goes to the recent-file list on success
};

// The Open command (and the recent-file entries). Clears scenarioModified; the
// caller reruns the simulation either way.
OpenResult openScenario(const std::string& path, ScenarioSession& session, ScenarioFiles& f,
                        Messages& messages);

struct SaveAsResult {
    bool ok = false;
    std::string previousDisplayName; // goes to the recent-file list on success
};

// Save As: asks before overwriting an existing file.
SaveAsResult saveScenarioAs(const std::string& name, ScenarioSession& session, ScenarioFiles& f,
                            Messages& messages);

// The file a New scenario starts in: "./temp<scenarioNumber>1.ret", 4204 bytes; when
// that file holds a saved plan (events or accounts), the next of "temp<n>2.ret",
// "temp<n>3.ret", ... that does not, so New never replaces a plan.
bool createNewScenarioFile(Scenario& s, ScenarioFiles& f, Messages& messages, int scenarioNumber);

// The New command after the save question: an empty scenario with the group bounds
// and birthday kept, written to the new-scenario file. The shell then closes the
// editors, shows the Summary folder and offers the tab import. False when the file failed.
bool startNewScenario(ScenarioSession& session, ScenarioFiles& f, Messages& messages,
                      int scenarioNumber);

// "Do you wish to save the file %s?" before New, Open and closing, when the events and
// settings (scenarioModified) or the accounts (accountsModified) changed: either change
// would otherwise be lost without a word. Yes calls save, which saves as the Save
// command does (an untitled scenario is given a name first), No goes on without saving.
// False when the pending action must not go on: the user chose Cancel, or Yes did not
// save (cancelled, or failed: going on would lose the changes the user asked to keep).
bool askToSaveChanges(ScenarioSession& session, ScenarioFiles& f, Messages& messages,
                      const std::function<bool()>& save);

} // namespace finplan

// Every fixed file name the planner uses, in one place (the program names it starts are
// in platform/program_names.h). A "./" prefix means the working folder, where the planner
// keeps its session files.
#pragma once

#include "platform/program_names.h"

namespace finplan::files {

// Scenario files.
inline constexpr const char* kFallbackScenario = "tmp01.ret";       // after an unreadable file
inline constexpr const char* kNewScenarioFormat = "./temp%d%d.ret"; // scenarioNumber, 1
inline constexpr const char* kScenarioExtension = "ret";

// Settings and recent files, window position.
inline constexpr const char* kSettings = "finance.dat";
inline constexpr const char* kWindowPosition = "prefinf.dat";

// Trade-off values and the data handed to the trade-off grapher.
inline constexpr const char* kTradeOffValues = "tradeinf.dat";
inline constexpr const char* kTradeOffGraphData = "trade.tmp";

// Plot file handed to the graph viewer and the comparison program.
inline constexpr const char* kPlotFile = "plotinf01.tmp";

// Results print file and the page files of a print job.
inline constexpr const char* kPrintFile = "./ptmpsch.dat";
inline constexpr const char* kPageFileFormat = "page%d";

// Help file.
inline constexpr const char* kHelpFile = "./finance.hlp";

// File extensions offered by the file dialogs.
inline constexpr const char* kAccountsExtension = "acc";
inline constexpr const char* kImportExtension = "kvi";
inline constexpr const char* kResultsExtension = "sch";
inline constexpr const char* kExportExtension = "kve";
inline constexpr const char* kGraphExtension = "kvp";

} // namespace finplan::files

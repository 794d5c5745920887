// Every fixed file and program name the planner uses, in one place. A "./" prefix means
// the working folder, where the planner keeps its session files.
#pragma once

#include <string_view>

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

// Separate programs started without waiting.
inline constexpr const char* kGraphViewer = "kvplot3.exe";
inline constexpr const char* kComparisonProgram = "didaza.exe";
inline constexpr const char* kTradeOffGrapher = "rezirud.exe";
inline constexpr const char* kCalculator = "calc.exe";

// Our own programs that stand in for the first three: found beside the running planner,
// else on PATH.
inline constexpr const char* kPlotViewer = "finplan-plot";
inline constexpr const char* kScenarioComparison = "finplan-compare";
inline constexpr const char* kTradeOffViewer = "finplan-tradeoff";

// Our program that stands in for a separate program the planner names; nullptr when
// there is none.
inline const char* standInProgram(std::string_view named) {
    if (named == kGraphViewer) return kPlotViewer;
    if (named == kComparisonProgram) return kScenarioComparison;
    if (named == kTradeOffGrapher) return kTradeOffViewer;
    return nullptr;
}

// File extensions offered by the file dialogs.
inline constexpr const char* kAccountsExtension = "acc";
inline constexpr const char* kImportExtension = "kvi";
inline constexpr const char* kResultsExtension = "sch";
inline constexpr const char* kExportExtension = "kve";
inline constexpr const char* kGraphExtension = "kvp";

} // namespace finplan::files

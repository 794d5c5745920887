// The separate programs the planner starts, and our own programs that stand in for
// them. The launcher maps one to the other, so the names live beside it.
#pragma once

#include <string_view>

namespace finplan::files {

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

} // namespace finplan::files

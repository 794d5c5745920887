// Scenario comparison: the net worth and the total savings of two to four saved runs
// (plot files) per whole age, as one line graph and a table with the differences.
#pragma once

#include <string>
#include <vector>

#include "graphs/line_graph.h"
#include "graphs/plot_file_reader.h"

namespace finplan {

inline constexpr int kMaxComparedScenarios = 4;

struct ComparedRun {
    std::string name; // how the run is called in the legend and the table
    const PlotFileContents* plot = nullptr;
};

struct Comparison {
    std::vector<std::string> names;               // per run
    std::vector<int> ages;                        // every whole age a run has, in order
    std::vector<std::vector<float>> netWorth;     // [run][age index]; NaN: not in that run
    std::vector<std::vector<float>> totalSavings; // investment + tax free + retirement
};

Comparison compareRuns(const std::vector<ComparedRun>& runs);

// The name of the run in a plot file: the scenario it came from for the planner's own
// plot file, else the saved file's name; made unique among names already taken.
std::string comparedRunName(const std::string& plotPath, const PlotFileContents& plot,
                            const std::vector<std::string>& taken);

// Net worth of each run, then total savings of each run, one line each.
LineGraph comparisonGraph(const Comparison& c);

struct ComparisonTable {
    std::vector<std::string> headings;
    std::vector<std::vector<std::string>> rows; // one per age; "" where a run has no value
};

// Age; net worth of each run and each run's difference from the first; the same for
// total savings.
ComparisonTable comparisonTable(const Comparison& c);

} // namespace finplan

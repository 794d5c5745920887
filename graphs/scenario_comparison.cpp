#include "graphs/scenario_comparison.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "graphs/graph_parts.h"
#include "text/money_text.h"

namespace finplan {

namespace {

std::string baseName(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

float totalSavingsOf(const PlotRow& row) {
    return row.investmentSavings + row.taxFreeSavings + row.retirementSavings;
}

std::string moneyOrBlank(float v) {
    return std::isnan(v) ? std::string() : money13(v);
}

} // namespace

std::string comparedRunName(const std::string& plotPath, const PlotFileContents& plot,
                            const std::vector<std::string>& taken) {
    std::string name = baseName(plotPath);
    if (name == "plotinf01.tmp" && !plot.series->fileText.empty())
        name = baseName(plot.series->fileText);
    std::string unique = name;
    for (int n = 2; std::find(taken.begin(), taken.end(), unique) != taken.end(); ++n)
        unique = name + " (" + std::to_string(n) + ")";
    return unique;
}

Comparison compareRuns(const std::vector<ComparedRun>& runs) {
    Comparison c;
    std::set<int> ages;
    for (const ComparedRun& run : runs)
        for (int r = 0; r < run.plot->rowCount(); ++r)
            ages.insert(wholeNumber(run.plot->series->rows[static_cast<std::size_t>(r)].age));
    c.ages.assign(ages.begin(), ages.end());
    std::map<int, std::size_t> column;
    for (std::size_t i = 0; i < c.ages.size(); ++i)
        column[c.ages[i]] = i;
    for (const ComparedRun& run : runs) {
        c.names.push_back(run.name);
        std::vector<float> worth(c.ages.size(), NAN), savings(c.ages.size(), NAN);
        for (int r = 0; r < run.plot->rowCount(); ++r) {
            const PlotRow& row = run.plot->series->rows[static_cast<std::size_t>(r)];
            const std::size_t at = column[wholeNumber(row.age)];
            worth[at] = row.netWorth;
            savings[at] = totalSavingsOf(row);
        }
        c.netWorth.push_back(std::move(worth));
        c.totalSavings.push_back(std::move(savings));
    }
    return c;
}

LineGraph comparisonGraph(const Comparison& c) {
    LineGraph g;
    g.title = "NET WORTH AND TOTAL SAVINGS";
    for (std::size_t i = 0; i < c.names.size(); ++i) {
        g.names.push_back("Net Worth - " + c.names[i]);
        g.values.push_back(c.netWorth[i]);
    }
    for (std::size_t i = 0; i < c.names.size(); ++i) {
        g.names.push_back("Total Savings - " + c.names[i]);
        g.values.push_back(c.totalSavings[i]);
    }
    g.columnLabels = c.ages;
    std::string compared;
    for (const auto& name : c.names)
        compared += (compared.empty() ? "" : ", ") + name;
    g.footers = {"Compared: " + compared, "Net Worth and Total Savings by age", ""};
    return g;
}

ComparisonTable comparisonTable(const Comparison& c) {
    ComparisonTable t;
    t.headings.push_back("Age");
    const std::pair<const char*, const std::vector<std::vector<float>>*> measures[] = {
        {"Net Worth", &c.netWorth}, {"Total Savings", &c.totalSavings}};
    for (auto [label, values] : measures) {
        for (const auto& name : c.names)
            t.headings.push_back(std::string(label) + "\n" + name);
        for (std::size_t i = 1; i < c.names.size(); ++i)
            t.headings.push_back(std::string(label) + " Difference\n" + c.names[i] + " - " +
                                 c.names[0]);
    }
    for (std::size_t a = 0; a < c.ages.size(); ++a) {
        std::vector<std::string> row{std::to_string(c.ages[a])};
        for (auto [label, values] : measures) {
            for (const auto& run : *values)
                row.push_back(moneyOrBlank(run[a]));
            // A difference needs both runs at that age.
            for (std::size_t i = 1; i < values->size(); ++i)
                row.push_back(moneyOrBlank((*values)[i][a] - (*values)[0][a]));
        }
        t.rows.push_back(std::move(row));
    }
    return t;
}

} // namespace finplan

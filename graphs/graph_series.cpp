#include "graphs/graph_series.h"

#include <algorithm>
#include <cmath>

#include "engine/run_context.h"

namespace finplan {

namespace {

struct KindTable {
    const char* title;
    std::vector<int> fields;
    std::vector<const char*> names;
};

const KindTable& kindTable(int kind) {
    static const KindTable kTables[] = {
        {"", {}, {}},
        {"NET WORTH",
         {6, 1, 2, 3, 4, 5},
         {"Net Worth", "Investment Accounts", "Tax-free Accounts", "Retirement Accounts",
          "Asset Accounts", "Equity"}},
        {"INCOMING / OUTGOING", {7, 11}, {"Incoming", "Outgoing"}},
        {"INCOMING",
         {7, 8, 9, 10, 16, 18, 17},
         {"Total Incoming", "Deposits", "Taxable Income", "Non Taxable Income", "Loans", "Assets",
          "Equity"}},
        {"OUTGOING",
         {11, 12, 14, 19, 13, 15},
         {"Total Outgoing", "Withdrawals", "Interest Paid", "Other/Loan/Mortgage", "Taxes Paid",
          "Penalties Paid"}},
        {"ACCOUNTS", {}, {}},
        {"", {}, {}},
        {"GROUPS", {}, {}},
    };
    return kTables[(kind >= GraphKind::NetWorth && kind <= GraphKind::Groups) ? kind : 0];
}

int accountsInRun(const GraphSource& src) {
    return std::clamp(std::min(src.series.accountCount, src.scenario.accounts.usableCount()), 0,
                      kMaxAccounts);
}

// The account page [first, last) cut to the accounts of the run.
void accountPage(int& first, int& last, const GraphSource& src) {
    const int n = accountsInRun(src);
    first = std::clamp(first, 0, n);
    last = std::clamp(last, first, n);
}

std::vector<int> existingGroups(const GraphSource& src) {
    std::vector<int> groups;
    for (int g = 0; g < kMaxGroups; ++g)
        if (src.scenario.groups.exists(g)) groups.push_back(g);
    return groups;
}

// The balances of the run's accounts in group g; each account's group is the one it
// had in the run, as the balance columns are in the run's order.
float groupSum(const GraphSource& src, int g, int row) {
    float sum = 0;
    const int n = accountsInRun(src);
    for (int i = 0; i < n; ++i)
        if (src.series.accountGroups[static_cast<std::size_t>(i)] == g)
            sum = sum +
                  src.series
                      .accountBalances[static_cast<std::size_t>(row)][static_cast<std::size_t>(i)];
    return sum;
}

float rowField(const GraphSource& src, int row, int field) {
    return src.series.rows[static_cast<std::size_t>(row)].field(field);
}

} // namespace

int usableRowCount(int lastRowIndex) {
    return std::clamp(lastRowIndex + 1, 0, kMaxPlotRows);
}

std::string graphTitle(int kind) {
    return kindTable(kind).title;
}

namespace {

// The series of the kind: the page's accounts, the existing groups or the kind's
// fields of the plot rows.
void addKindSeries(GraphSeriesSet& set, int kind, int firstAccount, int lastAccount,
                   const GraphSource& source) {
    auto addSeries = [&](const std::string& name, auto valueAt) {
        std::vector<float> v(static_cast<std::size_t>(set.rowsDrawn));
        for (int r = 0; r < set.rowsDrawn; ++r)
            v[static_cast<std::size_t>(r)] = valueAt(r);
        set.names.push_back(name);
        set.values.push_back(std::move(v));
    };

    const KindTable& table = kindTable(kind);
    if (kind == GraphKind::Accounts) {
        accountPage(firstAccount, lastAccount, source);
        for (int a = firstAccount; a < lastAccount; ++a)
            addSeries(source.series.accountNames[static_cast<std::size_t>(a)], [&](int r) {
                return source.series
                    .accountBalances[static_cast<std::size_t>(r)][static_cast<std::size_t>(a)];
            });
    } else if (kind == GraphKind::Groups) {
        for (int g : existingGroups(source))
            addSeries(groupName(source.scenario, g), [&](int r) { return groupSum(source, g, r); });
    } else {
        for (std::size_t i = 0; i < table.fields.size(); ++i)
            addSeries(table.names[i], [&](int r) { return rowField(source, r, table.fields[i]); });
    }
}

// The range the axis must hold: every drawn value of every series. (Taking the top
// from the total alone, or the bottom from the second row on, left parts of other
// series outside the axis, running through the labels and the footer.)
void setValueRange(GraphSeriesSet& set) {
    for (const auto& v : set.values)
        for (int r = 0; r < set.rowsDrawn; ++r) {
            const float x = v[static_cast<std::size_t>(r)];
            set.maxValue = std::max(set.maxValue, x);
            set.minValue = std::min(set.minValue, x);
        }
}

} // namespace

GraphSeriesSet collectSeries(int kind, int firstAccount, int lastAccount, int lastRowIndex,
                             const GraphSource& source) {
    GraphSeriesSet set;
    set.kind = kind;
    set.title = graphTitle(kind);
    set.rowCount = usableRowCount(lastRowIndex);
    const bool yearTallies =
        kind == GraphKind::InOut || kind == GraphKind::Incoming || kind == GraphKind::Outgoing;
    // The final row repeats the last year's tallies, so those graphs stop before it.
    set.rowsDrawn = yearTallies ? std::max(set.rowCount - 1, 0) : set.rowCount;
    addKindSeries(set, kind, firstAccount, lastAccount, source);
    setValueRange(set);
    return set;
}

PieComponents pieComponents(int mode, int row, int firstAccount, int lastAccount,
                            const GraphSource& source) {
    static const char* kCaptions[] = {
        "", "NET WORTH", "INCOMING/OUTGOING", "INCOMING", "OUTGOING", "ACCOUNTS", "", "GROUPS"};
    PieComponents pie;
    if (mode < GraphKind::NetWorth || mode > GraphKind::Groups || mode == GraphKind::Pie)
        return pie;
    pie.caption = kCaptions[mode];
    if (row < 0 || row >= kMaxPlotRows) return pie;

    const KindTable& table = kindTable(mode);
    if (mode == GraphKind::Accounts) {
        pie.paletteFromZero = true;
        accountPage(firstAccount, lastAccount, source);
        for (int a = firstAccount; a < lastAccount; ++a) {
            pie.names.push_back(source.series.accountNames[static_cast<std::size_t>(a)]);
            pie.values.push_back(source.series.accountBalances[static_cast<std::size_t>(row)]
                                                              [static_cast<std::size_t>(a)]);
        }
    } else if (mode == GraphKind::Groups) {
        pie.paletteFromZero = true;
        for (int g : existingGroups(source)) {
            pie.names.push_back(groupName(source.scenario, g));
            pie.values.push_back(std::trunc(groupSum(source, g, row)));
        }
    } else {
        // The total is the first series of the graph; mode 2 has no total of its own.
        pie.paletteFromZero = mode == GraphKind::InOut;
        const std::size_t first = pie.paletteFromZero ? 0 : 1;
        for (std::size_t i = first; i < table.fields.size(); ++i) {
            pie.names.push_back(table.names[i]);
            pie.values.push_back(rowField(source, row, table.fields[i]));
        }
    }
    return pie;
}

} // namespace finplan

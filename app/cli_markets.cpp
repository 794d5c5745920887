#include "app/cli_markets.h"

#include "engine/run_context.h"

namespace finplan::cli {

void addMarketOptions(CLI::App* cmd, MarketOptions& o) {
    cmd->add_option("--market", o.markets,
                    "GROUP=MARKET: none, stocks, bonds, mix:S or inflation, then +A or -A "
                    "points a year (repeatable)");
    cmd->add_option("--inflation", o.inflation, "Inflation from history or the plan's own")
        ->check(CLI::IsMember({"history", "plan"}));
    cmd->add_option("--table", o.table, "Market table CSV file instead of the built-in one");
}

namespace {

bool groupExists(const Scenario& s, const std::string& name) {
    for (int g = 0; g < kMaxGroups; ++g)
        if (s.groups.exists(g) && groupName(s, g) == name) return true;
    return false;
}

// Applies the --market overrides; false (reported) on the first bad one.
bool applyOverrides(const std::vector<std::string>& markets, const Scenario& s,
                    MarketSettings& settings, Messages& messages) {
    for (const std::string& m : markets) {
        const std::size_t eq = m.rfind('=');
        if (eq == std::string::npos) {
            messages.show("\"" + m + "\" is not GROUP=MARKET.", "MARKET ERROR", MessageIcon::Error);
            return false;
        }
        const std::string group = m.substr(0, eq);
        if (!groupExists(s, group)) {
            messages.show("The scenario has no group named \"" + group + "\".", "MARKET ERROR",
                          MessageIcon::Error);
            return false;
        }
        std::string why;
        const std::optional<MarketChoice> c = parseMarketChoice(m.substr(eq + 1), why);
        if (!c) {
            messages.show("--market \"" + m + "\": " + why + ".", "MARKET ERROR",
                          MessageIcon::Error);
            return false;
        }
        settings.setChoice(group, *c);
    }
    return true;
}

} // namespace

std::shared_ptr<const MarketPlan> marketPlanFor(const std::string& path, const Scenario& s,
                                                const MarketOptions& o, Messages& messages,
                                                int& exitCode) {
    std::shared_ptr<const MarketTable> table = sharedBuiltInTable();
    if (!o.table.empty()) {
        MarketTableRead read = readMarketTableFile(o.table);
        if (!read.table) {
            messages.show(read.error, "FILE ERROR", MessageIcon::Error);
            exitCode = 1;
            return nullptr;
        }
        table = std::make_shared<const MarketTable>(std::move(*read.table));
    }
    const MarketFileRead file = readMarketFile(marketFilePath(path));
    if (!file.problem.empty()) messages.show(file.problem, "FILE WARNING", MessageIcon::Warning);
    MarketSettings settings = file.settings;
    if (!applyOverrides(o.markets, s, settings, messages)) {
        exitCode = 2;
        return nullptr;
    }
    if (!o.inflation.empty()) settings.historicalInflation = o.inflation == "history";
    if (o.block > 0) settings.analysis.block = o.block;
    std::vector<std::string> dropped;
    auto plan = std::make_shared<MarketPlan>(resolveMarketPlan(settings, s, table, dropped));
    for (const std::string& line : dropped)
        messages.show(line, "FILE WARNING", MessageIcon::Warning);
    return plan;
}

} // namespace finplan::cli

#include "shell/logic/analysis_presenter.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "analysis/history_report.h"
#include "analysis/trials_report.h"
#include "graphs/format_thousands.h"
#include "model/atomic_file.h"
#include "model/file_prompts.h"
#include "model/file_target.h"
#include "text/format.h"
#include "text/printable_text.h"

namespace finplan {

namespace {

// A whole number from min to max, nothing else around it.
std::optional<long long> wholeNumber(const std::string& text, long long min, long long max) {
    const char* begin = text.c_str();
    while (*begin == ' ')
        ++begin;
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(begin, &end, 10);
    while (end != nullptr && *end == ' ')
        ++end;
    if (end == begin || end == nullptr || *end != '\0' || errno != 0 || v < min || v > max)
        return std::nullopt;
    return v;
}

uint32_t clockSeed(const Clock& clock) {
    const LocalTime t = clock.now();
    // Seconds since year 0 on a 31-day-month calendar, kept modulo 2^32 (unsigned arithmetic,
    // so a date far into the century cannot overflow).
    const uint32_t days = static_cast<uint32_t>((t.year * 12 + t.month) * 31 + t.day);
    return days * 86400u + static_cast<uint32_t>(t.hour * 3600 + t.minute * 60 + t.second);
}

const char* const kModeWords[] = {"accounts", "groups", "cycles", "history"};

// The mode a side file's word names; fallback for a word it does not know.
AnalysisMode modeNamed(const std::string& word, AnalysisMode fallback) {
    for (int m = 0; m < 4; ++m)
        if (word == kModeWords[m]) return static_cast<AnalysisMode>(m);
    return fallback;
}

// The scenario's name as the folder, the chart titles and the export show it.
std::string shownScenarioName(const ScenarioFiles* files) {
    return files ? printableText(baseNameOf(files->displayName)) : std::string();
}

} // namespace

AnalysisPresenter::AnalysisPresenter(const ScenarioSession& session, const Clock& clock,
                                     Messages& messages, FileChooser& chooser,
                                     const ScenarioFiles* files)
    : seedText(std::to_string(clockSeed(clock))), session_(session), scenario_(session.scenario),
      clock_(clock), messages_(messages), chooser_(chooser), files_(files) {}

AnalysisPresenter::~AnalysisPresenter() {
    cancel();
    if (worker_.joinable()) worker_.join();
}

void AnalysisPresenter::followScenario() {
    if (files_ == nullptr || files_->scenarioPath == marketsOf_ || running()) return;
    marketsOf_ = files_->scenarioPath;
    const MarketFileRead read = readMarketFile(marketFilePath(marketsOf_));
    if (!read.problem.empty()) messages_.show(read.problem, "FILE WARNING", MessageIcon::Warning);
    markets = read.settings;
    if (!read.found || !read.problem.empty()) return;
    const AnalysisChoices& c = markets.analysis;
    trialsText = std::to_string(c.trials);
    seedText = std::to_string(c.seed);
    mode = modeNamed(c.mode, mode);
}

LiveTrialsSetup AnalysisPresenter::liveTrialsSetup() const {
    AnalysisMode chosen = mode;
    MarketFileRead read;
    const MarketSettings* settings = &markets;
    if (files_ != nullptr && files_->scenarioPath != marketsOf_) {
        read = readMarketFile(marketFilePath(files_->scenarioPath));
        settings = &read.settings;
        if (read.found && read.problem.empty())
            chosen = modeNamed(read.settings.analysis.mode, mode);
    }
    LiveTrialsSetup setup;
    if (chosen == AnalysisMode::RandomGroups) setup.mode = TrialRandomMode::Groups;
    if (chosen != AnalysisMode::HistoricalSequences && chosen != AnalysisMode::RandomHistory)
        return setup;
    setup.mode = TrialRandomMode::History;
    std::vector<std::string> dropped; // the folder tells of them when it runs
    setup.market = std::make_shared<const MarketPlan>(
        resolveMarketPlan(*settings, scenario_, sharedBuiltInTable(), dropped));
    return setup;
}

bool AnalysisPresenter::saveMarkets() {
    if (files_ == nullptr || files_->scenarioPath.empty()) return false;
    const std::string path = marketFilePath(files_->scenarioPath);
    const FileResult r = saveMarketFile(path, markets);
    if (!r) showFileError(messages_, format("Cannot open %s", path.c_str()), r.reason);
    return r.ok;
}

bool AnalysisPresenter::readFields(TrialSettings& settings) {
    const auto trials = wholeNumber(trialsText, 1, kMaxTrials);
    if (!trials && mode != AnalysisMode::HistoricalSequences) {
        messages_.show("The number of trials must be between 1 and 100000.", "TRIALS ERROR",
                       MessageIcon::Error);
        return false;
    }
    const auto seed = wholeNumber(seedText, 0, 4294967295LL);
    if (!seed && mode != AnalysisMode::HistoricalSequences) {
        messages_.show("The seed must be a whole number from 0 to 4294967295.", "SEED ERROR",
                       MessageIcon::Error);
        return false;
    }
    settings.trials = trials ? static_cast<int>(*trials) : kDefaultTrials;
    settings.seed = seed ? static_cast<uint32_t>(*seed) : 0;
    settings.mode = mode == AnalysisMode::RandomGroups    ? TrialRandomMode::Groups
                    : mode == AnalysisMode::RandomHistory ? TrialRandomMode::History
                                                          : TrialRandomMode::Accounts;
    return true;
}

// The groups' markets as the scenario has them now; a group the side file names that
// the scenario lacks is dropped, with a message.
std::shared_ptr<const MarketPlan> AnalysisPresenter::marketPlan() {
    std::vector<std::string> dropped;
    auto plan = std::make_shared<const MarketPlan>(
        resolveMarketPlan(markets, scenario_, sharedBuiltInTable(), dropped));
    for (const std::string& line : dropped)
        messages_.show(line, "FILE WARNING", MessageIcon::Warning);
    if (!dropped.empty()) {
        MarketSettings kept = markets;
        kept.groups.clear();
        for (int g = 0; g < kMaxGroups; ++g)
            if (scenario_.groups.exists(g))
                kept.setChoice(groupName(scenario_, g), markets.choiceOf(groupName(scenario_, g)));
        markets = std::move(kept);
    }
    return plan;
}

void AnalysisPresenter::startWorker(std::function<void()> work, int total) {
    revisionAtRun_ = session_.revision();
    nameAtRun_ = shownScenarioName(files_);
    discardRunning_ = false;
    done_.store(0);
    finished_.store(false);
    total_ = total;
    lastCancelled_ = false;
    worker_ = std::thread(
        [this, work = std::move(work), starting = runStarting, control = control_.get()] {
            if (starting) starting(*control);
            work();
            finished_.store(true);
        });
}

bool AnalysisPresenter::run() {
    if (running()) return false;
    TrialSettings settings;
    if (!readFields(settings)) return false;
    followScenario();
    markets.analysis.trials = settings.trials;
    markets.analysis.seed = settings.seed;
    markets.analysis.mode = kModeWords[static_cast<int>(mode)];
    // The worker analyses a copy: the user may edit the scenario meanwhile.
    auto copy = std::make_shared<const Scenario>(scenario_);
    control_ = std::make_unique<TrialControl>();
    control_->progress = [this](int done, int) { done_.store(done); };
    const LocalTime today = clock_.now();
    std::shared_ptr<const MarketPlan> plan;
    if (historyMode()) {
        plan = marketPlan();
        saveMarkets();
    }
    if (mode == AnalysisMode::HistoricalSequences) {
        const int cycles = plan->table->size() -
                           planYearCount(scenario_.initial.startAge, scenario_.initial.endAge) + 1;
        startWorker(
            [this, copy, plan, today] {
                pendingHistory_ = std::make_unique<HistoryResults>(
                    runHistory(*copy, plan, HistorySettings{}, *control_, 0, today));
            },
            std::max(cycles, 1));
        return true;
    }
    settings.market = plan;
    shownInflationAtRun_ = scenario_.initial.inflationRate;
    startWorker(
        [this, copy, settings, today] {
            pending_ =
                std::make_unique<TrialResults>(runTrials(*copy, settings, *control_, 0, today));
        },
        settings.trials);
    return true;
}

bool AnalysisPresenter::adopt(const TrialResults& r, uint64_t revision) {
    if (running() || r.status != TrialStatus::Completed) return false;
    shown_ = std::make_unique<TrialResults>(r);
    shownHistory_.reset();
    revisionShown_ = revision;
    nameShown_ = shownScenarioName(files_);
    lastCancelled_ = false;
    seedText = std::to_string(r.settings.seed);
    trialsText = std::to_string(r.settings.trials);
    mode = r.settings.mode == TrialRandomMode::Groups    ? AnalysisMode::RandomGroups
           : r.settings.mode == TrialRandomMode::History ? AnalysisMode::RandomHistory
                                                         : AnalysisMode::RandomAccounts;
    return true;
}

void AnalysisPresenter::cancel() {
    if (running() && control_) control_->cancel();
}

void AnalysisPresenter::clear() {
    if (running()) {
        cancel();
        discardRunning_ = true;
    }
    shown_.reset();
    shownHistory_.reset();
    nameShown_.clear();
    lastCancelled_ = false;
}

bool AnalysisPresenter::poll() {
    if (!running() || !finished_.load()) return false;
    worker_.join();
    if (discardRunning_) {
        discardRunning_ = false;
    } else if (pending_ && pending_->status == TrialStatus::Completed) {
        shown_ = std::move(pending_);
        shownHistory_.reset();
        shownInflation_ = shownInflationAtRun_;
        revisionShown_ = revisionAtRun_;
        nameShown_ = nameAtRun_;
    } else if (pendingHistory_ && pendingHistory_->status == HistoryStatus::Completed) {
        shownHistory_ = std::move(pendingHistory_);
        shown_.reset();
        revisionShown_ = revisionAtRun_;
        nameShown_ = nameAtRun_;
    } else {
        if (pendingHistory_ && pendingHistory_->status == HistoryStatus::NoCycle)
            messages_.show(noCycleText(*pendingHistory_), "HISTORY", MessageIcon::Error);
        lastCancelled_ = true;
    }
    pending_.reset();
    pendingHistory_.reset();
    return true;
}

std::string AnalysisPresenter::statusText() const {
    if (running())
        return format("Running: %d of %d %s", done(), total_,
                      mode == AnalysisMode::HistoricalSequences ? "cycles" : "trials");
    if (lastCancelled_)
        return shown_ || shownHistory_
                   ? "Cancelled: the result below is from the previous analysis."
                   : "Cancelled.";
    std::string text;
    const std::string of = nameShown_.empty() ? std::string() : " of " + nameShown_;
    if (shownHistory_) {
        const HistoryResults& h = *shownHistory_;
        text = format("%d cycles of %d years%s, start years %d to %d",
                      static_cast<int>(h.cycles.size()), h.planYears, of.c_str(),
                      h.cycles.front().startYear, h.cycles.back().startYear);
    } else if (shown_) {
        text = format("%d trials%s, %s, seed %u", shown_->trialsRun, of.c_str(),
                      trialModeText(*shown_).c_str(), shown_->settings.seed);
    } else {
        return "No analysis yet: choose the trials and the seed, then Run.";
    }
    if (stale())
        return text + ". The scenario has changed since: Run again to bring it up to date.";
    return text;
}

bool AnalysisPresenter::stale() const {
    return (shown_ || shownHistory_) && session_.revision() != revisionShown_;
}

std::optional<TrialReplay> AnalysisPresenter::trialToOpen(TrialPick pick) const {
    if (!shown_ || stale() || running()) return std::nullopt;
    return replayOf(*shown_, pick == TrialPick::Median ? shown_->median : shown_->worstDecile);
}

std::optional<TrialReplay> AnalysisPresenter::cycleToOpen(int startYear) const {
    if (!shownHistory_ || stale() || running()) return std::nullopt;
    return cycleReplay(*shownHistory_, startYear);
}

std::vector<int> AnalysisPresenter::failingYears() const {
    std::vector<int> years;
    if (shownHistory_)
        for (const CycleResult& c : shownHistory_->cycles)
            if (c.failed) years.push_back(c.startYear);
    return years;
}

std::string AnalysisPresenter::trialCaption(TrialPick pick) const {
    if (!shown_) return {};
    const bool median = pick == TrialPick::Median;
    const TrialSample& sample = median ? shown_->median : shown_->worstDecile;
    return "Trial " + formatThousands(format("%d", sample.trial + 1)) + " of " +
           formatThousands(format("%d", shown_->trialsRun)) +
           (median ? " (median)" : " (worst decile)");
}

std::optional<std::string> AnalysisPresenter::chooseChartFile() {
    if (!shown_ && !shownHistory_) return std::nullopt;
    return chooser_.saveFile(FileChoice{shownHistory_ ? "Save the Chart" : "Save the Fan Chart",
                                        "PNG Images (*.png)|*.png|SVG Drawings (*.svg)|*.svg|"
                                        "PDF Documents (*.pdf)|*.pdf",
                                        "png", "fan-chart.png"});
}

void AnalysisPresenter::chartNotSaved(const std::string& problem) {
    messages_.show(problem, "FILE ERROR", MessageIcon::Error);
}

double AnalysisPresenter::priceLevel(int ageIndex) const {
    return todaysDollars ? std::pow(1.0 + shownInflation_ * 0.01, ageIndex) : 1.0;
}

FanChart AnalysisPresenter::fanChart() const {
    if (!shown_)
        return FanChart{chart == TrialChart::Savings ? "TOTAL SAVINGS" : "NET WORTH", 0, {}};
    const TrialResults& r = *shown_;
    FanChart fan{fanChartTitle(r, chart), r.firstAge,
                 chart == TrialChart::Savings ? r.savings : r.netWorth};
    if (!nameShown_.empty()) fan.title += " - " + nameShown_;
    if (todaysDollars) {
        fan.title += ", TODAY'S DOLLARS";
        for (int a = 0; a < static_cast<int>(fan.bands.size()); ++a)
            for (float& v : fan.bands[a])
                v = static_cast<float>(v / priceLevel(a));
    }
    return fan;
}

CycleChart AnalysisPresenter::cycleChart() const {
    CycleChart c;
    if (!shownHistory_) return c;
    const HistoryResults& h = *shownHistory_;
    c.title =
        format("%s IN %d CYCLES%s", chart == TrialChart::Savings ? "TOTAL SAVINGS" : "NET WORTH",
               static_cast<int>(h.cycles.size()), todaysDollars ? ", START-YEAR DOLLARS" : "");
    if (!nameShown_.empty()) c.title += " - " + nameShown_;
    c.firstAge = h.firstAge;
    for (const CycleResult& cycle : h.cycles) {
        const std::vector<float>& values =
            chart == TrialChart::Savings ? cycle.savings : cycle.netWorth;
        std::vector<float> line(values.size());
        for (std::size_t i = 0; i < line.size(); ++i)
            line[i] =
                todaysDollars ? static_cast<float>(values[i] / cycle.priceLevel[i]) : values[i];
        c.lines.push_back(std::move(line));
        c.failed.push_back(cycle.failed);
    }
    return c;
}

bool AnalysisPresenter::exportResults() {
    if (!shown_ && !shownHistory_) return false;
    const auto path = chooser_.saveFile(
        FileChoice{"Export Analysis To a File", "Analysis Files (*.txt *.csv)", "txt", ""});
    if (!path) return false;
    // The file dialog leaves the question to the program, as for every file it writes.
    if (!confirmOverwrite(*path, OverwriteWording::Exists, messages_)) return false;
    const bool csv = path->size() >= 4 && path->compare(path->size() - 4, 4, ".csv") == 0;
    const char separator = csv ? ',' : '\t';
    // A line naming the scenario comes before the table's header row.
    const std::string named = nameShown_.empty()
                                  ? std::string()
                                  : "Scenario" + std::string(1, separator) + nameShown_ + "\n";
    const FileResult r =
        saveTextFile(*path, named + (shownHistory_ ? historyCsvText(*shownHistory_, separator)
                                                   : trialsTableText(*shown_, separator)));
    if (!r) showFileError(messages_, format("Cannot open %s", path->c_str()), r.reason);
    return r.ok;
}

} // namespace finplan

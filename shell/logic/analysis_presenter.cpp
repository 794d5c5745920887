#include "shell/logic/analysis_presenter.h"

#include <cerrno>
#include <cstdlib>

#include "analysis/trials_report.h"
#include "engine/money.h"
#include "graphs/format_thousands.h"
#include "model/atomic_file.h"
#include "model/file_prompts.h"
#include "model/file_target.h"

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

} // namespace

AnalysisPresenter::AnalysisPresenter(const Scenario& scenario, const Clock& clock,
                                     Messages& messages, FileChooser& chooser,
                                     const UndoStack* history, const ScenarioFiles* files)
    : seedText(std::to_string(clockSeed(clock))), scenario_(scenario), clock_(clock),
      messages_(messages), chooser_(chooser), history_(history), files_(files) {}

AnalysisPresenter::~AnalysisPresenter() {
    cancel();
    if (worker_.joinable()) worker_.join();
}

bool AnalysisPresenter::readFields(TrialSettings& settings) {
    const auto trials = wholeNumber(trialsText, 1, kMaxTrials);
    if (!trials) {
        messages_.show("The number of trials must be between 1 and 100000.", "TRIALS ERROR",
                       MessageIcon::Error);
        return false;
    }
    const auto seed = wholeNumber(seedText, 0, 4294967295LL);
    if (!seed) {
        messages_.show("The seed must be a whole number from 0 to 4294967295.", "SEED ERROR",
                       MessageIcon::Error);
        return false;
    }
    settings.trials = static_cast<int>(*trials);
    settings.seed = static_cast<uint32_t>(*seed);
    settings.mode = mode;
    return true;
}

bool AnalysisPresenter::run() {
    if (running()) return false;
    TrialSettings settings;
    if (!readFields(settings)) return false;
    // The worker analyses a copy: the user may edit the scenario meanwhile.
    auto copy = std::make_shared<const Scenario>(scenario_);
    changesAtRun_ = history_ ? history_->changes() : 0;
    nameAtRun_ = files_ ? baseNameOf(files_->displayName) : std::string();
    discardRunning_ = false;
    control_ = std::make_unique<TrialControl>();
    control_->progress = [this](int done, int) { done_.store(done); };
    done_.store(0);
    finished_.store(false);
    total_ = settings.trials;
    lastCancelled_ = false;
    const LocalTime today = clock_.now();
    worker_ = std::thread([this, copy, settings, today] {
        auto r = std::make_unique<TrialResults>(runTrials(*copy, settings, *control_, 0, today));
        pending_ = std::move(r);
        finished_.store(true);
    });
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
        changesShown_ = changesAtRun_;
        nameShown_ = nameAtRun_;
    } else {
        lastCancelled_ = true;
    }
    pending_.reset();
    return true;
}

std::string AnalysisPresenter::statusText() const {
    if (running()) return format("Running: %d of %d trials", done(), total_);
    if (lastCancelled_) return "Cancelled: the result below is from the previous analysis.";
    if (!shown_) return "No analysis yet: choose the trials and the seed, then Run.";
    const TrialResults& r = *shown_;
    const std::string of = nameShown_.empty() ? std::string() : " of " + nameShown_;
    const std::string text =
        format("%d trials%s, random %s rates, seed %u", r.trialsRun, of.c_str(),
               r.settings.mode == TrialRandomMode::Groups ? "group" : "account", r.settings.seed);
    if (stale())
        return text + ". The scenario has changed since: Run again to bring it up to date.";
    return text;
}

bool AnalysisPresenter::stale() const {
    return shown_ && history_ && history_->changes() != changesShown_;
}

std::optional<TrialReplay> AnalysisPresenter::trialToOpen(TrialPick pick) const {
    if (!shown_ || stale() || running()) return std::nullopt;
    return replayOf(*shown_, pick == TrialPick::Median ? shown_->median : shown_->worstDecile);
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
    if (!shown_) return std::nullopt;
    return chooser_.saveFile(FileChoice{"Save the Fan Chart",
                                        "PNG Images (*.png)|*.png|SVG Drawings (*.svg)|*.svg|"
                                        "PDF Documents (*.pdf)|*.pdf",
                                        "png", "fan-chart.png"});
}

void AnalysisPresenter::chartNotSaved(const std::string& problem) {
    messages_.show(problem, "FILE ERROR", MessageIcon::Error);
}

FanChart AnalysisPresenter::fanChart() const {
    if (!shown_)
        return FanChart{chart == TrialChart::Savings ? "TOTAL SAVINGS" : "NET WORTH", 0, {}};
    const TrialResults& r = *shown_;
    std::string title = fanChartTitle(r, chart);
    if (!nameShown_.empty()) title += " - " + nameShown_;
    return FanChart{title, r.firstAge, chart == TrialChart::Savings ? r.savings : r.netWorth};
}

bool AnalysisPresenter::exportResults() {
    if (!shown_) return false;
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
    const FileResult r = saveTextFile(*path, named + trialsTableText(*shown_, separator));
    if (!r) showFileError(messages_, format("Cannot open %s", path->c_str()), r.reason);
    return r.ok;
}

} // namespace finplan

#include "analysis/trials.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "analysis/trial_seed.h"
#include "analysis/worker_threads.h"
#include "engine/run_context.h"

namespace finplan {

namespace {

constexpr int kCauseAccounts = kMaxAccounts + 1; // -1 (none) .. 49

int causeSlot(int account, int tag) {
    return (account + 1) * kCauseTags + (tag + 1);
}

// What one thread adds up; whole numbers only, so merging is exact in any order.
struct ThreadTotals {
    std::vector<int64_t> causeUnits = std::vector<int64_t>(kCauseAccounts * kCauseTags);
    std::vector<int> failuresByAge;
    int failed = 0;
    std::unique_ptr<AgeHistograms> netWorth; // histogram mode only
    std::unique_ptr<AgeHistograms> savings;
};

struct Shared {
    Shared(const TrialTemplate& prepared, int count, int chunkSize, TrialControl& ctl)
        : t(prepared), trials(count), chunk(chunkSize), control(ctl) {}
    const TrialTemplate& t;
    int trials;
    int chunk;
    TrialControl& control;
    ExactAgeValues* exactNetWorth = nullptr; // exact mode only
    ExactAgeValues* exactSavings = nullptr;
    std::vector<float> finalNetWorth; // per trial, to find the median and worst-decile trial
    std::atomic<int> next{0};
    std::atomic<int> done{0};
};

void recordTrial(Shared& sh, ThreadTotals& w, const TrialRunner& runner, int trial,
                 const TrialOutcome& o, const float* netWorth, const float* savings) {
    const int ages = sh.t.ageCount;
    sh.finalNetWorth[trial] = netWorth[ages - 1];
    if (sh.exactNetWorth != nullptr) {
        sh.exactNetWorth->store(trial, netWorth);
        sh.exactSavings->store(trial, savings);
    } else {
        w.netWorth->add(netWorth);
        w.savings->add(savings);
    }
    if (!o.failed) return;
    ++w.failed;
    const int ageIndex = o.failureAge - sh.t.firstAge;
    if (ageIndex >= 0 && ageIndex < ages) ++w.failuresByAge[ageIndex];
    const FailureTracker& f = runner.failure();
    for (int c = 0; c < f.causeCount(); ++c)
        w.causeUnits[causeSlot(f.causeAccount(), f.causes()[c].tag)] += f.causes()[c].units;
}

void work(Shared& sh, ThreadTotals& w) {
    TrialRunner runner(sh.t);
    std::vector<float> netWorth(sh.t.ageCount);
    std::vector<float> savings(sh.t.ageCount);
    while (!sh.control.cancelled()) {
        const int begin = sh.next.fetch_add(sh.chunk);
        if (begin >= sh.trials) break;
        const int end = std::min(begin + sh.chunk, sh.trials);
        int i = begin;
        for (; i < end && !sh.control.cancelled(); ++i) {
            const TrialOutcome o = runner.run(i, netWorth.data(), savings.data());
            recordTrial(sh, w, runner, i, o, netWorth.data(), savings.data());
        }
        sh.done.fetch_add(i - begin, std::memory_order_relaxed);
    }
}

// Starts the threads and reports progress until they are all done.
void runThreads(Shared& sh, std::vector<ThreadTotals>& totals) {
    runWorkerThreads(
        static_cast<int>(totals.size()), [&](int w) { work(sh, totals[w]); }, sh.control, sh.done,
        sh.trials);
}

std::vector<FailureCause> topCauses(const TrialTemplate& t, const std::vector<int64_t>& units,
                                    int failed) {
    std::vector<int> slots;
    for (int i = 0; i < static_cast<int>(units.size()); ++i)
        if (units[i] > 0) slots.push_back(i);
    std::stable_sort(slots.begin(), slots.end(), [&](int a, int b) { return units[a] > units[b]; });
    if (slots.size() > TrialResults::kShownCauses) slots.resize(TrialResults::kShownCauses);
    std::vector<FailureCause> out;
    const Scenario& s = *t.scenario;
    for (int slot : slots) {
        FailureCause c;
        c.accountIndex = slot / kCauseTags - 1;
        c.eventIndex = slot % kCauseTags - 1;
        if (c.accountIndex >= 0) c.account = accountName(s.accounts.accounts[c.accountIndex]);
        c.event = failureCauseEvent(s, c.eventIndex);
        c.share = static_cast<double>(units[slot]) / (static_cast<double>(kTrialUnits) * failed);
        out.push_back(std::move(c));
    }
    return out;
}

// The trial at rank `rank` of final net worth (ties by trial number), run again to keep
// its per-age values.
TrialSample sampleAtRank(const TrialTemplate& t, const std::vector<float>& finalNetWorth,
                         std::vector<int>& order, int rank) {
    std::nth_element(order.begin(), order.begin() + rank, order.end(), [&](int a, int b) {
        return finalNetWorth[a] != finalNetWorth[b] ? finalNetWorth[a] < finalNetWorth[b] : a < b;
    });
    TrialSample sample;
    sample.trial = order[rank];
    sample.generatorSeed = trialSeed(t.seed, sample.trial);
    sample.netWorth.resize(t.ageCount);
    sample.savings.resize(t.ageCount);
    TrialRunner runner(t);
    const TrialOutcome o = runner.run(sample.trial, sample.netWorth.data(), sample.savings.data());
    sample.failed = o.failed;
    sample.failureAge = o.failureAge;
    return sample;
}

// The exact bands of both values at every age, the ages shared out among the threads
// (each age's bands are the same whichever thread works them out).
void exactBands(ExactAgeValues& netWorth, ExactAgeValues& savings, int threads, TrialResults& r) {
    const int ages = netWorth.ages();
    r.netWorth.assign(ages, AgeBands{});
    r.savings.assign(ages, AgeBands{});
    std::atomic<int> next{0};
    auto work = [&] {
        BandSelector selector;
        for (int i = next.fetch_add(1); i < 2 * ages; i = next.fetch_add(1)) {
            if (i < ages)
                r.netWorth[i] = netWorth.ageBands(i, selector);
            else
                r.savings[i - ages] = savings.ageBands(i - ages, selector);
        }
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < std::min(threads, 2 * ages); ++t)
        pool.emplace_back(work);
    work();
    for (auto& t : pool)
        t.join();
}

void reduce(const TrialTemplate& t, Shared& sh, std::vector<ThreadTotals>& totals,
            TrialResults& r) {
    std::vector<int64_t> units(kCauseAccounts * kCauseTags);
    r.failuresByAge.assign(t.ageCount, 0);
    for (ThreadTotals& w : totals) {
        r.failed += w.failed;
        for (std::size_t i = 0; i < units.size(); ++i)
            units[i] += w.causeUnits[i];
        for (int a = 0; a < t.ageCount; ++a)
            r.failuresByAge[a] += w.failuresByAge[a];
        if (w.netWorth && &w != &totals.front()) {
            totals.front().netWorth->merge(*w.netWorth);
            totals.front().savings->merge(*w.savings);
        }
    }
    r.causes = topCauses(t, units, r.failed);
    if (sh.exactNetWorth != nullptr) {
        exactBands(*sh.exactNetWorth, *sh.exactSavings, static_cast<int>(totals.size()), r);
    } else {
        r.netWorth = totals.front().netWorth->bands();
        r.savings = totals.front().savings->bands();
    }
    std::vector<int> order(sh.trials);
    for (int i = 0; i < sh.trials; ++i)
        order[i] = i;
    r.median = sampleAtRank(t, sh.finalNetWorth, order, (sh.trials - 1) / 2);
    r.worstDecile = sampleAtRank(t, sh.finalNetWorth, order, (sh.trials - 1) / 10);
}

} // namespace

std::string failureCauseEvent(const Scenario& s, int tag) {
    if (tag < 0 || tag >= s.usedEventCount()) return "Year-end taxes and penalties";
    return eventDescription(s.events[tag]);
}

int analysisThreads(int asked, int items) {
    const int n = asked > 0 ? asked : static_cast<int>(std::thread::hardware_concurrency());
    return std::clamp(n, 1, std::min(kMaxTrialThreads, std::max(items, 1)));
}

TrialResults runTrials(const Scenario& scenario, const TrialSettings& settings,
                       TrialControl& control, int badYearRun, LocalTime time) {
    TrialResults r;
    r.settings = settings;
    r.settings.trials = std::clamp(settings.trials, 1, kMaxTrials);
    r.badYearRun = badYearRun;
    r.time = time;
    const bool history = settings.mode == TrialRandomMode::History;
    if (history && !settings.market) return r;
    const TrialTemplate t = makeTrialTemplate(scenario, settings.mode, settings.seed, badYearRun,
                                              time, history ? settings.market : nullptr);
    r.firstAge = t.firstAge;
    r.ageCount = t.ageCount;
    if (t.ageCount == 0) return r;

    const int n = r.settings.trials;
    const int threads = analysisThreads(r.settings.threads, n);
    const int chunk = settings.chunk > 0 ? settings.chunk : std::clamp(n / (threads * 8), 1, 256);
    Shared sh(t, n, chunk, control);
    sh.finalNetWorth.resize(n);
    r.exactBands = static_cast<int64_t>(n) * t.ageCount <= settings.exactValueLimit;
    std::unique_ptr<ExactAgeValues> exactNetWorth, exactSavings;
    if (r.exactBands) {
        exactNetWorth = std::make_unique<ExactAgeValues>(t.ageCount, n);
        exactSavings = std::make_unique<ExactAgeValues>(t.ageCount, n);
        sh.exactNetWorth = exactNetWorth.get();
        sh.exactSavings = exactSavings.get();
    }
    std::vector<ThreadTotals> totals(threads);
    for (ThreadTotals& w : totals) {
        w.failuresByAge.assign(t.ageCount, 0);
        if (!r.exactBands) {
            w.netWorth = std::make_unique<AgeHistograms>(t.ageCount);
            w.savings = std::make_unique<AgeHistograms>(t.ageCount);
        }
    }
    runThreads(sh, totals);
    r.trialsRun = sh.done.load();
    if (control.cancelled()) {
        // Nothing of a cancelled analysis is shown as its result.
        TrialResults cancelled;
        cancelled.status = TrialStatus::Cancelled;
        cancelled.settings = r.settings;
        cancelled.trialsRun = r.trialsRun;
        return cancelled;
    }
    reduce(t, sh, totals, r);
    r.status = TrialStatus::Completed;
    return r;
}

TrialReplay replayOf(const TrialResults& r, const TrialSample& sample) {
    return TrialReplay{r.settings.mode, sample.generatorSeed, r.badYearRun, r.time,
                       r.settings.market};
}

std::array<int, 3> failureAgeQuartiles(const TrialResults& r) {
    std::array<int, 3> q{-1, -1, -1};
    if (r.failed == 0) return q;
    const double fractions[3] = {0.25, 0.5, 0.75};
    for (int k = 0; k < 3; ++k) {
        // Nearest rank: the smallest age by which that share of the failures happened.
        const auto rank = static_cast<int64_t>(std::ceil(fractions[k] * r.failed));
        int64_t seen = 0;
        for (int a = 0; a < static_cast<int>(r.failuresByAge.size()); ++a) {
            seen += r.failuresByAge[a];
            if (seen >= std::max<int64_t>(rank, 1)) {
                q[k] = r.firstAge + a;
                break;
            }
        }
    }
    return q;
}

} // namespace finplan

// Scenarios the benchmarks share.
#pragma once

#include <benchmark/benchmark.h>

#include <memory>

#include "analysis/trial_runner.h"
#include "model/scenario.h"

namespace finplan {

// 50 accounts of every type, 150 events of every kind (30-year mortgages among
// them), from 20 to 120.
std::unique_ptr<Scenario> maximumScenario();

// A 30-year plan: one investment account at random rates (-10 to 20) and a yearly
// withdrawal growing with inflation.
std::unique_ptr<Scenario> thirtyYearPlan();

// The bundled example read from path; the largest scenario stands in when it cannot be
// read.
std::unique_ptr<Scenario> bundledExample(const char* path);

// One trial after another of t on the calling thread, each into the same age tables:
// the time of one trial.
void runOneTrialEach(benchmark::State& bench, const TrialTemplate& t);

} // namespace finplan

// Integration cost per step and the wall time of all presets.
#include <benchmark/benchmark.h>

#include "scenario/calculation.h"
#include "scenario/presets.h"

namespace {

// Runs a preset with a fine step; reports ns per integration step, both passes counted
// (steps), and how many of those were integrated (computed; the recording pass continues
// from the first pass's state copies).
void RunPresetWithStep(benchmark::State& state, int vehicleClass, int item, double dt0) {
  zarv::Scenario record;
  zarv::ApplyPreset(record, vehicleClass, item);
  zarv::Calculation calculation;
  calculation.Load(record);
  calculation.Set("dt0", dt0);
  long long steps = 0;
  for (auto _ : state) {
    if (calculation.Run()) state.SkipWithError("rejected");
    steps += calculation.summary().steps;
    benchmark::DoNotOptimize(calculation.log().data());
  }
  state.counters["steps"] = static_cast<double>(calculation.summary().steps);
  state.counters["computed"] = static_cast<double>(calculation.summary().stepsComputed);
  // Elapsed seconds over (steps / 1e9): nanoseconds per step.
  state.counters["ns_per_step"] = benchmark::Counter(
      static_cast<double>(steps) / 1e9, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_HydrogenBalloonFineStep(benchmark::State& state) { RunPresetWithStep(state, 3, 0, 0.001); }
void BM_V2FineStep(benchmark::State& state) { RunPresetWithStep(state, 8, 0, 0.001); }

void BM_AllPresets(benchmark::State& state) {
  zarv::Calculation calculation;
  for (auto _ : state) {
    for (const zarv::PresetList& list : zarv::PresetLists()) {
      for (std::size_t item = 0; item < list.items.size(); ++item) {
        zarv::Scenario record;
        if (!zarv::ApplyPreset(record, list.vehicleClass, static_cast<int>(item))) continue;
        calculation.Load(record);
        if (calculation.Run()) state.SkipWithError("rejected");
      }
    }
    benchmark::DoNotOptimize(calculation.log().data());
  }
}

BENCHMARK(BM_HydrogenBalloonFineStep)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_V2FineStep)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_AllPresets)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

}  // namespace

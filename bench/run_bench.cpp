// Integration cost per step and the wall time of all presets.
#include <benchmark/benchmark.h>

#include <memory>

#include "scenario/presets.h"
#include "scenario/scenario_inputs.h"
#include "trajectory/trajectory_run.h"

namespace {

// Runs a preset with a fine step; reports ns per integration step, both passes counted
// (steps), and how many of those were integrated (computed; the recording pass continues
// from the first pass's state copies).
void RunPresetWithStep(benchmark::State& state, int vehicleClass, int item, double dt0) {
  zarv::Scenario record;
  zarv::ApplyPreset(record, vehicleClass, item);
  const zarv::RunInputs base = zarv::InputsFromScenario(record);
  auto log = std::make_unique<zarv::TrajectoryLog>();
  zarv::TrajectoryRun run;
  long long steps = 0;
  for (auto _ : state) {
    zarv::RunInputs inputs = base;
    inputs.dt0 = dt0;
    if (run.Run(inputs, record[zarv::sf::VehicleClass], *log)) state.SkipWithError("rejected");
    steps += run.summary().steps;
    benchmark::DoNotOptimize(log->data());
  }
  state.counters["steps"] = static_cast<double>(run.summary().steps);
  state.counters["computed"] = static_cast<double>(run.summary().stepsComputed);
  // Elapsed seconds over (steps / 1e9): nanoseconds per step.
  state.counters["ns_per_step"] = benchmark::Counter(
      static_cast<double>(steps) / 1e9, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_HydrogenBalloonFineStep(benchmark::State& state) { RunPresetWithStep(state, 3, 0, 0.001); }
void BM_V2FineStep(benchmark::State& state) { RunPresetWithStep(state, 8, 0, 0.001); }

void BM_AllPresets(benchmark::State& state) {
  auto log = std::make_unique<zarv::TrajectoryLog>();
  zarv::TrajectoryRun run;
  for (auto _ : state) {
    for (const zarv::PresetList& list : zarv::PresetLists()) {
      for (std::size_t item = 0; item < list.items.size(); ++item) {
        zarv::Scenario record;
        if (!zarv::ApplyPreset(record, list.vehicleClass, static_cast<int>(item))) continue;
        zarv::RunInputs inputs = zarv::InputsFromScenario(record);
        if (run.Run(inputs, record[zarv::sf::VehicleClass], *log)) state.SkipWithError("rejected");
      }
    }
    benchmark::DoNotOptimize(log->data());
  }
}

BENCHMARK(BM_HydrogenBalloonFineStep)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_V2FineStep)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_AllPresets)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

}  // namespace

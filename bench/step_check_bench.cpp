// What the step check and a run's warnings cost against one run of the flight: the V-2,
// whose check misses (three runs, at dt0, dt0/2 and dt0/4: about 7 first passes), and the
// glider DS-8, whose check meets and confirms a larger step by runs at it (at most one
// first pass more). The warnings fly the run again over the round Earth and at 2 dt0, and
// at dt0/2 where that suggests a step too coarse (the V-2).
#include <benchmark/benchmark.h>

#include "scenario/calculation.h"
#include "scenario/presets.h"
#include "trust/model_warnings.h"
#include "trust/step_check.h"

namespace {

// The preset named by the benchmark's two arguments.
zarv::Calculation Preset(const benchmark::State& state) {
  zarv::Scenario record;
  zarv::ApplyPreset(record, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  zarv::Calculation calculation;
  calculation.Load(record);
  return calculation;
}

void BM_Run(benchmark::State& state) {
  zarv::Calculation calculation = Preset(state);
  for (auto _ : state) {
    if (calculation.Run()) state.SkipWithError("rejected");
    benchmark::DoNotOptimize(calculation.log().data());
  }
}

void BM_StepCheck(benchmark::State& state) {
  const zarv::Calculation calculation = Preset(state);
  for (auto _ : state) {
    auto check = zarv::CheckStep(calculation);
    benchmark::DoNotOptimize(check);
  }
}

void BM_Warnings(benchmark::State& state) {
  zarv::Calculation calculation = Preset(state);
  zarv::RunOutcomes outcomes;
  if (zarv::RunForOutcomes(calculation, outcomes)) state.SkipWithError("rejected");
  for (auto _ : state) {
    auto warnings = zarv::AssessRun(calculation, outcomes, nullptr);
    benchmark::DoNotOptimize(warnings);
  }
}

void Presets(benchmark::internal::Benchmark* b) {
  b->Args({8, 0})->Args({5, 3})->Unit(benchmark::kMillisecond);
  b->Repetitions(5)->ReportAggregatesOnly(true);
}

}  // namespace

BENCHMARK(BM_Run)->Apply(Presets);
BENCHMARK(BM_StepCheck)->Apply(Presets);
BENCHMARK(BM_Warnings)->Apply(Presets);

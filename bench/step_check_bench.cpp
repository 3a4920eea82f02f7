// What the step check of the V-2 costs against one run of it (the aim: at most 3.5 runs).
#include <benchmark/benchmark.h>

#include "scenario/calculation.h"
#include "scenario/presets.h"
#include "trust/step_check.h"

namespace {

zarv::Calculation& V2() {
  static zarv::Calculation calculation;
  static const bool loaded = [] {
    zarv::Scenario record;
    zarv::ApplyPreset(record, 8, 0);
    calculation.Load(record);
    return true;
  }();
  (void)loaded;
  return calculation;
}

void BM_V2Run(benchmark::State& state) {
  zarv::Calculation& calculation = V2();
  for (auto _ : state) {
    if (calculation.Run()) state.SkipWithError("rejected");
    benchmark::DoNotOptimize(calculation.log().data());
  }
}

void BM_V2StepCheck(benchmark::State& state) {
  zarv::Calculation& calculation = V2();
  for (auto _ : state) {
    auto check = zarv::CheckStep(calculation);
    benchmark::DoNotOptimize(check);
  }
}

}  // namespace

BENCHMARK(BM_V2Run)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_V2StepCheck)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

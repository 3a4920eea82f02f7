// What each integrator costs to reach 0.1 % of the V-2's converged peak altitude, range
// and peak |nx| (derivative evaluations and wall time of a whole run, samples included),
// and RK4 against Euler at the preset's own step. The settings are found before timing:
// the coarsest step, or the loosest tolerance, that meets all three.
#include <array>
#include <cmath>
#include <cstdio>
#include <string>

#include <benchmark/benchmark.h>

#include "scenario/calculation.h"
#include "scenario/presets.h"

namespace {

// Explicit Euler at 1e-5 and 6e-6 s extrapolated to a zero step (first order); the
// adaptive method at rtol 1e-12 meets them to 1e-7.
constexpr std::array<double, 3> kConverged = {59221.368, 263161.46, 5.12456392};  // m, m, -
constexpr const char* kNames[] = {"peak altitude", "range", "peak |nx|"};
constexpr double kGoal = 1e-3;  // relative

struct Setting {
  zarv::Integrator integrator = zarv::Integrator::Euler;
  double dt0 = 0.0;   // s
  double rtol = 0.0;  // adaptive only
};

zarv::Calculation V2(const Setting& s) {
  zarv::Scenario record;
  zarv::ApplyPreset(record, 8, 0);
  zarv::Calculation calculation;
  calculation.Load(record);
  zarv::RunSettings settings;
  settings.integrator = s.integrator;
  if (s.rtol > 0.0) settings.rtol = s.rtol;
  calculation.setSettings(settings);
  calculation.inputs().dt0 = s.dt0;
  return calculation;
}

// The largest relative error of the three, NaN when the run fails.
double WorstError(const Setting& s) {
  zarv::Calculation calculation = V2(s);
  zarv::RunControl outcomesOnly;
  outcomesOnly.recordLog = false;
  if (calculation.Run(outcomesOnly)) return NAN;
  const zarv::RunSummary& r = calculation.summary();
  const std::array<double, 3> got = {r.peakAltitude, r.range, r.peakLoadFactorX};
  double worst = 0.0;
  for (int i = 0; i < 3; ++i) worst = std::max(worst, std::abs(got[i] / kConverged[i] - 1.0));
  return worst;
}

// Steps (or tolerances) shrinking by 2^(1/4) from `start`; the first that meets the goal.
Setting Coarsest(Setting s, double Setting::*value, double start, double floor) {
  for (s.*value = start; s.*value >= floor; s.*value /= std::pow(2.0, 0.25)) {
    if (WorstError(s) <= kGoal) return s;
  }
  return s;
}

Setting FindSetting(zarv::Integrator integrator) {
  const Setting s{integrator, 0.01, 0.0};
  switch (integrator) {
    case zarv::Integrator::Euler: return Coarsest(s, &Setting::dt0, 0.01, 1e-6);
    case zarv::Integrator::Rk4: return Coarsest(s, &Setting::dt0, 2.0, 1e-4);
    case zarv::Integrator::Adaptive: return Coarsest(s, &Setting::rtol, 1e-2, 1e-12);
  }
  return s;
}

void RunV2(benchmark::State& state, Setting s) {
  zarv::Calculation calculation = V2(s);
  for (auto _ : state) {
    if (calculation.Run()) state.SkipWithError("failed");
    benchmark::DoNotOptimize(calculation.log().data());
  }
  const zarv::RunSummary& r = calculation.summary();
  state.counters["evaluations"] = static_cast<double>(r.evaluations);
  state.counters["dt0"] = s.dt0;
  state.counters["rtol"] = s.rtol;
  state.counters["error_pct"] = 100.0 * WorstError(s);
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  const std::pair<const char*, zarv::Integrator> integrators[] = {
      {"euler", zarv::Integrator::Euler},
      {"rk4", zarv::Integrator::Rk4},
      {"adaptive", zarv::Integrator::Adaptive},
  };
  for (const auto& [name, integrator] : integrators) {
    const Setting s = FindSetting(integrator);
    std::fprintf(stderr, "%s meets 0.1 %% of the %s, %s and %s at dt0 %g, rtol %g\n", name,
                 kNames[0], kNames[1], kNames[2], s.dt0, s.rtol);
    benchmark::RegisterBenchmark((std::string("BM_V2To0.1Percent/") + name).c_str(), RunV2, s)
        ->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
  }
  // At the preset's step: RK4's error and cost against Euler's.
  for (const auto& [name, integrator] : integrators) {
    if (integrator == zarv::Integrator::Adaptive) continue;
    benchmark::RegisterBenchmark((std::string("BM_V2AtItsStep/") + name).c_str(), RunV2,
                                 Setting{integrator, 0.01, 0.0})
        ->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

// Integration cost per step, against a bare loop of the same arithmetic, and the wall
// time of all presets.
#include <algorithm>
#include <cmath>

#include <benchmark/benchmark.h>

#include "flight_model/constants.h"
#include "flight_model/standard_atmosphere.h"
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

// The flight both step benchmarks take: the first projectile preset, 1.4 million steps.
constexpr int kStepClass = 1;
constexpr double kStepDt = 1e-5;  // s

void SetNsPerStep(benchmark::State& state, long long steps) {
  state.counters["ns_per_step"] = benchmark::Counter(
      static_cast<double>(steps) / 1e9, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// One integrated step of the first pass, through the calculation (outcomes only).
void BM_FirstPassStep(benchmark::State& state) {
  zarv::Scenario record;
  zarv::ApplyPreset(record, kStepClass, 0);
  zarv::Calculation calculation;
  calculation.Load(record);
  calculation.Set("dt0", kStepDt);
  zarv::RunControl outcomesOnly;
  outcomesOnly.recordLog = false;
  long long steps = 0;
  for (auto _ : state) {
    if (calculation.Run(outcomesOnly)) state.SkipWithError("failed");
    steps += calculation.summary().steps;
    benchmark::DoNotOptimize(calculation.summary().range);
  }
  SetNsPerStep(state, steps);
}

// The same step in a recording run, which keeps the state copies: ns per first-pass step,
// the recording pass included.
void BM_RecordingRunStep(benchmark::State& state) {
  zarv::Scenario record;
  zarv::ApplyPreset(record, kStepClass, 0);
  zarv::Calculation calculation;
  calculation.Load(record);
  calculation.Set("dt0", kStepDt);
  long long steps = 0;
  for (auto _ : state) {
    if (calculation.Run()) state.SkipWithError("failed");
    steps += calculation.summary().steps / 2;
    benchmark::DoNotOptimize(calculation.log().data());
  }
  SetNsPerStep(state, steps);
}

// The same flight as a bare loop: one sincos, one atmosphere lookup, the Euler update
// and the sampling fraction, nothing else.
void BM_BareLoop(benchmark::State& state) {
  zarv::Scenario record;
  zarv::ApplyPreset(record, kStepClass, 0);
  zarv::Calculation calculation;
  calculation.Load(record);
  const zarv::RunInputs in = calculation.inputs();
  const double dt = kStepDt;
  const double interval = in.Tk / zarv::kSampleCapacity;
  long long steps = 0;
  for (auto _ : state) {
    double t = 0.0, x = 0.0, h = in.H0, v = in.V0, theta = in.TTO / zarv::kDegreesPerRadian;
    double temperature, pressure, sound, density, viscosity, fractions = 0.0, nx = 0.0;
    const double m = in.MassaStart, area = in.S0, cx = in.Cx, cy = in.Cy, w = in.Vwind;
    do {
      zarv::StandardAtmosphere(h, temperature, pressure, sound, density, viscosity);
      const double mach = v / sound;
      const double q = density * v * v / 2.0;
      const double s = std::sin(theta), c = std::cos(theta);
      const double dVdt = (-cx * density * v * v / 2.0 * area + cx * density * w * w / 2.0 * area * c -
                           m * zarv::kGravity * s) / m;
      x = x + (v + w * c) * c * dt;
      h = h + v * s * dt;
      v = v + dVdt * dt;
      const double dThetadt =
          (cy * density * v * v * area / 2.0 - m * zarv::kGravity * c - cx * density * w * w / 2.0 * area * s) / m / v;
      theta = std::clamp(theta + dThetadt * dt, -zarv::kPathAngleLimitNormal, zarv::kPathAngleLimitNormal);
      t = t + dt;
      nx = -cx * q * area / zarv::kGravity / m;
      benchmark::DoNotOptimize(mach);
      const double ratio = t / interval;
      fractions += ratio - std::floor(ratio);
      ++steps;
    } while (h > in.Hk && t < in.Tk);
    benchmark::DoNotOptimize(fractions);
    benchmark::DoNotOptimize(nx);
    benchmark::DoNotOptimize(x);
  }
  SetNsPerStep(state, steps);
}

// The V-2 preset at its own step, as one run of zarv-run or the Python module computes it:
// the baseline of bench/python_bench.py.
void BM_V2Preset(benchmark::State& state) {
  zarv::Scenario record;
  zarv::ApplyPreset(record, 8, 0);
  zarv::Calculation calculation;
  calculation.Load(record);
  for (auto _ : state) {
    if (calculation.Run()) state.SkipWithError("rejected");
    benchmark::DoNotOptimize(calculation.log().data());
  }
}

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

BENCHMARK(BM_FirstPassStep)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly();
BENCHMARK(BM_RecordingRunStep)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly();
BENCHMARK(BM_BareLoop)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly();
BENCHMARK(BM_HydrogenBalloonFineStep)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_V2FineStep)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_V2Preset)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly();
BENCHMARK(BM_AllPresets)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

}  // namespace

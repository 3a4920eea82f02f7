#include <algorithm>
#include <atomic>
#include <cmath>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "scenario/calculation.h"
#include "scenario/presets.h"
#include "texts/run_messages.h"

namespace zarv {
namespace {

bool SameLog(const TrajectoryLog& a, const TrajectoryLog& b) {
  for (int n = 1; n <= kLogElements; ++n) {
    if (a.element(n) != b.element(n)) return false;
  }
  return true;
}

struct Loaded {
  Calculation calculation;
  explicit Loaded(int vehicleClass, int item) {
    Scenario record;
    ApplyPreset(record, vehicleClass, item);
    calculation.Load(record);
  }
};

TEST(RunFailure, DivergedRunsNameTheirCauseAndChangeNothing) {
  struct Case {
    const char* what;
    int vehicleClass, item;
    std::vector<std::pair<const char*, double>> set;
    DivergenceCause cause;
    const char* named;  // an input the cause must name, or nullptr
  };
  const Case cases[] = {
      {"hurricane of 1e300 m/s", 1, 0, {{"Vwind", 1e300}}, DivergenceCause::InputsOutOfRange, "Vwind"},
      {"start speed 1e160 m/s", 1, 0, {{"V0", 1e160}}, DivergenceCause::InputsOutOfRange, "V0"},
      {"start altitude 1e20 m", 1, 1, {{"H0", 1e20}}, DivergenceCause::InputsOutOfRange, "H0"},
      {"Apollo with a 10 s step", 7, 2, {{"dt0", 10.0}}, DivergenceCause::StepTooLarge, nullptr},
      {"ballistic Apollo with a 10 s step", 7, 8, {{"dt0", 10.0}}, DivergenceCause::StepTooLarge, nullptr},
      {"1 kg with 1e6 m2", 1, 0, {{"MassaStart", 1.0}, {"S0", 1e6}}, DivergenceCause::InputsOutOfRange, "S0"},
  };
  for (const Case& c : cases) {
    Loaded loaded(c.vehicleClass, c.item);
    Calculation& calculation = loaded.calculation;
    ASSERT_FALSE(calculation.Run()) << c.what << ": the preset itself must run";
    const auto logBefore = std::make_unique<TrajectoryLog>(calculation.log());
    const RunSummary summaryBefore = calculation.summary();
    for (const auto& [name, value] : c.set) ASSERT_TRUE(calculation.Set(name, value));
    const RunInputs inputsBefore = calculation.inputs();

    const auto failure = calculation.Run();
    ASSERT_TRUE(failure) << c.what << ": reported as a success, final speed "
                         << calculation.summary().finalSpeed;
    ASSERT_EQ(failure->kind, RunFailure::Kind::Diverged) << c.what;
    const Divergence& d = failure->diverged;
    EXPECT_EQ(d.cause, c.cause) << c.what << ": " << DescribeDivergence(d, Language::English);
    EXPECT_TRUE(d.time > 0.0 && d.time <= calculation.inputs().Tk + calculation.inputs().dt0)
        << c.what << ": diverged at t = " << d.time;
    if (c.named != nullptr) {
      EXPECT_NE(std::find(d.inputs.begin(), d.inputs.end(), c.named), d.inputs.end())
          << c.what << ": " << DescribeDivergence(d, Language::English);
    }
    EXPECT_TRUE(SameLog(calculation.log(), *logBefore)) << c.what << ": the log changed";
    EXPECT_EQ(calculation.summary().steps, summaryBefore.steps) << c.what;
    EXPECT_EQ(calculation.summary().peakSpeed, summaryBefore.peakSpeed) << c.what;
    EXPECT_EQ(calculation.inputs().S0, inputsBefore.S0) << c.what;
  }
}

// A step too large for the dynamics makes energy no force gave long before the state
// leaves the numbers; coarse steps that still fly soundly run on.
TEST(RunFailure, StepsThatMakeEnergyDivergeAtTheStepThatMadeIt) {
  constexpr double kRuns = -1.0;  // the verdict of a run that succeeds
  struct Case {
    const char* what;
    int vehicleClass, item;
    double dt0;
    EarthModel earth;
    double divergedAt;  // s, or kRuns
  };
  const Case cases[] = {
      {"water drop, drag overshoots (was 2.7e10 m at 97.9 m/s)", 1, 6, 10.0, EarthModel::Flat, 20.0},
      {"parachute falls 490 m/s in its first step", 2, 0, 50.0, EarthModel::Flat, 100.0},
      {"parachute at 10 s", 2, 0, 10.0, EarthModel::Flat, 20.0},
      {"parachute oscillates about its terminal speed near the ground", 2, 0, 1.0, EarthModel::Flat, 481.0},
      {"glider climbs on its phugoid (was 3400 km)", 5, 0, 50.0, EarthModel::Flat, 100.0},
      {"glider in two steps (was 1755.7 m and back to 0)", 5, 0, 500.0, EarthModel::Flat, 1000.0},
      {"the same over the round Earth", 5, 0, 500.0, EarthModel::Round, 1000.0},
      {"glider at 4 s climbs to twice its start altitude", 5, 0, 4.0, EarthModel::Flat, 144.0},
      {"glider at 3 s keeps its altitude", 5, 0, 3.0, EarthModel::Flat, kRuns},
      {"water drop at 2 s", 1, 6, 2.0, EarthModel::Flat, kRuns},
      {"model rocket from rest at 1.5 s", 8, 1, 1.5, EarthModel::Flat, kRuns},
      {"V-2 at 2 s", 8, 0, 2.0, EarthModel::Flat, kRuns},
      {"Apollo at 2 s", 7, 2, 2.0, EarthModel::Flat, kRuns},
  };
  for (const Case& c : cases) {
    Loaded loaded(c.vehicleClass, c.item);
    Calculation& calculation = loaded.calculation;
    calculation.setEarthModel(c.earth);
    ASSERT_TRUE(calculation.Set("dt0", c.dt0));
    const auto failure = calculation.Run();
    if (c.divergedAt == kRuns) {
      EXPECT_FALSE(failure) << c.what << ": "
                            << (failure ? DescribeRunFailure(*failure, Language::English) : "");
      continue;
    }
    ASSERT_TRUE(failure) << c.what << ": ran, peak altitude " << calculation.summary().peakAltitude
                         << " m, peak speed " << calculation.summary().peakSpeed << " m/s";
    ASSERT_EQ(failure->kind, RunFailure::Kind::Diverged) << c.what;
    EXPECT_EQ(failure->diverged.cause, DivergenceCause::StepTooLarge)
        << c.what << ": " << DescribeDivergence(failure->diverged, Language::English);
    EXPECT_NEAR(failure->diverged.time, c.divergedAt, c.dt0 / 2) << c.what;
  }
}

// Wide random inputs through every class: a run either fails or leaves only numbers.
TEST(RunFailure, RandomInputsNeverSucceedWithANonFiniteResult) {
  std::mt19937_64 random(20240611);
  const auto logUniform = [&](double lo, double hi) {
    return std::exp(std::uniform_real_distribution<double>(std::log(lo), std::log(hi))(random));
  };
  const auto signedLog = [&](double lo, double hi) {
    return (random() & 1 ? 1.0 : -1.0) * logUniform(lo, hi);
  };
  const int classes[] = {1, 2, 3, 4, 5, 6, 7, 8};
  int successes = 0, failures = 0;
  for (int n = 0; n < 320; ++n) {
    Calculation calculation;
    const int cls = classes[n % std::size(classes)];
    const PresetList* list = FindPresetList(cls == 4 ? 3 : cls == 6 ? 5 : cls);
    Scenario record;
    if (list != nullptr) ApplyPreset(record, list->vehicleClass, 0);
    calculation.Load(record);
    calculation.setVehicleClass(static_cast<VehicleClass>(cls));
    RunInputs& in = calculation.inputs();
    in.dt0 = logUniform(1e-3, 1e3);
    in.Tk = in.dt0 * logUniform(1.0, 2e4);
    in.H0 = logUniform(1e-2, 1e13);
    in.V0 = logUniform(1e-3, 1e12);
    in.TTO = std::uniform_real_distribution<double>(-720, 720)(random);
    in.Hk = signedLog(1e-3, 1e4);
    in.MassaStart = logUniform(1e-6, 1e9);
    in.S0 = logUniform(1e-6, 1e9);
    in.Cx = logUniform(1e-4, 1e4);
    in.Cy = signedLog(1e-4, 1e4);
    in.Vwind = signedLog(1e-3, 1e12);
    in.Mt = in.MassaStart * std::uniform_real_distribution<double>(0.0, 0.9)(random);
    in.Iud = logUniform(1.0, 1e6);
    in.Schub = logUniform(1e-3, 1e10);
    in.RSAT = logUniform(1e-3, 1e3);
    in.Auftriebplus = signedLog(1e-2, 1e8);
    in.Gasverlust = logUniform(1e-3, 1e6);
    in.GasDichte = logUniform(1e-4, 1.2);
    in.HFlug = logUniform(1.0, 1e7);
    in.AeroModel = static_cast<double>(random() % 3);
    const RunInputs asSet = in;

    const auto failure = calculation.Run();
    if (failure) {
      ++failures;
      continue;
    }
    ++successes;
    const std::string where = "class " + std::to_string(cls) + " run " + std::to_string(n) +
                              " V0 " + std::to_string(asSet.V0) + " dt0 " + std::to_string(asSet.dt0);
    const RunSummary& s = calculation.summary();
    ASSERT_GE(s.samplesRecorded, 1) << where << ": slot 1 left empty";
    for (const double v : {s.flightTime, s.range, s.peakAltitude, s.peakSpeed, s.peakLoadFactorX,
                           s.peakDynamicPressure, s.finalSpeed}) {
      ASSERT_TRUE(std::isfinite(v)) << where << ": summary value " << v;
    }
    for (int r = 0; r < kRecordedRows; ++r) {
      for (int j = 1; j <= kSampleCapacity; ++j) {
        ASSERT_TRUE(std::isfinite(calculation.log().at(r, j)))
            << where << ": row " << r << " slot " << j << " = " << calculation.log().at(r, j);
      }
    }
  }
  // The sweep must exercise both outcomes to mean anything.
  EXPECT_GT(successes, 40);
  EXPECT_GT(failures, 40);
}

TEST(RunFailure, CancelledRunChangesNothing) {
  Loaded loaded(8, 0);
  Calculation& calculation = loaded.calculation;
  ASSERT_FALSE(calculation.Run());
  const auto logBefore = std::make_unique<TrajectoryLog>(calculation.log());
  const RunSummary summaryBefore = calculation.summary();
  ASSERT_TRUE(calculation.Set("dt0", 0.0001));  // 3 million steps to the ground

  std::atomic<bool> cancel{false};
  double lastProgress = 0.0;
  RunControl control;
  control.cancel = &cancel;
  control.progress = [&](double fraction) {
    lastProgress = fraction;
    if (fraction > 0.05) cancel = true;
  };
  const auto failure = calculation.Run(control);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->kind, RunFailure::Kind::Cancelled);
  EXPECT_LT(lastProgress, 0.1) << "the run went on long after the cancel";
  EXPECT_TRUE(SameLog(calculation.log(), *logBefore));
  EXPECT_EQ(calculation.summary().steps, summaryBefore.steps);

  // The next run is the same as in a fresh calculation.
  ASSERT_TRUE(calculation.Set("dt0", 0.01));
  ASSERT_FALSE(calculation.Run());
  EXPECT_TRUE(SameLog(calculation.log(), *logBefore));
}

TEST(RunFailure, ProgressRisesToOneInAtMostAHundredCalls) {
  struct Case {
    const char* what;
    int vehicleClass, item;
    double dt0, Tk;
    bool recordLog;
  };
  // Stopped by Tk, so that the first pass alone polls more than 100 times.
  const Case cases[] = {
      {"V-2", 8, 0, 0.0001, 60.0, true},
      {"V-2, outcomes only", 8, 0, 0.0001, 60.0, false},
      {"hydrogen balloon", 3, 0, 0.001, 600.0, true},
  };
  for (const Case& c : cases) {
    Loaded loaded(c.vehicleClass, c.item);
    ASSERT_TRUE(loaded.calculation.Set("dt0", c.dt0));
    ASSERT_TRUE(loaded.calculation.Set("Tk", c.Tk));
    std::vector<double> reports;
    RunControl control;
    control.progress = [&](double fraction) { reports.push_back(fraction); };
    control.recordLog = c.recordLog;
    ASSERT_FALSE(loaded.calculation.Run(control)) << c.what;
    ASSERT_GE(reports.size(), 50u) << c.what;
    EXPECT_LE(reports.size(), 102u) << c.what;
    EXPECT_EQ(reports.back(), 1.0) << c.what;
    for (std::size_t i = 1; i < reports.size(); ++i) {
      ASSERT_TRUE(reports[i] >= reports[i - 1] && reports[i] <= 1.0)
          << c.what << ": report " << i << " is " << reports[i] << " after " << reports[i - 1];
    }
  }
}

TEST(RunFailure, RejectionsNameEveryInputBehindThem) {
  struct Case {
    const char* what;
    int vehicleClass, item;
    std::vector<std::pair<const char*, double>> set;
    InputProblem problem;
    const char* message;  // English
  };
  const Case cases[] = {
      {"a step too small to leave a sample interval", 1, 0, {{"Tk", 5e-324}, {"dt0", 5e-324}},
       InputProblem::SampleIntervalZero,
       "Invalid input dt0: the step is so small that the sample interval (flight time / 500) is 0."},
      {"one step's burn past the start mass", 8, 0, {{"Mt", 12699}}, InputProblem::PropellantNotBelowMass,
       "Invalid input Mt, Schub, Iud, dt0: the propellant plus one step's burn must stay below the "
       "start mass."},
  };
  for (const Case& c : cases) {
    Loaded loaded(c.vehicleClass, c.item);
    for (const auto& [name, value] : c.set) ASSERT_TRUE(loaded.calculation.Set(name, value));
    const auto failure = loaded.calculation.Run();
    ASSERT_TRUE(failure) << c.what << ": accepted, " << loaded.calculation.summary().samplesRecorded
                         << " samples";
    EXPECT_EQ(failure->kind, RunFailure::Kind::Rejected) << c.what;
    EXPECT_EQ(failure->rejected.problem, c.problem) << c.what;
    EXPECT_EQ(DescribeRunFailure(*failure, Language::English), c.message) << c.what;
  }
}

// The summary's peaks cover every step of the first pass, and an outcomes-only run gives
// the same summary without touching the log.
TEST(RunSummary, PeaksFinalSpeedAndStopOfTheWholeFlight) {
  struct Case {
    const char* what;
    int vehicleClass, item;
    double Tk;  // 0: the preset's
    RunStop stop;
  };
  const Case cases[] = {
      {"V-2 falls back", 8, 0, 0.0, RunStop::Ground},
      {"Apollo cut off in the plasma", 7, 2, 250.0, RunStop::EndTime},
      {"parachute", 2, 0, 0.0, RunStop::Ground},
  };
  for (const Case& c : cases) {
    Loaded loaded(c.vehicleClass, c.item);
    Calculation& calculation = loaded.calculation;
    if (c.Tk > 0.0) {
      ASSERT_TRUE(calculation.Set("Tk", c.Tk));
    }
    ASSERT_FALSE(calculation.Run()) << c.what;
    const RunSummary full = calculation.summary();
    const TrajectoryLog& log = calculation.log();
    const double qScale = log.units.PressureUnit == 2 ? 1e6 : log.units.PressureUnit == 1 ? 1e3 : 1.0;
    const double vScale = log.units.VelocityInKm == 1 ? 1e3 : 1.0;
    double sampledNx = 0.0, sampledQ = 0.0;
    for (int j = 1; j <= kSampleCapacity; ++j) {
      sampledNx = std::max(sampledNx, std::abs(log.at(row::kLoadFactorX, j)));
      sampledQ = std::max(sampledQ, log.at(row::kDynamicPressure, j) * qScale);
    }
    EXPECT_EQ(full.stop, c.stop) << c.what;
    EXPECT_GT(sampledNx, 0.0) << c.what;
    EXPECT_GE(full.peakLoadFactorX, sampledNx) << c.what;
    EXPECT_GE(full.peakDynamicPressure, sampledQ * (1 - 1e-12)) << c.what;
    EXPECT_LT(full.peakDynamicPressure, 1.5 * sampledQ) << c.what;
    EXPECT_NEAR(full.finalSpeed, log.at(row::kVelocity, kSampleCapacity) * vScale,
                0.1 * std::abs(full.finalSpeed)) << c.what << ": the last sample lies one interval before";

    const auto logBefore = std::make_unique<TrajectoryLog>(log);
    const TrajectoryLog* const logObject = &calculation.log();
    RunControl outcomesOnly;
    outcomesOnly.recordLog = false;
    ASSERT_FALSE(calculation.Run(outcomesOnly)) << c.what;
    const RunSummary& quick = calculation.summary();
    EXPECT_EQ(&calculation.log(), logObject) << c.what << ": the log was swapped";
    EXPECT_TRUE(SameLog(calculation.log(), *logBefore)) << c.what << ": the log was written";
    EXPECT_EQ(quick.steps, full.steps / 2) << c.what << ": the recording pass ran";
    EXPECT_EQ(quick.flightTime, full.flightTime) << c.what;
    EXPECT_EQ(quick.peakAltitude, full.peakAltitude) << c.what;
    EXPECT_EQ(quick.peakLoadFactorX, full.peakLoadFactorX) << c.what;
    EXPECT_EQ(quick.peakDynamicPressure, full.peakDynamicPressure) << c.what;
    EXPECT_EQ(quick.finalSpeed, full.finalSpeed) << c.what;
    EXPECT_EQ(quick.stop, full.stop) << c.what;
  }
}

}  // namespace
}  // namespace zarv

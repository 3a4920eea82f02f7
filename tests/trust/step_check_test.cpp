#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "scenario/presets.h"
#include "trajectory/log_csv.h"
#include "trust/model_warnings.h"
#include "trust/step_check.h"

namespace zarv {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(StepCheck, ChangeErrorAndLargestStepOfOneQuantity) {
  struct Case {
    double full, half;
    double change, error, largest;  // largest step for dt0 = 0.1 s at 1 %
    bool meets;
  };
  const Case cases[] = {
      {100.0, 99.0, -0.01, 0.02, 0.05, false},
      {100.0, 100.4, 0.004, 0.008, 0.125, true},
      {-50.0, -49.0, 0.02, 0.04, 0.025, false},  // relative to the magnitude
      {3.0, 3.0, 0.0, 0.0, kInf, true},
      {0.0, 0.0, 0.0, 0.0, kInf, true},
      {0.0, 1.0, kInf, kInf, 0.0, false},
      {NAN, 1.0, NAN, NAN, NAN, false},
  };
  for (const Case& c : cases) {
    RunOutcomes full, half;
    full.peakLoadFactorX = c.full;
    half.peakLoadFactorX = c.half;
    const StepCheck check = CompareSteps(0.1, full, half, 0.01);
    const StepCheckRow& r = check.rows[static_cast<int>(StepQuantity::PeakLoadFactorX)];
    const auto same = [](double a, double b) {
      return (std::isnan(a) && std::isnan(b)) || a == b || std::abs(a - b) <= 1e-12 * std::abs(b);
    };
    EXPECT_TRUE(same(r.relativeChange, c.change)) << c.full << " -> " << c.half << ": change " << r.relativeChange;
    EXPECT_TRUE(same(r.impliedError, c.error)) << c.full << " -> " << c.half << ": error " << r.impliedError;
    EXPECT_TRUE(same(r.largestStep, c.largest)) << c.full << " -> " << c.half << ": step " << r.largestStep;
    EXPECT_EQ(r.meets, c.meets) << c.full << " -> " << c.half;
    EXPECT_EQ(check.meets, c.meets) << "the other quantities are equal and meet";
  }
}

TEST(StepCheck, RunsOnACopyAndHalvesTheStep) {
  Scenario record;
  ASSERT_TRUE(ApplyPreset(record, 8, 0));
  Calculation calculation;
  calculation.Load(record);
  ASSERT_FALSE(calculation.Run());
  const std::string log = FormatLogCsv(calculation.log());
  const RunInputs inputs = calculation.inputs();
  const double flightTime = calculation.summary().flightTime;

  const auto result = CheckStep(calculation);
  ASSERT_TRUE(std::holds_alternative<StepCheck>(result));
  const StepCheck& check = std::get<StepCheck>(result);
  EXPECT_EQ(FormatLogCsv(calculation.log()), log) << "the log moved";
  EXPECT_EQ(calculation.summary().flightTime, flightTime);
  EXPECT_EQ(calculation.inputs().dt0, inputs.dt0);
  EXPECT_EQ(check.step, inputs.dt0);
  EXPECT_EQ(check.rows[0].atStep, flightTime) << "the dt0 run is the current one";

  Calculation half;
  half.Load(record);
  half.inputs().dt0 = inputs.dt0 / 2.0;
  ASSERT_FALSE(half.Run());
  EXPECT_EQ(check.rows[0].atHalfStep, half.summary().flightTime);
}

TEST(ModelWarnings, EachWarningHasItsCondition) {
  struct Case {
    const char* what;
    double speed, altitude;  // m/s, m
    EarthModel earth;
    bool coarseCheck;
    std::vector<ModelWarningCode> expected;
  };
  const Case cases[] = {
      {"orbital speed, flat", 7800.0, 200e3, EarthModel::Flat, false, {ModelWarningCode::FlatEarthTooFast}},
      {"orbital speed, round", 7800.0, 200e3, EarthModel::Round, false, {}},
      {"V-2 speed", 1600.0, 90e3, EarthModel::Flat, false, {}},
      {"just above 0.2", 3560.0, 0.0, EarthModel::Flat, false, {ModelWarningCode::FlatEarthTooFast}},
      {"just below 0.2", 3530.0, 0.0, EarthModel::Flat, false, {}},
      {"above the table", 100.0, 1.5e6, EarthModel::Round, false, {ModelWarningCode::AboveAtmosphereTable}},
      {"coarse step", 100.0, 1000.0, EarthModel::Flat, true, {ModelWarningCode::StepTooCoarse}},
  };
  StepCheck coarse;
  coarse.meets = false;
  coarse.largestStep = 0.001;
  RunInputs inputs;
  inputs.dt0 = 0.01;
  for (const Case& c : cases) {
    RunOutcomes o;
    o.peakSpeed = c.speed;
    o.peakAltitude = c.altitude;
    std::vector<ModelWarningCode> got;
    for (const ModelWarning& w : ModelWarnings(o, inputs, c.earth, c.coarseCheck ? &coarse : nullptr)) {
      got.push_back(w.code);
    }
    EXPECT_EQ(got, c.expected) << c.what;
  }
}

}  // namespace
}  // namespace zarv

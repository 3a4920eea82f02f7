#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "scenario/presets.h"
#include "trajectory/log_csv.h"
#include "trust/step_check.h"

namespace zarv {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

bool Same(double a, double b) {
  return (std::isnan(a) && std::isnan(b)) || a == b || std::abs(a - b) <= 1e-9 * std::abs(b);
}

// One quantity (peak |nx|) at dt0 = 0.1 s, 0.05 s and 0.025 s, 1 % tolerance; the others
// are equal in the three runs. Each case is a law of the error the check must see.
TEST(StepCheck, ErrorOrderAndStepOfOneQuantity) {
  struct Case {
    const char* law;
    int order;  // the method's
    double coarse, middle, fine;
    double extrapolated, error, observed, largest;
    bool asymptotic, meets;
  };
  const double half = std::sqrt(0.5);
  const double noOrder = 101.0 - 2.0 / (std::sqrt(2.0) - 1.0);  // with the slowest law
  const Case cases[] = {
      {"first order", 1, 104.0, 102.0, 101.0, 100.0, 0.04, 1.0, 0.0125, true, false},
      {"relative to the magnitude", 1, -104.0, -102.0, -101.0, -100.0, 0.04, 1.0, 0.0125, true,
       false},
      {"fourth order", 4, 108.0, 100.5, 100.03125, 100.0, 0.08, 4.0,
       0.1 * std::pow(0.125, 0.25) * 0.5, true, false},
      // Slower than the method: extrapolated with the order it shows.
      {"order 0.5 under a first-order method", 1, 110.0, 100.0 + 10.0 * half, 105.0, 100.0, 0.1,
       0.5, 0.0005, false, false},
      // Within a tenth of the tolerance the order is not looked at.
      {"resolved", 1, 100.0004, 100.0002, 100.0001, 100.0, 4e-6, 1.0, 0.1 * 2500.0 * 0.5, true,
       true},
      {"no change", 1, 3.0, 3.0, 3.0, 3.0, 0.0, NAN, kInf, true, true},
      // Changes of opposite signs show no order: the slowest law the check assumes.
      {"no order", 1, 100.0, 103.0, 101.0, noOrder, (100.0 - noOrder) / noOrder, NAN,
       0.1 * std::pow(0.01 * noOrder / (100.0 - noOrder), 2.0) * 0.5, false, false},
      {"left the numbers", 1, NAN, 1.0, 1.0, NAN, NAN, NAN, NAN, false, false},
  };
  for (const Case& c : cases) {
    std::array<RunOutcomes, 3> runs;
    runs[0].peakLoadFactorX = c.coarse;
    runs[1].peakLoadFactorX = c.middle;
    runs[2].peakLoadFactorX = c.fine;
    const StepCheck check = CompareSteps({Integrator::Euler, 0.1, 2.0, c.order}, runs, 0.01);
    const StepCheckRow& r = check.rows[static_cast<int>(StepQuantity::PeakLoadFactorX)];
    EXPECT_TRUE(Same(r.extrapolated, c.extrapolated))
        << c.law << ": extrapolated " << r.extrapolated;
    EXPECT_TRUE(Same(r.error, c.error)) << c.law << ": error " << r.error;
    if (!r.resolved) {
      EXPECT_TRUE(Same(r.observedOrder, c.observed)) << c.law << ": order " << r.observedOrder;
    }
    if (!std::isnan(c.largest)) {
      EXPECT_TRUE(Same(r.largestStep, c.largest)) << c.law << ": step " << r.largestStep;
    }
    EXPECT_EQ(r.asymptotic, c.asymptotic) << c.law;
    EXPECT_EQ(r.meets, c.meets) << c.law;
    EXPECT_EQ(check.meets, c.meets) << c.law << ": the other quantities meet";
    EXPECT_EQ(check.asymptotic, c.asymptotic) << c.law;
    // A step above dt0 is suggested only after a run at it; NaN suggests none.
    EXPECT_TRUE(Same(check.suggestedStep, std::min(0.1, r.largestStep)) ||
                (std::isnan(r.largestStep) && std::isnan(check.suggestedStep)))
        << c.law << ": suggested " << check.suggestedStep;
  }
}

TEST(StepCheck, RunsOnACopyAtTheStepItsHalfAndItsQuarter) {
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
  EXPECT_EQ(check.step.value, inputs.dt0);
  EXPECT_EQ(check.rows[0].values[0], flightTime) << "the dt0 run is the current one";
  for (int k : {1, 2}) {
    Calculation finer;
    finer.Load(record);
    finer.inputs().dt0 = inputs.dt0 / (k == 1 ? 2.0 : 4.0);
    ASSERT_FALSE(finer.Run());
    EXPECT_EQ(check.rows[0].values[k], finer.summary().flightTime) << "run " << k;
  }
}

// The promise: run again at the step the check suggests, a preset meets the tolerance
// against the converged flight (the adaptive method at 1e-10), unless the check said it
// cannot promise (the runs are not in the asymptotic range, or the step is below what the
// end time allows). The runs may fail only where the method cannot fly the preset's step.
TEST(StepCheck, EveryPresetMeetsTheToleranceAtTheSuggestedStep) {
  for (Integrator integrator : {Integrator::Euler, Integrator::Rk4, Integrator::Adaptive}) {
    for (const PresetList& list : PresetLists()) {
      for (int item = 0; item < static_cast<int>(list.items.size()); ++item) {
        Scenario record;
        if (!ApplyPreset(record, list.vehicleClass, item)) continue;
        const std::string name = std::string(IntegratorName(integrator)) + " " +
                                 std::to_string(list.vehicleClass) + ":" + std::to_string(item);
        Calculation calculation;
        calculation.Load(record);
        RunSettings converged;
        converged.integrator = Integrator::Adaptive;
        converged.rtol = 1e-10;
        calculation.setSettings(converged);
        RunOutcomes reference;
        ASSERT_FALSE(RunForOutcomes(calculation, reference)) << name;

        calculation.Load(record);
        RunSettings settings;
        settings.integrator = integrator;
        calculation.setSettings(settings);
        const auto result = CheckStep(calculation);
        if (const auto* failure = std::get_if<RunFailure>(&result)) {
          EXPECT_EQ(integrator, Integrator::Rk4) << name << ": only RK4 refuses a step";
          EXPECT_EQ(failure->kind, RunFailure::Kind::Diverged) << name;
          continue;
        }
        const StepCheck& check = std::get<StepCheck>(result);
        if (check.suggestedStep < check.leastStep) {
          EXPECT_FALSE(check.asymptotic) << name << ": a step out of reach from asymptotic runs";
          continue;
        }
        (integrator == Integrator::Adaptive ? settings.rtol : calculation.inputs().dt0) =
            check.suggestedStep;
        calculation.setSettings(settings);
        RunOutcomes again;
        ASSERT_FALSE(RunForOutcomes(calculation, again)) << name << " at " << check.suggestedStep;
        double worst = 0.0;
        for (const StepCheckRow& r : check.rows) {
          const double truth = QuantityOf(reference, r.quantity);
          if (truth == 0.0) continue;
          const double off = std::abs(QuantityOf(again, r.quantity) - truth) / std::abs(truth);
          worst = std::max(worst, off);
        }
        EXPECT_TRUE(worst <= check.tolerance || !check.asymptotic)
            << name << ": " << worst * 100.0 << " % off at the suggested " << check.suggestedStep;
      }
    }
  }
}

}  // namespace
}  // namespace zarv

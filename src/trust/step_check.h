#pragma once

#include <array>
#include <atomic>
#include <variant>

#include "scenario/calculation.h"
#include "trust/run_outcomes.h"

namespace zarv {

// The quantities the step check compares, in the order it reports them.
enum class StepQuantity {
  FlightTime,
  Range,
  PeakAltitude,
  PeakSpeed,
  PeakLoadFactorX,
  PeakDynamicPressure,
  FinalSpeed,
};
inline constexpr int kStepQuantityCount = 7;

double QuantityOf(const RunOutcomes& outcomes, StepQuantity quantity);

inline constexpr double kDefaultStepTolerance = 0.01;  // relative, 1 %
// The slowest convergence the error estimate assumes where the runs show no order, per
// refinement: the error then falls by at least 2^0.5 per halving of the step.
inline constexpr double kLowestOrder = 0.5;
// Changes below this share of the tolerance are too small to show an order, and meet it
// whatever the order down to kLowestOrder.
inline constexpr double kResolvedShare = 0.1;
// The observed order counts as the method's within this share of it.
inline constexpr double kOrderSlack = 0.25;
// A predicted step is cut by this factor: the prediction extrapolates the error law.
inline constexpr double kStepSafety = 0.5;
// A step above the checked one is suggested only after a run at it came this close (share
// of the tolerance) to the extrapolated values.
inline constexpr double kConfirmShare = 0.5;

// What "the step" is for the integrator: dt0 for the fixed-step methods, rtol for the
// adaptive one (its steps follow its tolerance; its error is taken proportional to it).
struct StepVariable {
  Integrator integrator = Integrator::Euler;
  double value = 0.0;       // s, or the relative tolerance
  double refinement = 2.0;  // each further run divides the value by this
  int order = 1;            // of the error in the value
};
StepVariable StepVariableOf(const Calculation& calculation);
// The largest step the check tries above the checked one: 2^6 times it for a fixed step,
// 10^3 times the tolerance for the adaptive method.
double LargestTried(const StepVariable& step);

struct StepCheckRow {
  StepQuantity quantity = StepQuantity::FlightTime;
  std::array<double, 3> values{};  // at the step, step / r, step / r^2
  double extrapolated = 0.0;   // Richardson from the two finer runs with the order used
  double error = 0.0;          // relative at the step against the extrapolated value, >= 0
  double observedOrder = 0.0;  // from the three runs; NaN where the changes show none
  bool resolved = false;       // both changes within kResolvedShare of the tolerance
  bool asymptotic = false;     // resolved, or the observed order is the method's
  double largestStep = 0.0;    // the step its error law allows, with kStepSafety; inf: any
  bool meets = false;
};

struct StepCheck {
  StepVariable step;
  double tolerance = 0.0;  // relative
  std::array<StepCheckRow, kStepQuantityCount> rows{};
  bool meets = false;       // every row meets the tolerance at the step
  bool asymptotic = false;  // every row is asymptotic
  // The step to take: the predicted one where it is smaller than the checked step; a
  // larger one only when a run at it met the tolerance (confirmed), else the checked step.
  double suggestedStep = 0.0;
  bool confirmed = false;
  // s, the least dt0 the end time allows a run (Tk over the most steps of a pass); 0 for
  // the adaptive method.
  double leastStep = 0.0;
};

// Runs the calculation's current inputs, class and settings at the step, step / r and
// step / r^2 on a copy, then at larger steps where the check meets with room; the
// calculation, its log and its summary are left as they are. `tolerance` is relative
// (0.01 for 1 %). A raised `cancel` stops it as Cancelled.
std::variant<StepCheck, RunFailure> CheckStep(const Calculation& calculation,
                                              double tolerance = kDefaultStepTolerance,
                                              const std::atomic<bool>* cancel = nullptr);

// The comparison alone, for three sets of outcomes at hand (at the step, step / r,
// step / r^2); the suggested step is the predicted one, capped at the step.
StepCheck CompareSteps(const StepVariable& step, const std::array<RunOutcomes, 3>& runs,
                       double tolerance);

// Whether outcomes at a larger step stay within kConfirmShare of the tolerance of the
// check's extrapolated values.
bool ConfirmsStep(const StepCheck& check, const RunOutcomes& atLargerStep);

}  // namespace zarv

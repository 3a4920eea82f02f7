#include "trust/step_check.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zarv {
namespace {

double Quantity(const RunOutcomes& o, StepQuantity q) {
  switch (q) {
    case StepQuantity::FlightTime: return o.flightTime;
    case StepQuantity::Range: return o.range;
    case StepQuantity::PeakAltitude: return o.peakAltitude;
    case StepQuantity::PeakSpeed: return o.peakSpeed;
    case StepQuantity::PeakLoadFactorX: return o.peakLoadFactorX;
    case StepQuantity::PeakDynamicPressure: return o.peakDynamicPressure;
    case StepQuantity::FinalSpeed: return o.finalSpeed;
  }
  return 0.0;
}

StepCheckRow CompareOne(StepQuantity q, double step, double full, double half, double tolerance) {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  StepCheckRow r{q, full, half, 0.0, 0.0, kInfinity, true};
  if (full != half) {
    // A quantity that is 0 at dt0 but not at dt0 / 2 has no relative change worth the name.
    r.relativeChange = full != 0.0 ? (half - full) / std::abs(full) : kInfinity;
    r.impliedError = 2.0 * std::abs(r.relativeChange);
    r.largestStep = step * tolerance / r.impliedError;
  }
  // NaN (a quantity that left the numbers) meets nothing.
  r.meets = r.impliedError <= tolerance;
  return r;
}

}  // namespace

StepCheck CompareSteps(double step, const RunOutcomes& atStep, const RunOutcomes& atHalfStep,
                       double tolerance) {
  StepCheck check;
  check.step = step;
  check.tolerance = tolerance;
  check.meets = true;
  check.largestStep = std::numeric_limits<double>::infinity();
  for (int i = 0; i < kStepQuantityCount; ++i) {
    const auto q = static_cast<StepQuantity>(i);
    check.rows[i] = CompareOne(q, step, Quantity(atStep, q), Quantity(atHalfStep, q), tolerance);
    check.meets = check.meets && check.rows[i].meets;
    check.largestStep = std::min(check.largestStep, check.rows[i].largestStep);
  }
  return check;
}

std::variant<StepCheck, RunFailure> CheckStep(const Calculation& calculation, double tolerance,
                                              const std::atomic<bool>* cancel) {
  Calculation copy;
  copy.inputs() = calculation.inputs();
  copy.setVehicleClass(calculation.vehicleClass());
  copy.setSettings(calculation.settings());
  const double step = copy.inputs().dt0;

  RunOutcomes full, half;
  if (auto problem = RunForOutcomes(copy, full, cancel)) return *problem;
  // The balloon's run rewrites S0 as its field shows it; the half-step run starts alike.
  copy.inputs() = calculation.inputs();
  copy.inputs().dt0 = step / 2.0;
  if (auto problem = RunForOutcomes(copy, half, cancel)) return *problem;
  return CompareSteps(step, full, half, tolerance);
}

}  // namespace zarv

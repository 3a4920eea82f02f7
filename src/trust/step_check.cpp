#include "trust/step_check.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "trajectory/input_check.h"

namespace zarv {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
// The adaptive method's error is taken proportional to its tolerance, and its runs a
// decade apart: a halving would drown in the noise of its step choice.
constexpr double kToleranceRefinement = 10.0;
constexpr int kLargestStepTries = 6;
constexpr int kLargestToleranceTries = 3;

StepCheckRow CompareOne(StepQuantity quantity, const StepVariable& step,
                        const std::array<double, 3>& v, double tolerance) {
  StepCheckRow r;
  r.quantity = quantity;
  r.values = v;
  r.observedOrder = NAN;
  if (!std::isfinite(v[0]) || !std::isfinite(v[1]) || !std::isfinite(v[2])) {
    // A quantity that left the numbers meets nothing and allows no step.
    r.extrapolated = r.error = r.largestStep = NAN;
    return r;
  }
  const double coarse = v[0] - v[1];
  const double fine = v[1] - v[2];
  const double scale = std::max({std::abs(v[0]), std::abs(v[1]), std::abs(v[2])});
  r.resolved = std::max(std::abs(coarse), std::abs(fine)) <= kResolvedShare * tolerance * scale;
  if (coarse * fine > 0.0) {
    r.observedOrder = std::log(std::abs(coarse / fine)) / std::log(step.refinement);
  }
  const double order = step.order;
  r.asymptotic = r.resolved || std::abs(r.observedOrder - order) <= kOrderSlack * order;

  // The slower of the method's order and the observed one: an error that falls more
  // slowly than the method promises is extrapolated as it falls. Without an order to see
  // (changes of opposite signs), the slowest the estimate assumes.
  double used = kLowestOrder;
  if (fine == 0.0) {
    used = order;
  } else if (std::isfinite(r.observedOrder)) {
    used = std::clamp(r.observedOrder, kLowestOrder, order);
  }
  r.extrapolated = v[2] - fine / (std::pow(step.refinement, used) - 1.0);
  const double off = std::abs(v[0] - r.extrapolated);
  if (off == 0.0) {
    r.error = 0.0;
  } else {
    r.error = r.extrapolated != 0.0 ? off / std::abs(r.extrapolated) : kInfinity;
  }
  r.meets = r.error <= tolerance;
  r.largestStep = r.error > 0.0
                      ? step.value * std::pow(tolerance / r.error, 1.0 / used) * kStepSafety
                      : kInfinity;
  return r;
}

double PredictedStep(const StepCheck& check) {
  double predicted = kInfinity;
  for (const StepCheckRow& r : check.rows) {
    // A quantity without a step leaves the check without one.
    if (std::isnan(r.largestStep)) return NAN;
    predicted = std::min(predicted, r.largestStep);
  }
  return predicted;
}

}  // namespace

double QuantityOf(const RunOutcomes& o, StepQuantity q) {
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

StepVariable StepVariableOf(const Calculation& calculation) {
  const Integrator integrator = calculation.integrator();
  if (integrator == Integrator::Adaptive) {
    return {integrator, calculation.settings().rtol, kToleranceRefinement, 1};
  }
  return {integrator, calculation.inputs().dt0, 2.0, IntegratorOrder(integrator)};
}

double LargestTried(const StepVariable& step) {
  const int tries =
      step.integrator == Integrator::Adaptive ? kLargestToleranceTries : kLargestStepTries;
  return step.value * std::pow(step.refinement, tries);
}

StepCheck CompareSteps(const StepVariable& step, const std::array<RunOutcomes, 3>& runs,
                       double tolerance) {
  StepCheck check;
  check.step = step;
  check.tolerance = tolerance;
  check.meets = true;
  check.asymptotic = true;
  for (int i = 0; i < kStepQuantityCount; ++i) {
    const auto q = static_cast<StepQuantity>(i);
    const std::array<double, 3> values = {QuantityOf(runs[0], q), QuantityOf(runs[1], q),
                                          QuantityOf(runs[2], q)};
    check.rows[i] = CompareOne(q, step, values, tolerance);
    check.meets = check.meets && check.rows[i].meets;
    check.asymptotic = check.asymptotic && check.rows[i].asymptotic;
  }
  const double predicted = PredictedStep(check);
  check.suggestedStep = predicted > step.value ? step.value : predicted;
  return check;
}

bool ConfirmsStep(const StepCheck& check, const RunOutcomes& atLargerStep) {
  for (const StepCheckRow& r : check.rows) {
    const double off = std::abs(QuantityOf(atLargerStep, r.quantity) - r.extrapolated);
    if (!(off <= kConfirmShare * check.tolerance * std::abs(r.extrapolated))) return false;
  }
  return true;
}

std::variant<StepCheck, RunFailure> CheckStep(const Calculation& calculation, double tolerance,
                                              const std::atomic<bool>* cancel) {
  const StepVariable step = StepVariableOf(calculation);
  const bool adaptive = step.integrator == Integrator::Adaptive;
  Calculation copy;
  copy.setVehicleClass(calculation.vehicleClass());
  const auto runAt = [&](double value, RunOutcomes& outcomes) {
    // The balloon's run rewrites S0 as its field shows it; every run starts alike.
    copy.inputs() = calculation.inputs();
    RunSettings settings = calculation.settings();
    (adaptive ? settings.rtol : copy.inputs().dt0) = value;
    copy.setSettings(settings);
    return RunForOutcomes(copy, outcomes, cancel);
  };

  std::array<RunOutcomes, 3> runs;
  for (int i = 0; i < 3; ++i) {
    if (auto problem = runAt(step.value / std::pow(step.refinement, i), runs[i])) return *problem;
  }
  StepCheck check = CompareSteps(step, runs, tolerance);
  if (!adaptive) check.leastStep = calculation.inputs().Tk / kMaxStepsPerPass;

  // A larger step is only as good as a run at it: the error law may not hold that far
  // (the method's stability, a step past the flight's features).
  const double predicted = PredictedStep(check);
  if (!check.meets || !check.asymptotic || !(predicted > step.value)) return check;
  double candidate = std::min(predicted, LargestTried(step));
  for (; candidate > step.value; candidate /= step.refinement) {
    RunOutcomes outcomes;
    if (auto problem = runAt(candidate, outcomes)) {
      if (problem->kind == RunFailure::Kind::Cancelled) return *problem;
      continue;
    }
    if (ConfirmsStep(check, outcomes)) {
      check.suggestedStep = candidate;
      check.confirmed = true;
      break;
    }
  }
  return check;
}

}  // namespace zarv

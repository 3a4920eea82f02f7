#include "trust/model_warnings.h"

#include <cmath>

namespace zarv {
namespace {

// The quantity the round Earth changes most, relative to the flat run's value.
ModelWarning FlatEarthChange(const RunOutcomes& flat, const RunOutcomes& round) {
  ModelWarning largest{ModelWarningCode::FlatEarth, 0.0};
  largest.threshold = kFlatEarthThreshold;
  for (int i = 0; i < kStepQuantityCount; ++i) {
    const auto q = static_cast<StepQuantity>(i);
    const double shown = QuantityOf(flat, q);
    if (shown == 0.0) continue;
    const double change = (QuantityOf(round, q) - shown) / std::abs(shown);
    if (std::abs(change) > std::abs(largest.value)) {
      largest.value = change;
      largest.quantity = q;
    }
  }
  return largest;
}

// |value - reference| relative to the reference; 0 where they are equal.
double RelativeOff(double value, double reference) {
  return value == reference ? 0.0 : std::abs(value - reference) / std::abs(reference);
}

void KeepLarger(StepEstimate& worst, double error, StepQuantity quantity) {
  if (error > worst.error) {
    worst.error = error;
    worst.quantity = quantity;
  }
}

// The largest error at the middle of three runs a step ratio of 2 apart, against the
// values the step check extrapolates from them.
StepEstimate MiddleError(const std::array<RunOutcomes, 3>& runs, double coarseStep, int order) {
  const StepCheck check =
      CompareSteps({Integrator::Euler, coarseStep, 2.0, order}, runs, kStepErrorThreshold);
  StepEstimate worst;
  for (const StepCheckRow& r : check.rows) {
    KeepLarger(worst, RelativeOff(r.values[1], r.extrapolated), r.quantity);
  }
  return worst;
}

// The largest error of `at` (one of the two runs) against the values extrapolated from two
// runs a step ratio of 2 apart with the method's order.
StepEstimate PairError(const RunOutcomes& at, const RunOutcomes& coarse, const RunOutcomes& fine,
                       int order) {
  const double share = 1.0 / (std::pow(2.0, order) - 1.0);
  StepEstimate worst;
  for (int i = 0; i < kStepQuantityCount; ++i) {
    const auto q = static_cast<StepQuantity>(i);
    const double a = QuantityOf(coarse, q), b = QuantityOf(fine, q);
    KeepLarger(worst, RelativeOff(QuantityOf(at, q), b + (b - a) * share), q);
  }
  return worst;
}

}  // namespace

std::vector<ModelWarning> ModelWarnings(const RunFindings& f) {
  std::vector<ModelWarning> warnings;
  if (f.earth == EarthModel::Flat && f.round) {
    const ModelWarning change = FlatEarthChange(f.outcomes, *f.round);
    if (std::abs(change.value) > change.threshold) warnings.push_back(change);
  }
  if (f.outcomes.peakAltitude > kAtmosphereTableTop) {
    warnings.push_back({ModelWarningCode::AboveAtmosphereTable, f.outcomes.peakAltitude});
  }
  if (f.lastCheck != nullptr) {
    // The check outweighs an estimate: it warns where the run's step is above the one
    // it suggests.
    const StepCheck& check = *f.lastCheck;
    if (f.runStep > check.suggestedStep) {
      ModelWarning w{ModelWarningCode::StepTooCoarse, check.suggestedStep};
      w.step = check.step.value;
      w.integrator = check.step.integrator;
      w.runStep = f.runStep;
      warnings.push_back(w);
    }
  } else if (f.step && f.step->error > kStepErrorThreshold) {
    warnings.push_back({ModelWarningCode::StepProbablyCoarse, f.step->error, f.step->quantity,
                        f.step->step, kStepErrorThreshold, f.integrator, f.runStep});
  }
  return warnings;
}

std::optional<StepEstimate> EstimateStepError(const Calculation& calculation,
                                              const RunOutcomes& outcomes,
                                              const std::atomic<bool>* cancel, bool& cancelled) {
  cancelled = false;
  const Integrator integrator = calculation.integrator();
  if (integrator == Integrator::Adaptive) return std::nullopt;
  const int order = IntegratorOrder(integrator);
  const double dt0 = calculation.inputs().dt0;
  Calculation copy;
  copy.setVehicleClass(calculation.vehicleClass());
  copy.setSettings(calculation.settings());
  const auto runAt = [&](double step, RunOutcomes& result) {
    copy.inputs() = calculation.inputs();
    copy.inputs().dt0 = step;
    const std::optional<RunFailure> problem = RunForOutcomes(copy, result, cancel);
    cancelled = cancelled || (problem && problem->kind == RunFailure::Kind::Cancelled);
    return !problem;
  };

  // Twice the step costs half a run; a step twice as coarse may be past the method's
  // stability where dt0 is not, so what it suggests is looked at again at dt0 / 2.
  RunOutcomes coarse, fine;
  const bool coarseFlew = runAt(2.0 * dt0, coarse);
  if (cancelled) return std::nullopt;
  if (coarseFlew) {
    StepEstimate estimate = PairError(outcomes, coarse, outcomes, order);
    estimate.step = 2.0 * dt0;
    if (estimate.error <= kStepErrorThreshold) return estimate;
  }
  if (!runAt(dt0 / 2.0, fine)) return std::nullopt;
  StepEstimate estimate = coarseFlew ? MiddleError({coarse, outcomes, fine}, 2.0 * dt0, order)
                                     : PairError(outcomes, outcomes, fine, order);
  estimate.step = dt0 / 2.0;
  return estimate;
}

std::optional<RunFindings> InvestigateRun(const Calculation& calculation,
                                          const RunOutcomes& outcomes, bool estimateStep,
                                          const std::atomic<bool>* cancel) {
  RunFindings findings;
  findings.outcomes = outcomes;
  findings.earth = calculation.earthModel();
  findings.integrator = calculation.integrator();
  findings.runStep = findings.integrator == Integrator::Adaptive ? calculation.settings().rtol
                                                                 : calculation.inputs().dt0;
  if (findings.earth == EarthModel::Flat) {
    Calculation round;
    round.inputs() = calculation.inputs();
    round.setVehicleClass(calculation.vehicleClass());
    round.setSettings(calculation.settings());
    round.setEarthModel(EarthModel::Round);
    RunOutcomes o;
    if (const auto problem = RunForOutcomes(round, o, cancel)) {
      // A flight the round Earth does not carry through tells nothing of the flat one's error.
      if (problem->kind == RunFailure::Kind::Cancelled) return std::nullopt;
    } else {
      findings.round = o;
    }
  }
  if (estimateStep) {
    bool cancelled = false;
    findings.step = EstimateStepError(calculation, outcomes, cancel, cancelled);
    if (cancelled) return std::nullopt;
  }
  return findings;
}

std::optional<std::vector<ModelWarning>> AssessRun(const Calculation& calculation,
                                                   const RunOutcomes& outcomes,
                                                   const StepCheck* lastCheck,
                                                   const std::atomic<bool>* cancel) {
  std::optional<RunFindings> findings =
      InvestigateRun(calculation, outcomes, lastCheck == nullptr, cancel);
  if (!findings) return std::nullopt;
  findings->lastCheck = lastCheck;
  return ModelWarnings(*findings);
}

}  // namespace zarv

// Why a run left the numbers: inputs no vehicle has, or a step too coarse for the flight.
#include <algorithm>

#include "trajectory/divergence.h"
#include "trajectory/trajectory_run.h"

namespace zarv {
namespace {

// The step a diverged run is tried again with, as a fraction of its own.
constexpr double kDiagnosisRefinement = 10.0;

}  // namespace

RunFailure TrajectoryRun::Diagnose(const RunInputs& inputs, VehicleClass cls, double time,
                                   const RunControl& control) {
  RunFailure failure{RunFailure::Kind::Diverged, {}, {time, DivergenceCause::InputsOutOfRange, {}}};
  failure.diverged.inputs = InputsOutOfRange(inputs, cls);
  if (!failure.diverged.inputs.empty()) return failure;
  // Energy made out of nothing, a turn beyond one step: the step's doing.
  if (tripped_ == Trip::Step) {
    failure.diverged.cause = DivergenceCause::StepTooLarge;
    return failure;
  }

  // The adaptive method chose its own steps: its flight leaves the numbers at any dt0.
  if (settings_.integrator == Integrator::Adaptive) return failure;

  // A tenth of the step over the same flight time: if that stays in the numbers, the
  // step was too coarse for the dynamics. Bounded like any pass.
  RunInputs fine = inputs;
  fine.dt0 = inputs.dt0 / kDiagnosisRefinement;
  fine.Tk = std::min(time, fine.dt0 * kMaxStepsPerPass);
  summary_ = RunSummary{};
  state_.shared.aerostatLatch = IsAerostat(cls) ? 1 : 0;
  StartPass(fine, cls);
  RunPoll poll(control, 0.0, 0.0);
  long long steps = 0;
  const std::optional<RunFailure> rerun = FindEndTime(fine, cls, false, poll, steps);
  if (!rerun || (rerun->kind == RunFailure::Kind::Diverged && tripped_ == Trip::Step)) {
    failure.diverged.cause = DivergenceCause::StepTooLarge;
  } else if (rerun->kind == RunFailure::Kind::Cancelled) {
    return *rerun;
  }
  return failure;
}

}  // namespace zarv

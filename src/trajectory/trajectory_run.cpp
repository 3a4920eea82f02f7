#include "trajectory/trajectory_run.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "flight_model/constants.h"
#include "trajectory/balloon_envelope.h"

namespace zarv {
namespace {

// Sampling: a step is recorded when its fraction of the sample interval wrapped round.
constexpr double kFractionTolerance = 0.0001;
constexpr double kInitialPreviousFraction = 100.0;  // records the first step

// State copies kept by the first pass; when they run out, every second one is dropped
// and the spacing doubles, so a recorded step is at most 2 * steps / kCheckpoints steps
// from its copy.
constexpr std::size_t kCheckpoints = 4096;

// Cancellation and progress are looked at once every kPollMask + 1 steps.
constexpr long long kPollMask = 4095;
// Share of the progress the first pass reports when the recording pass continues from
// its copies.
constexpr double kFirstPassShare = 0.9;

RunFailure Rejected(const InputError& error) {
  return RunFailure{RunFailure::Kind::Rejected, error, {}};
}
RunFailure Diverged(double time) {
  return RunFailure{RunFailure::Kind::Diverged, {}, {time, DivergenceCause::StepTooLarge, {}}};
}
RunFailure Cancelled() { return RunFailure{RunFailure::Kind::Cancelled, {}, {}}; }

}  // namespace

TrajectoryRun::TrajectoryRun() : checkpoints_(kCheckpoints) {}

std::optional<RunFailure> TrajectoryRun::Run(RunInputs& inputs, VehicleClass cls,
                                             TrajectoryLog& log, const RunControl& control) {
  if (auto error = CheckRunInputs(inputs, cls)) return Rejected(*error);
  const RunState stateBefore = state_;
  const RunSummary summaryBefore = summary_;
  const RunInputs inputsBefore = inputs;
  std::optional<RunFailure> failure = Compute(inputs, cls, log, control);
  if (!failure) return std::nullopt;
  state_ = stateBefore;
  summary_ = summaryBefore;
  inputs = inputsBefore;
  if (failure->kind == RunFailure::Kind::Diverged) {
    failure = Diagnose(inputsBefore, cls, failure->diverged.time, control);
    state_ = stateBefore;
    summary_ = summaryBefore;
  }
  return failure;
}

std::optional<RunFailure> TrajectoryRun::Compute(RunInputs& inputs, VehicleClass cls,
                                                 TrajectoryLog& log, const RunControl& control) {
  summary_ = RunSummary{};
  state_.shared.aerostatLatch = IsAerostat(cls) ? 1 : 0;
  state_.shared.roundEarth = settings_.earth == EarthModel::Round;
  state_.shared.fault = fault_;

  // The recording pass costs little when it continues from the copies; the adaptive
  // method's steps are few, and it flies the flight again.
  const bool copies = keepCopies_ && settings_.integrator != Integrator::Adaptive;
  const bool fullSecondPass = cls == VehicleClass::Airship || !copies;
  const double firstShare = !control.recordLog ? 1.0 : fullSecondPass ? 0.5 : kFirstPassShare;
  RunPoll poll(control, 0.0, firstShare);

  StartPass(inputs, cls);
  long long steps = 0;
  if (auto failure = FindEndTime(inputs, cls, control.recordLog && copies, poll, steps)) {
    return failure;
  }
  sampleInterval_ = state_.t / kSampleCapacity;
  if (!(sampleInterval_ > 0.0) || !std::isfinite(sampleInterval_)) {
    return Rejected(InputError{"dt0", InputProblem::SampleIntervalZero});
  }
  if (!control.recordLog) {
    summary_.steps = steps;
    summary_.flightTime = state_.t;
    summary_.range = state_.X;
    CountEulerEvaluations();
    poll.Finish();
    return std::nullopt;
  }
  const RunState end = state_;

  log.units = UnitFlags{};
  RunPoll recordPoll(control, firstShare, 1.0 - firstShare);
  if (auto failure = RecordPass(inputs, cls, steps, log, recordPoll)) return failure;
  if (cls != VehicleClass::Airship) state_ = end;

  summary_.steps = 2 * steps;
  summary_.flightTime = state_.t;
  summary_.range = state_.X;
  CountEulerEvaluations();
  Finish(log, cls);
  recordPoll.Finish();
  return std::nullopt;
}

void TrajectoryRun::StartPass(RunInputs& inputs, VehicleClass cls) {
  RunState& s = state_;
  if (cls == VehicleClass::Balloon) {
    s.weight = inputs.MassaStart * kGravity;
    s.liftForce = s.weight;
    s.liftRequired = s.weight + s.weight / 100.0 * inputs.Auftriebplus;
    const BalloonEnvelope envelope = ComputeBalloonEnvelope(inputs.MassaStart, inputs.GasDichte);
    s.envelopeVolume = envelope.volume;
    s.initialVolume = envelope.volume;
    s.envelopeRadius = envelope.radius;
    s.envelopeSurface = envelope.surface;
    // The field shows the area to 4 digits and its change handler stores what it shows.
    inputs.S0 = envelope.areaShown;
  } else if (cls != VehicleClass::Airship) {
    // No buoyancy: nothing of an earlier balloon run may reach these rows.
    s.liftForce = 0.0;
    s.initialVolume = 0.0;
  }
  s.gasLost = 0.0;
  s.liftLost = 0.0;
  s.heatFlux = 0.0;
  s.flightAltitudeReached = 0;
  s.energy = EnergyBook{};

  s.endAltitude = inputs.Hk;
  s.endVelocity = inputs.Vk;
  s.workingCx = inputs.Cx;
  s.workingCy = inputs.Cy;
  s.fuelMass = inputs.Mt;
  s.specificImpulse = inputs.Iud;
  s.engineMass = inputs.Mdv;
  s.thrust = inputs.Schub;
  if (cls == VehicleClass::Airship || cls == VehicleClass::Rocket) {
    s.massFlow = inputs.Schub / inputs.Iud;
    s.burnTime = inputs.Mt / s.massFlow;
  }

  s.t = 0.0;
  s.X = 0.0;
  s.H = inputs.H0;
  s.V = inputs.V0;
  s.theta = inputs.TTO / kDegreesPerRadian;
  s.shared.mass = inputs.MassaStart;
  s.S = inputs.S0;
  s.envelopeVolume = s.initialVolume;
  s.liftRequired = s.liftForce + s.liftForce / 100.0 * inputs.Auftriebplus;
  if (settings_.integrator != Integrator::Euler) StartIntegration(inputs, cls);
}

void TrajectoryRun::Step(const RunInputs& inputs, VehicleClass cls) {
  RunState& s = state_;
  const double dt = inputs.dt0;
  if (cls == VehicleClass::Rocket && s.t <= s.burnTime) {
    s.massFlow = s.thrust / s.specificImpulse;
    s.shared.mass -= s.massFlow * dt;
    s.burnTime = s.fuelMass / s.massFlow;
  } else {
    s.thrust = 0.0;
  }
  const Air air = AirAt(s.H, s.V);
  s.temperature = air.temperature;
  s.pressure = air.pressure;
  s.speedOfSound = air.speedOfSound;
  s.density = air.density;
  s.viscosity = air.viscosity;
  s.mach = air.mach;
  s.workingCx = DragCoefficient(inputs.AeroModel, s.mach, s.workingCx);
  if (cls == VehicleClass::Reentry) s.heatFlux = HeatFlux(inputs.RSAT, s.density, s.V, s.H);
  if (IsAerostat(cls)) {
    if (s.H >= inputs.HFlug) s.flightAltitudeReached = 1;
    const AerostatBody body{s.weight, s.liftRequired, s.envelopeSurface, s.envelopeVolume,
                            inputs.Gasverlust};
    AerostatLift lift{s.liftForce, s.gasLost, s.liftLost};
    LiftOfAerostat(body, s.t, s.flightAltitudeReached == 1, lift);
    s.liftForce = lift.lift;
    s.gasLost = lift.gasLost;
    s.liftLost = lift.liftLost;
  }
  MotionStep(s.liftForce, s.thrust, s.S, inputs.Vwind, dt, s.density, s.workingCx,
             s.workingCy, s.t, s.H, s.X, s.V, s.theta, s.nx, s.ny, s.q, s.shared);
}

void TrajectoryRun::CountEulerEvaluations() {
  // One evaluation of the equations per step.
  if (settings_.integrator == Integrator::Euler) summary_.evaluations = summary_.stepsComputed;
}

bool TrajectoryRun::CheckedStep(const RunInputs& inputs, VehicleClass cls, bool firstPass) {
  StepWork work;
  switch (settings_.integrator) {
    case Integrator::Euler:
      Step(inputs, cls);
      work.work = state_.shared.pathPower * inputs.dt0;
      work.turnover = std::abs(work.work);
      break;
    case Integrator::Rk4:
      if (!RungeKuttaStep(inputs, work, firstPass)) {
        tripped_ = Trip::Step;
        return false;
      }
      break;
    case Integrator::Adaptive:
      if (!AdaptiveStep(firstPass, work)) {
        tripped_ = Trip::Numbers;
        return false;
      }
      break;
  }
  RunState& s = state_;
  if (!InTheNumbers(s.t, s.X, s.H, s.V, s.theta, s.heatFlux, s.nx)) {
    tripped_ = Trip::Numbers;
    return false;
  }
  if (!BookStep(s.energy, work.work, work.turnover, s.V, s.H, s.endAltitude, s.shared.roundEarth)) {
    tripped_ = Trip::Step;
    return false;
  }
  return true;
}

std::optional<RunFailure> TrajectoryRun::FindEndTime(const RunInputs& inputs, VehicleClass cls,
                                                     bool keepCopies, RunPoll& poll,
                                                     long long& steps) {
  checkpointCount_ = 0;
  checkpointSpacing_ = 1;
  peakAltitude_ = state_.H;
  peakSpeed_ = state_.V;
  // Euler's first step takes the forces at the start; the others have them in the state.
  const bool euler = settings_.integrator == Integrator::Euler;
  peakNx_ = euler ? 0.0 : std::abs(state_.nx);
  peakQ_ = euler ? 0.0 : state_.q;
  steps = 0;
  // Copies fall on multiples of the spacing; counting to the next one spares a division
  // per step.
  long long nextCopy = 0;
  do {
    if (keepCopies && steps == nextCopy) nextCopy = KeepCopy(steps);
    const bool flies = CheckedStep(inputs, cls, true);
    ++steps;
    const RunState& s = state_;
    if (!flies) return Diverged(s.t);
    NotePeaks(s.H, s.V, s.nx, s.q);
    if ((steps & kPollMask) == 0 && poll.Cancelled(s.t / inputs.Tk)) return Cancelled();
  } while (Flying(inputs));
  summary_.peakAltitude = peakAltitude_;
  summary_.peakSpeed = peakSpeed_;
  summary_.peakLoadFactorX = peakNx_;
  summary_.peakDynamicPressure = peakQ_;
  summary_.finalSpeed = state_.V;
  summary_.stop = state_.H > state_.endAltitude ? RunStop::EndTime : RunStop::Ground;
  summary_.stepsComputed += steps;
  return std::nullopt;
}

bool TrajectoryRun::Flying(const RunInputs& inputs) const {
  return state_.H > state_.endAltitude && state_.t < inputs.Tk;
}

long long TrajectoryRun::KeepCopy(long long step) {
  if (checkpointCount_ == kCheckpoints) {
    for (std::size_t i = 0; i < kCheckpoints / 2; ++i) checkpoints_[i] = checkpoints_[2 * i];
    checkpointCount_ = kCheckpoints / 2;
    checkpointSpacing_ *= 2;
    // An odd multiple of the old spacing: the next copy is half the new one ahead.
    if (step % checkpointSpacing_ != 0) return step + checkpointSpacing_ / 2;
  }
  checkpoints_[checkpointCount_++] = state_;
  return step + checkpointSpacing_;
}

bool TrajectoryRun::AdvanceTo(const RunInputs& inputs, VehicleClass cls, long long step) {
  if (checkpointCount_ > 0) {
    const std::size_t nearest = std::min<std::size_t>(
        static_cast<std::size_t>(step / checkpointSpacing_), checkpointCount_ - 1);
    const long long copyStep = static_cast<long long>(nearest) * checkpointSpacing_;
    if (cursorStep_ < copyStep) {
      state_ = checkpoints_[nearest];
      cursorStep_ = copyStep;
    }
  }
  for (; cursorStep_ < step; ++cursorStep_) {
    ++summary_.stepsComputed;
    if (!CheckedStep(inputs, cls)) return false;
  }
  return true;
}

std::optional<RunFailure> TrajectoryRun::RecordPass(RunInputs& inputs, VehicleClass cls,
                                                    long long steps, TrajectoryLog& log,
                                                    RunPoll& poll) {
  const double dt = inputs.dt0;
  // With more than 10000 steps per sample interval a step's fraction grows by less than
  // the tolerance; then only a wrap-round marks a crossing.
  const bool fineSteps = dt / sampleInterval_ <= kFractionTolerance;
  double previousFraction = kInitialPreviousFraction;
  const auto takesSample = [&](double t) {
    const double ratio = t / sampleInterval_;
    const double fraction = ratio - std::floor(ratio);
    const bool crossed = fineSteps ? fraction < previousFraction
                                   : fraction - previousFraction <= kFractionTolerance;
    previousFraction = fraction;
    return crossed && sampleIndex_ <= kSampleCapacity;
  };
  sampleIndex_ = 1;

  const bool adaptive = settings_.integrator == Integrator::Adaptive;
  if (cls == VehicleClass::Airship && !adaptive) {
    // The airship's second pass starts from the lift its first pass left behind, so it
    // is a flight of its own.
    StartPass(inputs, cls);
    long long taken = 0;
    do {
      const bool flies = CheckedStep(inputs, cls);
      ++summary_.stepsComputed;
      ++taken;
      const RunState& s = state_;
      if (!flies) return Diverged(s.t);
      if (takesSample(s.t)) Record(inputs, log);
      if ((taken & kPollMask) == 0 && poll.Cancelled(s.t / inputs.Tk)) return Cancelled();
    } while (Flying(inputs));
    return std::nullopt;
  }

  // The time of every step follows from the step count alone, added up as the motion
  // step adds it; the full state is brought forward only to the steps recorded. The
  // adaptive method flies the flight again and is sampled at the same times.
  const double flightTime = state_.t;
  cursorStep_ = -1;
  if (adaptive || !keepCopies_) {
    StartPass(inputs, cls);
    cursorStep_ = 0;
  }
  const double perStep = 1.0 / static_cast<double>(steps);
  double t = 0.0;
  for (long long step = 1;; ++step) {
    t = t + dt;
    if (takesSample(t)) {
      const bool there = adaptive ? AdvanceToTime(inputs, cls, t) : AdvanceTo(inputs, cls, step);
      if (!there) return Diverged(state_.t);
      Record(inputs, log);
    }
    const double done = adaptive ? t / flightTime : static_cast<double>(step) * perStep;
    if ((step & kPollMask) == 0 && poll.Cancelled(done)) return Cancelled();
    if (adaptive ? !(t < flightTime) : step >= steps) break;
  }
  // The airship's flight of its own is its summary: flown to its end.
  if (adaptive && cls == VehicleClass::Airship &&
      !AdvanceToTime(inputs, cls, std::numeric_limits<double>::infinity())) {
    return Diverged(state_.t);
  }
  return std::nullopt;
}

}  // namespace zarv

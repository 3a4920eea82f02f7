// RK4 and the adaptive method in the run: their start, their steps cut at the model's
// events, the state they leave for the checks and the log, and the peaks between steps.
#include <algorithm>
#include <cmath>
#include <numbers>

#include <boost/math/tools/minima.hpp>
#include <boost/numeric/odeint/stepper/runge_kutta4.hpp>

#include "flight_model/constants.h"
#include "trajectory/trajectory_run.h"

namespace zarv {
namespace {

constexpr double kRightAngle = std::numbers::pi / 2.0;  // rad
constexpr int kPeakBits = 40;  // of the peak's time, Brent's search on the dense output
constexpr std::uintmax_t kPeakIterations = 100;

// Cubic Hermite interpolation over an RK4 step from the states and the derivatives at its
// ends: third order, where the events of a step are looked for.
struct HermiteStep {
  double t0, t1;
  const FlightVector &y0, &f0, &y1, &f1;
  void operator()(double t, FlightVector& y) const {
    const double h = t1 - t0;
    const double u = (t - t0) / h;
    const double a = (1.0 + 2.0 * u) * (1.0 - u) * (1.0 - u);
    const double b = u * (1.0 - u) * (1.0 - u) * h;
    const double c = u * u * (3.0 - 2.0 * u);
    const double d = u * u * (u - 1.0) * h;
    for (int i = 0; i < kFlightSize; ++i) y[i] = a * y0[i] + b * f0[i] + c * y1[i] + d * f1[i];
  }
};

// The values whose peaks the summary keeps.
struct PeakValues {
  double h, v, nx, q;
};
constexpr double PeakValues::*kPeakMembers[] = {&PeakValues::h, &PeakValues::v, &PeakValues::nx,
                                                &PeakValues::q};

}  // namespace

void TrajectoryRun::StartIntegration(const RunInputs& inputs, VehicleClass cls) {
  RunState& s = state_;
  FlightModel& m = model_;
  m.vehicleClass = cls;
  m.aerostat = IsAerostat(cls);
  m.roundEarth = s.shared.roundEarth;
  m.fault = fault_;
  m.area = s.S;
  m.cx = inputs.Cx;
  m.cy = inputs.Cy;
  m.aeroModel = inputs.AeroModel;
  m.wind = inputs.Vwind;
  m.noseRadius = inputs.RSAT;
  m.thrust = cls == VehicleClass::Rocket ? inputs.Schub : 0.0;
  m.massFlow = s.massFlow;
  m.burnTime = s.burnTime;
  m.body = {s.weight, s.liftRequired, s.envelopeSurface, s.envelopeVolume, inputs.Gasverlust};
  m.cruiseAltitude = inputs.HFlug;
  m.endAltitude = inputs.Hk;
  m.endTime = inputs.Tk;
  m.pathAngleLimit = m.aerostat ? kPathAngleLimitAerostat : kPathAngleLimitNormal;

  FlightMode mode;
  mode.burning = cls == VehicleClass::Rocket && m.burnTime > 0.0;
  mode.cruising = m.aerostat && s.H >= inputs.HFlug;
  FlightVector y = {s.X, s.H, s.V, s.theta, s.shared.mass, 0.0, 0.0};
  if (y[kV] == 0.0) {
    // From rest the path has no direction yet: it takes that of the acceleration, as
    // Euler's first steps turn it there. Otherwise its turn rate, in 1 / V, has no
    // limit at the start.
    FlightVector rates;
    FlightOutputs outputs;
    FlightRates(m, mode, s.t, y, rates, &outputs);
    ++summary_.evaluations;
    y[kTheta] += std::atan2(outputs.freeTurnRate * kZeroSpeedReplacement, rates[kV]);
  }
  SettleHold(m, mode, s.t, y, summary_.evaluations);
  s.gridTime = s.t;
  if (settings_.integrator == Integrator::Adaptive) {
    AdaptiveFlight::Tolerances tolerances;
    tolerances.relative = settings_.rtol;
    tolerances.absolute = kDefaultAbsoluteTolerances;
    if (settings_.atol) {
      std::fill(tolerances.absolute.begin(), tolerances.absolute.begin() + kWork, *settings_.atol);
    }
    if (!adaptive_) adaptive_ = std::make_unique<AdaptiveFlight>();
    adaptive_->Start(m, mode, s.t, y, inputs.dt0, tolerances);
    summary_.evaluations += adaptive_->evaluations();
    landed_ = false;
    TakeState(s.t, y, mode, adaptive_->outputs1());
    return;
  }
  // The start's rates begin the first step; its forces count among the peaks.
  FlightOutputs outputs;
  FlightRates(m, mode, s.t, y, s.rates, &outputs);
  ++summary_.evaluations;
  s.ratesKnown = true;
  s.freeTurnRate = outputs.freeTurnRate;
  TakeState(s.t, y, mode, outputs);
}

void TrajectoryRun::TakeState(double t, const FlightVector& y, const FlightMode& mode,
                              const FlightOutputs& o) {
  RunState& s = state_;
  s.t = t;
  s.X = y[kX];
  s.H = y[kH];
  s.V = y[kV];
  s.theta = y[kTheta];
  s.shared.mass = y[kMass];
  s.mode = mode;
  s.temperature = o.air.temperature;
  s.pressure = o.air.pressure;
  s.speedOfSound = o.air.speedOfSound;
  s.density = o.air.density;
  s.viscosity = o.air.viscosity;
  s.mach = o.air.mach;
  s.workingCx = o.cx;
  s.liftForce = o.aerostat.lift;
  s.gasLost = o.aerostat.gasLost;
  s.liftLost = o.aerostat.liftLost;
  s.flightAltitudeReached = mode.cruising ? 1 : 0;
  s.thrust = o.thrust;
  s.q = o.q;
  s.nx = o.nx;
  s.ny = o.ny;
  s.heatFlux = o.heatFlux;
  s.shared.dragForce = o.drag;
  s.shared.aeroLiftForce = o.aeroLift;
  s.shared.gravity = o.g;
  s.shared.buoyancy = o.lift;
}

bool TrajectoryRun::RungeKuttaStep(const RunInputs& inputs, StepWork& work, bool firstPass) {
  RunState& s = state_;
  const double gridEnd = s.gridTime + inputs.dt0;
  s.gridTime = gridEnd;
  FlightMode mode = s.mode;
  double t = s.t;
  FlightVector y = {s.X, s.H, s.V, s.theta, s.shared.mass, 0.0, 0.0};
  FlightVector rates = s.rates;
  bool ratesKnown = s.ratesKnown;
  double freeTurn = s.freeTurnRate, mach = s.mach;
  long long& evaluations = summary_.evaluations;
  FlightOutputs outputs;
  const auto system = [&](const FlightVector& x, FlightVector& dxdt, double time) {
    FlightRates(model_, mode, time, x, dxdt);
    ++evaluations;
  };
  const auto evaluate = [&](double time, const FlightVector& x, FlightVector& dxdt) {
    FlightRates(model_, mode, time, x, dxdt, &outputs);
    ++evaluations;
  };
  boost::numeric::odeint::runge_kutta4<FlightVector> rk4;
  for (;;) {
    if (!ratesKnown) {
      evaluate(t, y, rates);
      freeTurn = outputs.freeTurnRate;
      mach = outputs.air.mach;
      ratesKnown = true;
    }
    // Burn-out and the end time are known: the step ends on them.
    double end = std::min(gridEnd, model_.endTime);
    if (mode.burning && model_.burnTime > t) end = std::min(end, model_.burnTime);
    // A step over which the path would turn by more than a right angle cannot follow
    // the turn (a start from near rest, where the turn rate goes as 1 / V).
    if (std::abs(rates[kTheta]) * (end - t) > kRightAngle) {
      s.t = end;
      return false;
    }
    FlightVector next, nextRates;
    rk4.do_step(system, y, rates, t, next, end - t);
    evaluate(end, next, nextRates);
    const HermiteStep hermite{t, end, y, rates, next, nextRates};
    const DenseState at = [&hermite](double time, FlightVector& x) { hermite(time, x); };
    const EventAt event = FirstEvent(model_, mode, {t, &y, freeTurn, mach},
                                     {end, &next, outputs.freeTurnRate, outputs.air.mach}, at,
                                     evaluations);
    if (event.event == FlightEvent::None) {
      t = end;
      y = next;
      rates = nextRates;
      freeTurn = outputs.freeTurnRate;
      mach = outputs.air.mach;
      if (t >= gridEnd) break;
      continue;
    }
    // The step is taken again to the event, and the next one starts from the switch.
    if (event.time < end) rk4.do_step(system, y, rates, t, next, event.time - t);
    t = event.time;
    y = next;
    ApplyEvent(model_, event.event, t, mode, y, evaluations);
    evaluate(t, y, rates);
    freeTurn = outputs.freeTurnRate;
    mach = outputs.air.mach;
    if (EndsTheFlight(event.event) || t >= gridEnd) break;
    // A switch inside the grid step may be where a peak is (burn-out: the peak speed).
    if (firstPass) NotePeaks(y[kH], y[kV], outputs.nx, outputs.q);
  }
  TakeState(t, y, mode, outputs);
  s.rates = rates;
  s.ratesKnown = true;
  s.freeTurnRate = freeTurn;
  work.work = y[kWork];
  work.turnover = y[kTurnover];
  return true;
}

bool TrajectoryRun::AdaptiveStep(bool firstPass, StepWork& work) {
  AdaptiveFlight& flight = *adaptive_;
  const RunState before = state_;
  const double workBefore = flight.y1()[kWork];
  const double turnoverBefore = flight.y1()[kTurnover];
  const long long evaluationsBefore = flight.evaluations();
  const bool stepped = flight.Step();
  summary_.evaluations += flight.evaluations() - evaluationsBefore;
  if (!stepped) return false;
  TakeState(flight.t1(), flight.y1(), flight.mode(), flight.outputs1());
  work.work = flight.y1()[kWork] - workBefore;
  work.turnover = flight.y1()[kTurnover] - turnoverBefore;
  if (firstPass) RefinePeaks(before);
  return true;
}

bool TrajectoryRun::AdvanceToTime(const RunInputs& inputs, VehicleClass cls, double t) {
  AdaptiveFlight& flight = *adaptive_;
  while (!landed_ && flight.t1() < t) {
    ++summary_.stepsComputed;
    if (!CheckedStep(inputs, cls)) return false;
    landed_ = !Flying(inputs);
  }
  if (!(t < flight.t1())) {
    // At or past the flight's end: its end state, whatever sample was taken before.
    TakeState(flight.t1(), flight.y1(), flight.mode(), flight.outputs1());
    return true;
  }
  // Between the ends of the last step: its dense output, in the mode it was flown in.
  FlightVector y, rates;
  FlightOutputs outputs;
  flight.StateAt(t, y);
  FlightRates(model_, flight.segmentMode(), t, y, rates, &outputs);
  ++summary_.evaluations;
  const FlightMode end = state_.mode;
  TakeState(t, y, flight.segmentMode(), outputs);
  // The flight goes on from the step's end, not from here.
  state_.mode = end;
  return InTheNumbers(state_.t, state_.X, state_.H, state_.V, state_.theta, state_.heatFlux, state_.nx);
}

void TrajectoryRun::NotePeaks(double h, double v, double nx, double q) {
  peakAltitude_ = std::max(peakAltitude_, h);
  peakSpeed_ = std::max(peakSpeed_, v);
  peakNx_ = std::max(peakNx_, std::abs(nx));
  peakQ_ = std::max(peakQ_, q);
}

void TrajectoryRun::RefinePeaks(const RunState& before) {
  const AdaptiveFlight& flight = *adaptive_;
  const double t0 = flight.t0(), t1 = flight.t1();
  const auto valuesAt = [&](double t) {
    FlightVector y, rates;
    FlightOutputs outputs;
    flight.StateAt(t, y);
    FlightRates(model_, flight.segmentMode(), t, y, rates, &outputs);
    ++summary_.evaluations;
    return PeakValues{y[kH], y[kV], std::abs(outputs.nx), outputs.q};
  };
  const PeakValues start{before.H, before.V, std::abs(before.nx), before.q};
  const PeakValues end{state_.H, state_.V, std::abs(state_.nx), state_.q};
  const PeakValues middle = valuesAt((t0 + t1) / 2.0);
  double* peaks[] = {&peakAltitude_, &peakSpeed_, &peakNx_, &peakQ_};
  for (int k = 0; k < 4; ++k) {
    const auto member = kPeakMembers[k];
    const double a = start.*member, m = middle.*member, b = end.*member;
    *peaks[k] = std::max(*peaks[k], m);
    // The parabola through the three: a peak inside when it bends down with its vertex
    // between the ends.
    const double bend = a - 2.0 * m + b;
    if (!(bend < 0.0) || !(std::abs(a - b) < -2.0 * bend)) continue;
    std::uintmax_t iterations = kPeakIterations;
    const auto found = boost::math::tools::brent_find_minima(
        [&](double t) { return -(valuesAt(t).*member); }, t0, t1, kPeakBits, iterations);
    *peaks[k] = std::max(*peaks[k], -found.second);
  }
}

}  // namespace zarv

#include "trajectory/flight_events.h"

#include <cmath>
#include <cstdint>

#include <boost/math/tools/toms748_solve.hpp>

#include "flight_model/drag_law.h"

namespace zarv {
namespace {

constexpr int kTimeBits = 50;            // of the event time's 53
constexpr std::uintmax_t kMaxIterations = 100;

// The switch functions: positive before the event, at or below zero once it happened.
// A release takes the free turn rate and the drag jump the Mach number, at the ends from
// the caller, inside from the model; `side` is the drag jump's sign at the start.
double SwitchValue(const FlightModel& model, const FlightMode& mode, FlightEvent event, double t,
                   const FlightVector& y, const StepEnd* end, double side, long long& evaluations) {
  switch (event) {
    case FlightEvent::DragJump: {
      const double mach = end != nullptr ? end->mach : AirAt(y[kH], y[kV]).mach;
      return side * (mach - kDragLawJumpMach);
    }
    case FlightEvent::Ground: return y[kH] - model.endAltitude;
    case FlightEvent::Cruise: return model.cruiseAltitude - y[kH];
    case FlightEvent::HoldUpper: return model.pathAngleLimit - y[kTheta];
    case FlightEvent::HoldLower: return y[kTheta] + model.pathAngleLimit;
    case FlightEvent::Release: {
      double turn = 0.0;
      if (end != nullptr) {
        turn = end->freeTurnRate;
      } else {
        FlightVector rates;
        FlightOutputs out;
        FlightRates(model, mode, t, y, rates, &out);
        ++evaluations;
        turn = out.freeTurnRate;
      }
      return mode.hold == PathHold::Upper ? turn : -turn;
    }
    default: return 1.0;
  }
}

}  // namespace

EventAt FirstEvent(const FlightModel& model, const FlightMode& mode, const StepEnd& start,
                   const StepEnd& end, const DenseState& at, long long& evaluations) {
  const double t0 = start.t, t1 = end.t;
  EventAt first{FlightEvent::None, t1};
  const auto consider = [&](FlightEvent event, double time) {
    if (first.event == FlightEvent::None || time < first.time) first = {event, time};
  };
  // Known times: the step ends exactly there.
  if (t0 < model.endTime && model.endTime <= t1) consider(FlightEvent::EndTime, model.endTime);
  if (mode.burning && t0 < model.burnTime && model.burnTime <= t1) {
    consider(FlightEvent::BurnOut, model.burnTime);
  }

  FlightEvent switches[4] = {FlightEvent::Ground, FlightEvent::None, FlightEvent::None,
                             FlightEvent::None};
  if (model.aerostat && !mode.cruising) switches[1] = FlightEvent::Cruise;
  if (mode.hold == PathHold::Free) {
    // A free path angle can end a step past one clamp only: the one on its side of level.
    switches[2] = (*end.y)[kTheta] > 0.0 ? FlightEvent::HoldUpper : FlightEvent::HoldLower;
  } else {
    switches[2] = FlightEvent::Release;
  }
  if (HasDragLaw(model.aeroModel)) switches[3] = FlightEvent::DragJump;
  const double side = start.mach < kDragLawJumpMach ? -1.0 : 1.0;
  FlightVector y;
  for (const FlightEvent event : switches) {
    if (event == FlightEvent::None) continue;
    const double after = SwitchValue(model, mode, event, t1, *end.y, &end, side, evaluations);
    if (after > 0.0 || std::isnan(after)) continue;
    const double before = SwitchValue(model, mode, event, t0, *start.y, &start, side, evaluations);
    // At or past the switch at the start already: it was handled there.
    if (!(before > 0.0)) continue;
    double time = t1;
    if (after < 0.0) {
      const auto f = [&](double t) {
        at(t, y);
        return SwitchValue(model, mode, event, t, y, nullptr, side, evaluations);
      };
      std::uintmax_t iterations = kMaxIterations;
      try {
        time = boost::math::tools::toms748_solve(f, t0, t1, before, after,
                                                 boost::math::tools::eps_tolerance<double>(kTimeBits),
                                                 iterations)
                   .second;
      } catch (const std::exception&) {
        // A switch that left the numbers inside the step: its end stands, and the run's
        // checks see the state.
      }
    }
    consider(event, time);
  }
  return first;
}

void ApplyEvent(const FlightModel& model, FlightEvent event, double t, FlightMode& mode,
                FlightVector& y, long long& evaluations) {
  switch (event) {
    case FlightEvent::None:
    case FlightEvent::EndTime:
    case FlightEvent::DragJump:
      return;
    case FlightEvent::Ground:
      y[kH] = model.endAltitude;
      return;
    case FlightEvent::BurnOut:
      mode.burning = false;
      break;
    case FlightEvent::Cruise:
      mode.cruising = true;
      break;
    case FlightEvent::HoldUpper:
      y[kTheta] = model.pathAngleLimit;
      mode.hold = PathHold::Upper;
      return;
    case FlightEvent::HoldLower:
      y[kTheta] = -model.pathAngleLimit;
      mode.hold = PathHold::Lower;
      return;
    case FlightEvent::Release:
      mode.hold = PathHold::Free;
      return;
  }
  // The forces jumped: a held path angle may now turn inside.
  if (mode.hold != PathHold::Free) SettleHold(model, mode, t, y, evaluations);
}

}  // namespace zarv

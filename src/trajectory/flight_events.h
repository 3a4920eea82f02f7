#pragma once

#include <functional>

#include "trajectory/flight_equations.h"

namespace zarv {

// Where the model switches, or the flight ends: the higher-order integrators end a step
// there and start the next one from it, so no step straddles a discontinuity.
enum class FlightEvent {
  None,
  EndTime,    // t reaches Tk
  Ground,     // H falls to the end altitude
  BurnOut,    // the propellant is spent
  Cruise,     // an aerostat rises to its flight altitude
  HoldUpper,  // the path angle reaches a clamp, the forces turning it further out
  HoldLower,
  Release,    // the forces turn a held path angle back inside
  DragJump,   // the Mach number crosses the drag law's jump
};

struct EventAt {
  FlightEvent event = FlightEvent::None;
  double time = 0.0;  // s, just past the switch
};

// The state between the ends of a step, from the integrator's dense output.
using DenseState = std::function<void(double t, FlightVector& y)>;

// One end of a step: its time, state, and from FlightOutputs there the free turn rate and
// the Mach number.
struct StepEnd {
  double t = 0.0;
  const FlightVector* y = nullptr;
  double freeTurnRate = 0.0;
  double mach = 0.0;
};

// The first event of a step taken in `mode`, located to the last bits of t by the
// TOMS 748 root finder on the dense output. `evaluations` counts the derivative
// evaluations locating a release takes.
EventAt FirstEvent(const FlightModel& model, const FlightMode& mode, const StepEnd& start,
                   const StepEnd& end, const DenseState& at, long long& evaluations);

// The mode after the event, and the state set exactly onto the switch it crossed (the
// end altitude, the clamp).
void ApplyEvent(const FlightModel& model, FlightEvent event, double t, FlightMode& mode,
                FlightVector& y, long long& evaluations);

inline bool EndsTheFlight(FlightEvent event) {
  return event == FlightEvent::Ground || event == FlightEvent::EndTime;
}

}  // namespace zarv

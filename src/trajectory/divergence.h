#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "trajectory/run_inputs.h"
#include "trajectory/vehicle_class.h"

namespace zarv {

inline constexpr double kSpeedOfLight = 299792458.0;  // m/s
inline constexpr double kDivergenceDistance = 1e12;   // m, altitude or range, either sign
inline constexpr double kPathAngleBound = 4.0;        // rad, beyond both clamps

inline constexpr double kLargestFinite = 1.7976931348623157e308;

// A few compares per step; NaN fails every one of them. The heat flux and the load factor
// are where a negative speed or an overflowing force show first.
inline bool InTheNumbers(double t, double x, double h, double v, double theta, double heatFlux,
                         double nx) {
  return std::abs(v) <= kSpeedOfLight && std::abs(h) <= kDivergenceDistance &&
         std::abs(x) <= kDivergenceDistance && std::abs(theta) <= kPathAngleBound &&
         std::abs(t) <= kDivergenceDistance && std::abs(heatFlux) <= kLargestFinite &&
         std::abs(nx) <= kLargestFinite;
}

// The energy check. No force of the model but thrust, buoyancy and the wind's push adds
// mechanical energy, and the book keeps their work: what a flight holds beyond it was made
// by the step. A step too coarse for the dynamics makes energy out of nothing (a drag
// step that overshoots, a fall of a whole step at the speed its end has), and the state
// leaves what the physics allows long before it leaves the numbers.
//
// The book opens after the first step: a start from rest gains one step of speed before
// the altitude follows, which any step size does.
struct EnergyBook {
  double opening = 0.0;   // J/kg, specific energy after the first step
  double work = 0.0;      // J/kg, of the forces other than gravity since then
  double turnover = 0.0;  // J/kg, the same work counted in magnitude
  double lowest = 0.0;    // m, lowest altitude since then, or the end altitude below it
  bool open = false;
};

// Kinetic plus potential energy per unit mass, the potential 0 at altitude 0.
double SpecificEnergy(double v, double h, bool roundEarth);

// After a step over which the forces other than gravity did `work` (J/kg), `turnover` in
// magnitude, ending in speed v and altitude h. False when the energy made exceeds the
// share the run allows of the energy the flight has had at hand: its energy after the
// first step above the lowest point it reached or may reach (the end altitude), and the
// work in magnitude.
bool BookStep(EnergyBook& book, double work, double turnover, double v, double h,
              double endAltitude, bool roundEarth);

// The inputs of a run with magnitudes no vehicle has, in declaration order.
std::vector<std::string> InputsOutOfRange(const RunInputs& inputs, VehicleClass vehicleClass);

}  // namespace zarv

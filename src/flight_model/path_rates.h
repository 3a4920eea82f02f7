#pragma once

#include "flight_model/constants.h"

namespace zarv {

// Faults a test seeds into the model to show that a check catches them; a user's run
// always has None.
enum class ModelFault {
  None,
  GravityOverDistance,    // gravity falls as 1 / (R + H) instead of its square
  BuoyancyWithoutGravity, // buoyancy keeps 9.8 m/s2 where the weight takes g(H)
  LiftSignFlipped,        // the aerodynamic lift turns the path the wrong way
};

// Gravity over the round Earth at altitude h: 9.8 (R / (R + h))^2.
inline double GravityAt(double h) {
  const double ratio = kEarthRadius / (kEarthRadius + h);
  return kGravity * ratio * ratio;
}

// The gravity the model applies at h (m/s2).
inline double ModelGravity(bool roundEarth, ModelFault fault, double h) {
  if (!roundEarth) return kGravity;
  if (fault == ModelFault::GravityOverDistance) return kGravity * kEarthRadius / (kEarthRadius + h);
  return GravityAt(h);
}

// Buoyancy is the weight of the displaced air, so it takes the local gravity as the
// vehicle's weight does. `lift` is given at 9.8 m/s2.
inline double ModelBuoyancy(double lift, double g, bool roundEarth, ModelFault fault) {
  if (!roundEarth || fault == ModelFault::BuoyancyWithoutGravity) return lift;
  return lift * (g / kGravity);
}

// What acts on the point mass at one instant, gravity included.
struct PathForces {
  double lift = 0.0;     // N, buoyancy as applied
  double thrust = 0.0;   // N, along the path
  double area = 0.0;     // m2
  double wind = 0.0;     // m/s, horizontal
  double density = 0.0;  // kg/m3
  double cx = 0.0, cy = 0.0;
  double mass = 0.0;     // kg
  double g = kGravity;   // m/s2
};

// The rates of the point mass in the vertical plane, the one set of equations every
// integrator uses; s and c are the sine and cosine of the path angle, v is never 0.
// Each keeps the order of operations of the original Euler step, whose results are pinned.
inline double SpeedRate(const PathForces& f, double v, double s, double c) {  // m/s2
  return (f.lift * s + f.thrust - f.cx * f.density * v * v / 2.0 * f.area +
          f.cx * f.density * f.wind * f.wind / 2.0 * f.area * c - f.mass * f.g * s) /
         f.mass;
}

// rad/s, unclamped; h is the altitude the round Earth's curvature is taken at.
inline double TurnRate(const PathForces& f, double v, double s, double c, double h, bool roundEarth,
                       ModelFault fault) {
  const double cy = fault == ModelFault::LiftSignFlipped ? -f.cy : f.cy;
  double rate = (cy * f.density * v * v * f.area / 2.0 + f.lift * c - f.mass * f.g * c -
                 f.cx * f.density * f.wind * f.wind / 2.0 * f.area * s) /
                f.mass / v;
  if (roundEarth) rate += v * c / (kEarthRadius + h);
  return rate;
}

// m/s over the ground before the round Earth's factor R / (R + h): an aerostat drifts
// with the air, other vehicles take the wind's push on their path.
inline double GroundSpeed(bool aerostat, double v, double wind, double c) {
  return aerostat ? v * c : (v + wind * c) * c;
}

// W/kg: the power of every force but gravity, the work the energy check books.
inline double PathPower(const PathForces& f, double v, double s, double c) {
  return (f.lift * s + f.thrust - f.cx * f.density * v * v / 2.0 * f.area +
          f.cx * f.density * f.wind * f.wind / 2.0 * f.area * c) /
         f.mass * v;
}

}  // namespace zarv

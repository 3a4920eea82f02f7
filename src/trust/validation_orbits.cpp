// The validation cases over the round Earth that Kepler and Newton answer: a circular and
// an eccentric orbit and a drag-free ballistic shot. The round Earth's gravity is
// 9.8 (R / r)^2, so mu = 9.8 R^2.
#include <cmath>
#include <numbers>

#include "trust/validation_flight.h"

namespace zarv {
namespace {

constexpr double kHalfTurn = std::numbers::pi;  // not the envelope's 3.14

bool IsEuler(const ValidationRows& out) { return out.integrator == Integrator::Euler; }

double HigherOrder(const ValidationRows& out, double closedForm) {
  constexpr double kHigherOrderShare = 1e-6;  // relative, as over the flat Earth
  return IsEuler(out) ? 0.0 : kHigherOrderShare * std::abs(closedForm);
}

}  // namespace

void ValidateOrbit(ValidationRows out, ModelFault fault) {
  ValidationFlight f(VehicleClass::Projectile, EarthModel::Round, out.integrator, fault);
  f.in.MassaStart = 1000.0;
  f.in.S0 = 1.0;
  f.in.H0 = 300000.0;
  const double r = kEarthRadius + f.in.H0;
  f.in.V0 = std::sqrt(kEarthMu / r);
  f.in.Tk = kTwoPi * r / f.in.V0;
  f.in.dt0 = 1.0;
  const RunOutcomes o = f.Run(true);
  // Started on the circular balance the path angle's rate is zero up to rounding, so the
  // altitude may move by rounding only (1 m is a thousand times that). Euler's run stops
  // on the first step at or past the period: one step's ground track further.
  const double groundStep = IsEuler(out) ? f.in.V0 * f.in.dt0 * kEarthRadius / r : 0.0;
  const double circumference = kTwoPi * kEarthRadius;
  constexpr const char* kSource = "Newton: circular orbit, V = sqrt(mu / r)";
  out.Add(ValidationQuantity::AltitudeKept, kSource, "m", f.in.H0, f.FarthestAltitude(f.in.H0, o),
          1.0);
  out.Add(ValidationQuantity::Range, kSource, "m", circumference, o.range,
          groundStep + HigherOrder(out, circumference));
}

void ValidateEccentricOrbit(ValidationRows out, ModelFault fault) {
  ValidationFlight f(VehicleClass::Projectile, EarthModel::Round, out.integrator, fault);
  f.in.MassaStart = 1000.0;
  f.in.S0 = 1.0;
  f.in.H0 = 300000.0;  // the perigee, flown through level
  const double perigee = kEarthRadius + f.in.H0;
  f.in.V0 = 1.05 * std::sqrt(kEarthMu / perigee);
  // Vis-viva: the semi-major axis, the apogee and Kepler's third law.
  const double a = 1.0 / (2.0 / perigee - f.in.V0 * f.in.V0 / kEarthMu);
  const double apogee = 2.0 * a - perigee;
  const double period = kTwoPi * std::sqrt(a * a * a / kEarthMu);
  f.in.Tk = period;
  f.in.dt0 = 0.1;
  const RunOutcomes o = f.Run();
  // Back over the perigee after the period: the angle swept past a full turn, at the
  // perigee's angular rate, is the time the orbit is off.
  const double swept = o.range / kEarthRadius;
  const double computedPeriod = o.flightTime - (swept - kTwoPi) * perigee / f.in.V0;
  // Euler's steps may shift the orbit's energy mu / (2a) by a step's work at the perigee,
  // V g dt; the apogee moves by twice the semi-major axis's share of it, the period by one
  // and a half times. Allowed: that.
  const double gPerigee = kEarthMu / (perigee * perigee);
  const double shift = IsEuler(out) ? f.in.V0 * gPerigee * f.in.dt0 / (kEarthMu / (2.0 * a)) : 0.0;
  constexpr const char* kSource = "Kepler: vis-viva and third law";
  out.Add(ValidationQuantity::PeakAltitude, kSource, "m", apogee - kEarthRadius, o.peakAltitude,
          2.0 * shift * a + HigherOrder(out, apogee));
  out.Add(ValidationQuantity::Period, kSource, "s", period, computedPeriod,
          1.5 * shift * period + HigherOrder(out, period));
}

void ValidateBallisticShot(ValidationRows out, ModelFault fault) {
  ValidationFlight f(VehicleClass::Projectile, EarthModel::Round, out.integrator, fault);
  f.in.MassaStart = 1000.0;
  f.in.S0 = 1.0;
  f.in.V0 = 3000.0;
  f.in.TTO = 45.0;
  f.in.Tk = 2000.0;
  f.in.dt0 = 0.01;
  const RunOutcomes o = f.Run();
  // Free flight between two points of one radius (Bate, Mueller & White 6.2):
  // tan(psi / 2) = Q sin(phi) cos(phi) / (1 - Q cos^2(phi)), Q = v^2 r / mu; the apogee
  // p / (1 - e) and the time of flight by Kepler's equation.
  const double r = kEarthRadius, phi = f.in.TTO / kDegreesPerRadian;
  const double q = f.in.V0 * f.in.V0 * r / kEarthMu;
  const double s = std::sin(phi), c = std::cos(phi);
  const double psi = 2.0 * std::atan(q * s * c / (1.0 - q * c * c));
  const double e = std::sqrt(1.0 + q * (q - 2.0) * c * c);
  const double apogee = r * q * c * c / (1.0 - e);
  const double a = r / (2.0 - q);
  const double launchAnomaly = std::acos((1.0 - r / a) / e);
  const double time = 2.0 * std::sqrt(a * a * a / kEarthMu) *
                      (kHalfTurn - (launchAnomaly - e * std::sin(launchAnomaly)));
  // As over the flat Earth, Euler falls short of the apex by about half a step's climb per
  // unit of g / V and ends on the first step at or below the ground, one step's time and
  // track further; the others end on the ground. Allowed: twice these.
  const double dt = IsEuler(out) ? f.in.dt0 : 0.0;
  constexpr const char* kSource = "Kepler: free-flight range (Bate, Mueller & White)";
  out.Add(ValidationQuantity::Range, kSource, "m", r * psi, o.range,
          2.0 * f.in.V0 * dt + HigherOrder(out, r * psi));
  out.Add(ValidationQuantity::PeakAltitude, kSource, "m", apogee - r, o.peakAltitude,
          2.0 * f.in.V0 * s * dt + HigherOrder(out, apogee - r));
  out.Add(ValidationQuantity::FlightTime, kSource, "s", time, o.flightTime,
          2.0 * dt + HigherOrder(out, time));
}

}  // namespace zarv

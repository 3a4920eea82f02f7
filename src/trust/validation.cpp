#include "trust/validation.h"

#include <algorithm>
#include <cmath>

#include "flight_model/constants.h"
#include "flight_model/motion_step.h"
#include "flight_model/standard_atmosphere.h"
#include "scenario/calculation.h"
#include "trust/run_outcomes.h"

namespace zarv {
namespace {

constexpr double kE = 2.718281828459045;
constexpr double kTwoPi = 6.283185307179586;

double DensityAt(double h) {
  double temperature, pressure, speedOfSound, density, viscosity;
  StandardAtmosphere(h, temperature, pressure, speedOfSound, density, viscosity);
  return density;
}

// Scale height of the table's density at h, from its slope over +-1 km.
double ScaleHeightAt(double h) {
  constexpr double kHalfSpan = 1000.0;  // m
  return 2.0 * kHalfSpan / std::log(DensityAt(h - kHalfSpan) / DensityAt(h + kHalfSpan));
}

// Altitude where the table's density is `density` (it falls with altitude below 90 km).
double AltitudeOfDensity(double density) {
  double low = 0.0, high = 90000.0;  // m
  for (int i = 0; i < 60; ++i) {
    const double mid = (low + high) / 2.0;
    (DensityAt(mid) > density ? low : high) = mid;
  }
  return (low + high) / 2.0;
}

// A calculation of the class with every input zero but those a case sets.
struct Flight {
  Calculation calculation;
  RunInputs& in;
  explicit Flight(VehicleClass cls, EarthModel earth = EarthModel::Flat)
      : in(calculation.inputs()) {
    calculation.setVehicleClass(cls);
    calculation.setEarthModel(earth);
    in = RunInputs{};
  }
  // NaN outcomes when the run fails, so that every row of the case fails. The log is
  // recorded only for the cases that read it.
  RunOutcomes Run(bool recordLog = false) {
    RunOutcomes o;
    RunControl control;
    control.recordLog = recordLog;
    if (calculation.Run(control)) {
      o.flightTime = o.range = o.peakAltitude = o.peakSpeed = o.peakLoadFactorX =
          o.finalSpeed = NAN;
      return o;
    }
    return OutcomesOf(calculation);
  }
};

void Projectile(std::vector<ValidationRow>& rows) {
  Flight f(VehicleClass::Projectile);
  f.in = RunInputs{};
  f.in.V0 = 100.0;  // m/s
  f.in.TTO = 45.0;  // deg
  f.in.Tk = 100.0;
  f.in.dt0 = 0.001;
  f.in.MassaStart = 1.0;
  f.in.S0 = 0.01;
  const RunOutcomes o = f.Run();
  const double g = kGravity, v = f.in.V0, theta = f.in.TTO / kDegreesPerRadian;
  const double s = std::sin(theta), c = std::cos(theta);
  // Explicit Euler moves along the tangent: it falls short of the apex by about half a
  // step's climb per unit of g / V, and the flight ends on the first step at or below the
  // ground, so the range and time may overshoot by one step. The tolerances allow
  // twice these step-sized errors and nothing more.
  const double dt = f.in.dt0;
  constexpr const char* kSource = "Galilei: drag-free parabola";
  rows.push_back({ValidationCase::Projectile, ValidationQuantity::Range, kSource, "m",
                  v * v * 2.0 * s * c / g, o.range, 2.0 * v * dt});
  rows.push_back({ValidationCase::Projectile, ValidationQuantity::FlightTime, kSource, "s",
                  2.0 * v * s / g, o.flightTime, 2.0 * dt});
  rows.push_back({ValidationCase::Projectile, ValidationQuantity::PeakAltitude, kSource, "m",
                  v * v * s * s / (2.0 * g), o.peakAltitude, 2.0 * v * s * dt});
}

void Parachute(std::vector<ValidationRow>& rows) {
  Flight f(VehicleClass::Parachute);
  f.in.MassaStart = 100.0;  // kg
  f.in.S0 = 50.0;           // m2
  f.in.Cx = 1.3;
  f.in.H0 = 300.0;
  f.in.TTO = -90.0;
  f.in.Tk = 1000.0;
  f.in.dt0 = 0.01;
  const double rho = DensityAt(0.0);
  const double terminal =
      std::sqrt(2.0 * f.in.MassaStart * kGravity / (rho * f.in.S0 * f.in.Cx));
  f.in.V0 = terminal;
  const RunOutcomes o = f.Run();
  // The terminal speed is a fixed point of the step, so the step adds no error there; the
  // descent follows the thickening air with a lag of V / (2 g) seconds, over which it
  // sinks V^2 / (2 g) metres. Allowed: twice the density's change over that height.
  const double lagHeight = terminal * terminal / (2.0 * kGravity);
  const double densityChange = 1.0 - DensityAt(lagHeight) / rho;
  rows.push_back({ValidationCase::Parachute, ValidationQuantity::TerminalSpeed,
                  "Knacke: V = sqrt(2 m g / (rho S Cd))", "m/s", terminal, o.finalSpeed,
                  2.0 * densityChange * terminal});
}

void Glide(std::vector<ValidationRow>& rows) {
  Flight f(VehicleClass::Glider);
  f.in.MassaStart = 300.0;
  f.in.S0 = 15.0;
  f.in.Cx = 0.05;
  f.in.Cy = 1.0;
  f.in.H0 = 1000.0;
  f.in.Tk = 10000.0;
  f.in.dt0 = 0.01;
  // Started in the steady glide at its start altitude.
  const double gamma = std::atan(f.in.Cx / f.in.Cy);
  f.in.TTO = -gamma * kDegreesPerRadian;
  f.in.V0 = std::sqrt(2.0 * f.in.MassaStart * kGravity * std::cos(gamma) /
                      (DensityAt(f.in.H0) * f.in.S0 * f.in.Cy));
  const RunOutcomes o = f.Run();
  // The denser air on the way down slows the glide, and the kinetic energy it gives up
  // buys the distance of (V0^2 - V1^2) / (2 g) more height. Allowed: twice that.
  const double ratio = f.in.Cy / f.in.Cx;
  const double endSpeedSquared = f.in.V0 * f.in.V0 * DensityAt(f.in.H0) / DensityAt(0.0);
  const double energyHeight = (f.in.V0 * f.in.V0 - endSpeedSquared) / (2.0 * kGravity);
  rows.push_back({ValidationCase::Glide, ValidationQuantity::GlideRatio,
                  "Anderson: range / height lost = Cy / Cx", "", ratio, o.range / f.in.H0,
                  2.0 * ratio * energyHeight / f.in.H0});
}

void Balloon(std::vector<ValidationRow>& rows) {
  Flight f(VehicleClass::Balloon);
  f.in.MassaStart = 10.0;
  f.in.GasDichte = 0.1785;  // kg/m3, helium
  f.in.Cx = 0.5;
  f.in.Auftriebplus = 10.0;
  f.in.HFlug = 1000.0;
  f.in.Tk = 100.0;
  f.in.dt0 = 0.1;
  const bool flew = std::isfinite(f.Run(true).flightTime);
  const double volume = !flew ? NAN :
      f.calculation.log().at(row::kEnvelopeVolume, 1);
  // The displaced air weighs the payload: m = (rho_air - rho_gas) V. Only rounding differs.
  const double closed = f.in.MassaStart / (DensityAt(0.0) - f.in.GasDichte);
  rows.push_back({ValidationCase::Balloon, ValidationQuantity::EnvelopeVolume,
                  "Archimedes: V = m / (rho_air - rho_gas)", "m3", closed, volume,
                  1e-12 * closed});
}

void Rocket(std::vector<ValidationRow>& rows) {
  Flight f(VehicleClass::Rocket);
  f.in.MassaStart = 1000.0;
  f.in.Mt = 600.0;
  f.in.Iud = 2500.0;     // m/s, exhaust speed
  f.in.Schub = 30000.0;  // N
  f.in.S0 = 1.0;
  f.in.TTO = 90.0;
  // Off a launch rail: from rest, gravity would turn the path (held 0.2 deg short of the
  // vertical) far over before the speed builds up.
  f.in.V0 = 100.0;
  f.in.Tk = 1000.0;
  f.in.dt0 = 0.001;
  const RunOutcomes o = f.Run();
  const double m0 = f.in.MassaStart, mf = m0 - f.in.Mt, c = f.in.Iud, g = kGravity;
  const double v0 = f.in.V0, flow = f.in.Schub / c, burn = f.in.Mt / flow;
  // The fastest moment is the fall back to the ground; a flight that ends half a step
  // after the burn has its peak speed at burn-out.
  f.in.Tk = burn + f.in.dt0 / 2.0;
  const double burnoutComputed = f.Run().peakSpeed;
  const double burnout = v0 + c * std::log(m0 / mf) - g * burn;
  const double burnoutHeight = v0 * burn + c / flow * ((m0 - mf) - mf * std::log(m0 / mf)) -
                               g * burn * burn / 2.0;
  const double peak = burnoutHeight + burnout * burnout / (2.0 * g);
  // The burn ends on the first step past the burn time, one step's more propellant at the
  // final mass; the slow turn of the path costs the climb its angle squared (below 1e-4).
  // Allowed: twice the extra burn plus 1e-4 of the speed, and twice the coast height an
  // error of that size changes (V dV / g).
  const double extraSpeed = c * flow * f.in.dt0 / mf;
  constexpr const char* kSource = "Tsiolkovsky with gravity loss";
  rows.push_back({ValidationCase::Rocket, ValidationQuantity::BurnoutSpeed, kSource, "m/s",
                  burnout, burnoutComputed, 2.0 * extraSpeed + 1e-4 * burnout});
  rows.push_back({ValidationCase::Rocket, ValidationQuantity::PeakAltitude, kSource, "m", peak,
                  o.peakAltitude, 2.0 * burnout * (2.0 * extraSpeed + 1e-4 * burnout) / g});
}

void Orbit(std::vector<ValidationRow>& rows) {
  Flight f(VehicleClass::Projectile, EarthModel::Round);
  f.in.MassaStart = 1000.0;
  f.in.S0 = 1.0;
  f.in.H0 = 300000.0;
  f.in.V0 = std::sqrt(GravityAt(f.in.H0) * (kEarthRadius + f.in.H0));
  f.in.Tk = kTwoPi * (kEarthRadius + f.in.H0) / f.in.V0;
  f.in.dt0 = 1.0;
  const RunOutcomes o = f.Run(true);
  const TrajectoryLog& log = f.calculation.log();
  const double unit = log.units.AltitudeInKm == 1 ? 1000.0 : 1.0;
  double farthest = f.in.H0;
  for (int j = 1; j <= kSampleCapacity; ++j) {
    const double h = log.at(row::kAltitude, j) * unit;
    if (std::abs(h - f.in.H0) > std::abs(farthest - f.in.H0)) farthest = h;
  }
  if (!std::isfinite(o.range)) farthest = NAN;
  // Started on the circular balance the path angle's rate is zero up to rounding, so the
  // altitude may move by rounding only (1 m is a thousand times that). The run stops on
  // the first step at or past the period: the range may overshoot by one step's ground track.
  const double groundStep = f.in.V0 * f.in.dt0 * kEarthRadius / (kEarthRadius + f.in.H0);
  constexpr const char* kSource = "Newton: circular orbit, V = sqrt(g(H) (R + H))";
  rows.push_back({ValidationCase::Orbit, ValidationQuantity::AltitudeKept, kSource, "m",
                  f.in.H0, farthest, 1.0});
  rows.push_back({ValidationCase::Orbit, ValidationQuantity::Range, kSource, "m",
                  kTwoPi * kEarthRadius, o.range, groundStep});
}

void Entry(std::vector<ValidationRow>& rows) {
  Flight f(VehicleClass::Reentry);
  f.in.MassaStart = 1000.0;
  f.in.S0 = 10.0;
  f.in.Cx = 1.0;
  f.in.RSAT = 1.0;
  f.in.H0 = 70000.0;
  f.in.V0 = 11000.0;
  f.in.TTO = -80.0;
  f.in.dt0 = 1e-4;
  const double sinGamma = std::sin(-f.in.TTO / kDegreesPerRadian);
  const double ballistic = f.in.MassaStart / (f.in.Cx * f.in.S0);  // kg/m2
  // The peak comes where rho = beta sin(gamma) / Hs; Hs is the table's there.
  double hs = 7000.0, peakAltitude = 0.0;
  for (int i = 0; i < 20; ++i) {
    peakAltitude = AltitudeOfDensity(ballistic * sinGamma / hs);
    hs = ScaleHeightAt(peakAltitude);
  }
  // Long enough to pass the peak.
  f.in.Tk = 2.0 * (f.in.H0 - peakAltitude) / (f.in.V0 * sinGamma);
  const RunOutcomes o = f.Run();
  const double closed = f.in.V0 * f.in.V0 * sinGamma / (2.0 * kE * hs) / kGravity;
  // Allen & Eggers take an exponential atmosphere and no gravity. The table's scale height
  // varies over the scale height around the peak, and gravity adds 2 g dH to V^2 on the
  // way down: the tolerance is the sum of the two relative effects.
  const double spread = std::abs(ScaleHeightAt(peakAltitude + hs) - ScaleHeightAt(peakAltitude - hs)) / hs;
  const double gravityGain = 2.0 * kGravity * (f.in.H0 - peakAltitude) / (f.in.V0 * f.in.V0);
  rows.push_back({ValidationCase::Entry, ValidationQuantity::PeakDeceleration,
                  "Allen & Eggers, NACA Report 1381", "g", closed, o.peakLoadFactorX,
                  closed * (spread + gravityGain)});
}

}  // namespace

bool ValidationRow::passed() const {
  return std::isfinite(computed) && std::abs(difference()) <= tolerance;
}

std::vector<ValidationRow> RunValidation() {
  std::vector<ValidationRow> rows;
  Projectile(rows);
  Parachute(rows);
  Glide(rows);
  Balloon(rows);
  Rocket(rows);
  Orbit(rows);
  Entry(rows);
  return rows;
}

}  // namespace zarv

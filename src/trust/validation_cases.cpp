// The validation cases over a flat Earth, and the balloon afloat over the round one.
#include <cmath>
#include <numbers>

#include "trust/validation_flight.h"

namespace zarv {
namespace {

bool IsEuler(const ValidationRows& out) { return out.integrator == Integrator::Euler; }

// What RK4 and the adaptive method may miss by beyond a case's physics: far above their
// error at the cases' steps and tolerance, far below what a fault of the model does.
double HigherOrder(const ValidationRows& out, double closedForm) {
  constexpr double kHigherOrderShare = 1e-6;  // relative
  return IsEuler(out) ? 0.0 : kHigherOrderShare * std::abs(closedForm);
}

}  // namespace

void ValidateProjectile(ValidationRows out, ModelFault fault) {
  ValidationFlight f(VehicleClass::Projectile, EarthModel::Flat, out.integrator, fault);
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
  // twice these step-sized errors and nothing more. The others end on the ground itself.
  const double dt = IsEuler(out) ? f.in.dt0 : 0.0;
  constexpr const char* kSource = "Galilei: drag-free parabola";
  const double range = v * v * 2.0 * s * c / g, time = 2.0 * v * s / g;
  const double peak = v * v * s * s / (2.0 * g);
  out.Add(ValidationQuantity::Range, kSource, "m", range, o.range,
          2.0 * v * dt + HigherOrder(out, range));
  out.Add(ValidationQuantity::FlightTime, kSource, "s", time, o.flightTime,
          2.0 * dt + HigherOrder(out, time));
  out.Add(ValidationQuantity::PeakAltitude, kSource, "m", peak, o.peakAltitude,
          2.0 * v * s * dt + HigherOrder(out, peak));
}

void ValidateParachute(ValidationRows out, ModelFault fault) {
  ValidationFlight f(VehicleClass::Parachute, EarthModel::Flat, out.integrator, fault);
  f.in.MassaStart = 100.0;  // kg
  f.in.S0 = 50.0;           // m2
  f.in.Cx = 1.3;
  f.in.H0 = 300.0;
  f.in.TTO = -90.0;
  f.in.Tk = 1000.0;
  f.in.dt0 = 0.01;
  const double terminal =
      std::sqrt(2.0 * f.in.MassaStart * kGravity / (kGroundDensity * f.in.S0 * f.in.Cx));
  f.in.V0 = terminal;
  const RunOutcomes o = f.Run();
  // The terminal speed is a fixed point of the step, so the step adds no error there; the
  // descent follows the thickening air with a lag of V / (2 g) seconds, over which it
  // sinks V^2 / (2 g) metres. Allowed: twice the density's change over that height.
  const double lagHeight = terminal * terminal / (2.0 * kGravity);
  const double densitySlope = (kGroundDensity - kDensityAt500) / 500.0;  // kg/m3 per m
  const double densityChange = densitySlope * lagHeight / kGroundDensity;
  out.Add(ValidationQuantity::TerminalSpeed, "Knacke: V = sqrt(2 m g / (rho S Cd))", "m/s",
          terminal, o.finalSpeed, 2.0 * densityChange * terminal + HigherOrder(out, terminal));
}

void ValidateGlide(ValidationRows out, ModelFault fault) {
  ValidationFlight f(VehicleClass::Glider, EarthModel::Flat, out.integrator, fault);
  f.in.MassaStart = 300.0;
  f.in.S0 = 15.0;
  f.in.Cx = 0.05;
  f.in.Cy = 1.0;
  f.in.H0 = 1000.0;
  f.in.Tk = 10000.0;
  // RK4 is as accurate at ten times Euler's step.
  f.in.dt0 = IsEuler(out) ? 0.001 : 0.01;
  // Started in the steady glide at its start altitude.
  const double gamma = std::atan(f.in.Cx / f.in.Cy);
  f.in.TTO = -gamma * kDegreesPerRadian;
  // V^2 rho of the steady glide: lift = weight cos(gamma).
  const double liftFactor =
      2.0 * f.in.MassaStart * kGravity * std::cos(gamma) / (f.in.S0 * f.in.Cy);
  f.in.V0 = std::sqrt(liftFactor / kDensityAt1000);
  const RunOutcomes o = f.Run();
  // The drag does the work of the height and the speed given up: with lift = weight
  // cos(gamma), dE = -g Cx / Cy dX. The glide stays steady, so it lands at the steady
  // speed of the ground's air. What the steady glide leaves out (the speed lagging the
  // air, the path's slow turn) is below a thousandth of the speed term: allowed. Euler's
  // flight ends on the first step below the ground, one step's track further.
  const double ratio = f.in.Cy / f.in.Cx;
  const double endSpeedSquared = liftFactor / kGroundDensity;
  const double energyHeight = (f.in.V0 * f.in.V0 - endSpeedSquared) / (2.0 * kGravity);
  const double closed = ratio * (1.0 + energyHeight / f.in.H0);
  const double lastStep = IsEuler(out) ? f.in.V0 * f.in.dt0 / f.in.H0 : 0.0;
  out.Add(ValidationQuantity::GlideRatio, "Anderson: energy, dE = -g Cx / Cy dX", "", closed,
          o.range / f.in.H0, 2e-3 * ratio * energyHeight / f.in.H0 + lastStep +
          HigherOrder(out, closed));
}

void ValidateBalloon(ValidationRows out, ModelFault fault) {
  ValidationFlight f(VehicleClass::Balloon, EarthModel::Flat, out.integrator, fault);
  f.in.MassaStart = 10.0;
  f.in.GasDichte = 0.1785;  // kg/m3, helium
  f.in.Cx = 0.5;
  f.in.Auftriebplus = 10.0;
  f.in.HFlug = 1000.0;
  f.in.Tk = 100.0;
  f.in.dt0 = 0.1;
  const bool flew = std::isfinite(f.Run(true).flightTime);
  const double volume = !flew ? NAN : f.calculation.log().at(row::kEnvelopeVolume, 1);
  // The displaced air at the ground weighs the payload: m = (rho_air - rho_gas) V. Only
  // rounding differs.
  const double closed = f.in.MassaStart / (kGroundDensity - f.in.GasDichte);
  out.Add(ValidationQuantity::EnvelopeVolume, "Archimedes: V = m / (rho_air - rho_gas)", "m3",
          closed, volume, 1e-12 * closed);
}

void ValidateBalloonAfloat(ValidationRows out, ModelFault fault) {
  ValidationFlight f(VehicleClass::Balloon, EarthModel::Round, out.integrator, fault);
  f.in.MassaStart = 10.0;
  f.in.GasDichte = 0.1785;
  f.in.Cx = 0.5;
  f.in.H0 = 10000.0;
  f.in.HFlug = f.in.H0;
  f.in.TTO = 90.0;
  f.in.Tk = 1000.0;
  f.in.dt0 = 0.1;
  const RunOutcomes o = f.Run(true);
  // At its flight altitude without gas loss the balloon lifts its weight: the displaced
  // air and the payload weigh alike at every altitude, so it stays where it is. It starts
  // at the speed that keeps the division by V finite (0.2 mm/s): 1 m over the flight is
  // a thousand times what that moves it.
  out.Add(ValidationQuantity::AltitudeKept, "Archimedes: buoyancy = weight at any g(H)", "m",
          f.in.H0, f.FarthestAltitude(f.in.H0, o), 1.0);
}

void ValidateRocket(ValidationRows out, ModelFault fault) {
  ValidationFlight f(VehicleClass::Rocket, EarthModel::Flat, out.integrator, fault);
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
  f.in.dt0 = IsEuler(out) ? 0.001 : 0.01;
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
  // Euler's burn ends on the first step past the burn time, one step's more propellant at
  // the final mass; the others end it at burn-out. The slow turn of the path costs the
  // climb its angle squared (below 1e-4). Allowed: twice these in the speed, and twice
  // the coast height an error of that size changes (V dV / g).
  const double extraSpeed = IsEuler(out) ? c * flow * f.in.dt0 / mf : 0.0;
  const double speedAllowed = 2.0 * extraSpeed + 1e-4 * burnout;
  constexpr const char* kSource = "Tsiolkovsky with gravity loss";
  out.Add(ValidationQuantity::BurnoutSpeed, kSource, "m/s", burnout, burnoutComputed,
          speedAllowed + HigherOrder(out, burnout));
  out.Add(ValidationQuantity::PeakAltitude, kSource, "m", peak, o.peakAltitude,
          2.0 * burnout * speedAllowed / g + HigherOrder(out, peak));
}

void ValidateMachDrag(ValidationRows out, ModelFault fault) {
  ValidationFlight f(VehicleClass::Projectile, EarthModel::Flat, out.integrator, fault);
  f.in.AeroModel = 1.0;  // Titan-2: Cx = 0.5 / M + 0.091 from Mach 1.068 up
  f.in.MassaStart = 1.0;
  f.in.S0 = 0.05;
  f.in.H0 = 13000.0;  // mid-band of the table's 12 to 14 km, sound speed constant
  f.in.V0 = 3.0 * kStratosphereSound;
  f.in.Tk = 0.5;
  f.in.dt0 = 1e-4;
  const RunOutcomes o = f.Run();
  // Level at first, the shot only slows: dV/dt = -k (a V / 2 + 0.091 V^2) with
  // k = rho S / (2 m), integrated by hand: V(t) = alpha C e / (1 - beta C e) with
  // e = exp(-alpha k t), C = V0 / (alpha + beta V0); X = ln((alpha + beta V0) /
  // (alpha + beta V)) / (k beta). Both at the time the run ended.
  const double density = (kDensityAt12000 + kDensityAt14000) / 2.0;
  const double k = density * f.in.S0 / (2.0 * f.in.MassaStart);
  const double alpha = 0.5 * kStratosphereSound, beta = 0.091;
  const double v0 = f.in.V0, t = o.flightTime;
  const double start = v0 / (alpha + beta * v0);
  const double decay = std::exp(-alpha * k * t);
  const double speed = alpha * start * decay / (1.0 - beta * start * decay);
  const double range = std::log((alpha + beta * v0) / (alpha + beta * speed)) / (k * beta);
  // Left out by hand: the fall under gravity, at most g T^2, into air denser by the
  // table's slope; gravity's pull along the path bent down by at most g T / V; the path's
  // cosine. Allowed: twice these. Euler: twice its leading error, dt / 2 times the
  // deceleration's change over the flight, on the speed and over the range.
  const double g = kGravity, lost = v0 - speed;
  const double denser = (kDensityAt12000 - kDensityAt14000) / 2000.0 * g * t * t / density;
  const double bend = g * t / speed;
  const double speedAllowed = 2.0 * (lost * denser + g * bend * t);
  const double rangeAllowed =
      2.0 * (lost * denser * t + g * bend * t * t + range * bend * bend / 2.0);
  const double deceleration = k * v0 * (alpha + beta * v0);
  const double euler = IsEuler(out) ? f.in.dt0 * deceleration : 0.0;
  constexpr const char* kSource = "hand integration of the drag law";
  out.Add(ValidationQuantity::FinalSpeed, kSource, "m/s", speed, o.finalSpeed,
          speedAllowed + euler + HigherOrder(out, speed));
  out.Add(ValidationQuantity::Range, kSource, "m", range, o.range,
          rangeAllowed + euler * t + HigherOrder(out, range));
}

void ValidateEntry(ValidationRows out, ModelFault fault) {
  ValidationFlight f(VehicleClass::Reentry, EarthModel::Flat, out.integrator, fault);
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
  // The peak comes where rho = beta sin(gamma) / Hs: 0.0152 kg/m3, between the table's
  // nodes at 30 and 32 km, whose scale height Hs is taken there.
  const auto scaleHeight = [](double lower, double upper) {
    return kNodeSpacing / std::log(lower / upper);
  };
  const double hs = scaleHeight(kDensityAt30km, kDensityAt32km);
  const double peakDensity = ballistic * sinGamma / hs;
  const double peakAltitude = 30000.0 + hs * std::log(kDensityAt30km / peakDensity);
  // Long enough to pass the peak.
  f.in.Tk = 2.0 * (f.in.H0 - peakAltitude) / (f.in.V0 * sinGamma);
  const RunOutcomes o = f.Run();
  const double closed = f.in.V0 * f.in.V0 * sinGamma / (2.0 * std::numbers::e * hs) / kGravity;
  // Allen & Eggers take an exponential atmosphere and no gravity. The table's scale height
  // varies over a scale height around the peak (the nodes at 24 to 26 and 36 to 38 km),
  // and gravity adds 2 g dH to V^2 on the way down: the tolerance is the sum of the two
  // relative effects.
  const double spread = std::abs(scaleHeight(kDensityAt36km, kDensityAt38km) -
                                 scaleHeight(kDensityAt24km, kDensityAt26km)) / hs;
  const double gravityGain = 2.0 * kGravity * (f.in.H0 - peakAltitude) / (f.in.V0 * f.in.V0);
  out.Add(ValidationQuantity::PeakDeceleration, "Allen & Eggers, NACA Report 1381", "g", closed,
          o.peakLoadFactorX, closed * (spread + gravityGain));
}

}  // namespace zarv

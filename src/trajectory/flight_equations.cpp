#include "trajectory/flight_equations.h"

#include <cmath>

#include "flight_model/constants.h"
#include "flight_model/drag_law.h"
#include "flight_model/standard_atmosphere.h"

namespace zarv {

Air AirAt(double h, double v) {
  Air air;
  StandardAtmosphere(h, air.temperature, air.pressure, air.speedOfSound, air.density, air.viscosity);
  if (h > kSpeedOfSoundCapAltitude) air.speedOfSound = kSpeedOfSoundCap;
  air.mach = v / air.speedOfSound;
  return air;
}

double DragCoefficient(double aeroModel, double mach, double cx) {
  if (aeroModel <= -0.5 || aeroModel >= 0.5) DragLaw(aeroModel, mach, cx);
  return cx;
}

bool HasDragLaw(double aeroModel) { return aeroModel >= 0.5 && aeroModel < 2.5; }

double HeatFlux(double noseRadius, double density, double v, double h) {
  if (!(h < kHeatFluxCeiling)) return 0.0;
  return kHeatFluxCoefficient / std::sqrt(noseRadius) * std::pow(density / kSeaLevelDensity, 0.5) *
         std::pow(v / kHeatFluxReferenceSpeed, kHeatFluxSpeedExponent);
}

void LiftOfAerostat(const AerostatBody& body, double t, bool cruising, AerostatLift& lift) {
  lift.lift = cruising ? body.weight : body.liftRequired;
  lift.gasLost = body.gasLoss / kSecondsPerDay / kLitresPerCubicMetre * body.surface * t;
  if (cruising) {
    lift.liftLost = body.weight * lift.gasLost / body.volume;
    lift.lift = body.weight - lift.liftLost;
  }
}

void FlightRates(const FlightModel& model, const FlightMode& mode, double t, const FlightVector& y,
                 FlightVector& rates, FlightOutputs* outputs) {
  const double h = y[kH];
  const double v = y[kV] == 0.0 ? kZeroSpeedReplacement : y[kV];
  const Air air = AirAt(h, y[kV]);
  AerostatLift aerostat;
  if (model.aerostat) LiftOfAerostat(model.body, t, mode.cruising, aerostat);

  PathForces f;
  f.g = ModelGravity(model.roundEarth, model.fault, h);
  f.lift = ModelBuoyancy(aerostat.lift, f.g, model.roundEarth, model.fault);
  f.thrust = mode.burning ? model.thrust : 0.0;
  f.area = model.area;
  f.wind = model.wind;
  f.density = air.density;
  f.cx = DragCoefficient(model.aeroModel, air.mach, model.cx);
  f.cy = model.cy;
  f.mass = y[kMass];
  const double s = std::sin(y[kTheta]);
  const double c = std::cos(y[kTheta]);

  const double ground = GroundSpeed(model.aerostat, v, model.wind, c);
  rates[kX] = model.roundEarth ? ground * (kEarthRadius / (kEarthRadius + h)) : ground;
  rates[kH] = v * s;
  rates[kV] = SpeedRate(f, v, s, c);
  const double turn = TurnRate(f, v, s, c, h, model.roundEarth, model.fault);
  rates[kTheta] = mode.hold == PathHold::Free ? turn : 0.0;
  rates[kMass] = mode.burning ? -model.massFlow : 0.0;
  const double power = PathPower(f, v, s, c);
  rates[kWork] = power;
  rates[kTurnover] = std::abs(power);

  if (outputs == nullptr) return;
  FlightOutputs& o = *outputs;
  o.air = air;
  o.cx = f.cx;
  o.aerostat = aerostat;
  o.lift = f.lift;
  o.g = f.g;
  o.thrust = f.thrust;
  o.q = air.density * v * v / 2.0;
  o.drag = f.cx * o.q * f.area;
  o.aeroLift = f.cy * o.q * f.area;
  o.nx = -o.drag / kGravity / f.mass;
  o.ny = -o.aeroLift / kGravity / f.mass;
  o.heatFlux = model.vehicleClass == VehicleClass::Reentry
                   ? HeatFlux(model.noseRadius, air.density, y[kV], h)
                   : 0.0;
  o.freeTurnRate = turn;
}

void SettleHold(const FlightModel& model, FlightMode& mode, double t, FlightVector& y,
                long long& evaluations) {
  const double limit = model.pathAngleLimit;
  mode.hold = PathHold::Free;
  if (std::abs(y[kTheta]) < limit) return;
  y[kTheta] = y[kTheta] > 0.0 ? limit : -limit;
  FlightVector rates;
  FlightOutputs out;
  FlightRates(model, mode, t, y, rates, &out);
  ++evaluations;
  if (y[kTheta] > 0.0 && out.freeTurnRate >= 0.0) mode.hold = PathHold::Upper;
  if (y[kTheta] < 0.0 && out.freeTurnRate <= 0.0) mode.hold = PathHold::Lower;
}

}  // namespace zarv

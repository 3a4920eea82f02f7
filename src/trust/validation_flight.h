#pragma once

// What the validation cases share: a flight set up from nothing, the values of the
// atmosphere table worked by hand, and the Earth's gravitational parameter. Cases compare
// with values the program does not compute itself, so nothing here calls the model.
#include <cmath>
#include <numbers>
#include <vector>

#include "flight_model/constants.h"
#include "scenario/calculation.h"
#include "trust/run_outcomes.h"
#include "trust/validation.h"

namespace zarv {

// The atmosphere table's densities, read off it by hand.
inline constexpr double kGroundDensity = 1.225;      // kg/m3, at 0 m
inline constexpr double kDensityAt500 = 1.1673;      // kg/m3
inline constexpr double kDensityAt1000 = 1.1116;     // kg/m3
inline constexpr double kDensityAt12000 = 0.3108;    // kg/m3
inline constexpr double kDensityAt14000 = 0.2267;    // kg/m3
inline constexpr double kStratosphereSound = 295.07;  // m/s, 11 to 20 km
// Nodes of the fine density table (kg/m3) at 24, 26, 30, 32, 36 and 38 km.
inline constexpr double kDensityAt24km = 0.046267, kDensityAt26km = 0.033688;
inline constexpr double kDensityAt30km = 0.018012, kDensityAt32km = 0.013225;
inline constexpr double kDensityAt36km = 0.007034, kDensityAt38km = 0.005187;
inline constexpr double kNodeSpacing = 2000.0;  // m

// g R^2 of the model's Earth: 9.8 m/s2 at the radius.
inline constexpr double kEarthMu = kGravity * kEarthRadius * kEarthRadius;  // m3/s2
inline constexpr double kTwoPi = 2.0 * std::numbers::pi;

// A calculation of the class with every input zero but those a case sets, run with one
// integrator and, for the tests, one seeded fault.
struct ValidationFlight {
  Calculation calculation;
  RunInputs& in;
  ValidationFlight(VehicleClass cls, EarthModel earth, Integrator integrator, ModelFault fault)
      : in(calculation.inputs()) {
    calculation.setVehicleClass(cls);
    RunSettings settings;
    settings.earth = earth;
    settings.integrator = integrator;
    calculation.setSettings(settings);
    calculation.SetModelFault(fault);
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
          o.peakDynamicPressure = o.finalSpeed = NAN;
      return o;
    }
    return OutcomesOf(calculation);
  }
  // The recorded altitude farthest from `from` (m), NaN after a failed run.
  double FarthestAltitude(double from, const RunOutcomes& o) const;
};

// Where a case puts its rows: the case and integrator are the same for all of them.
struct ValidationRows {
  std::vector<ValidationRow>& rows;
  ValidationCase flight;
  Integrator integrator;
  void Add(ValidationQuantity quantity, const char* source, const char* unit, double closedForm,
           double computed, double tolerance) {
    rows.push_back({flight, integrator, quantity, source, unit, closedForm, computed, tolerance});
  }
};

// The cases, each flown with the integrator of `out` and the fault.
void ValidateProjectile(ValidationRows out, ModelFault fault);
void ValidateParachute(ValidationRows out, ModelFault fault);
void ValidateGlide(ValidationRows out, ModelFault fault);
void ValidateBalloon(ValidationRows out, ModelFault fault);
void ValidateBalloonAfloat(ValidationRows out, ModelFault fault);
void ValidateRocket(ValidationRows out, ModelFault fault);
void ValidateMachDrag(ValidationRows out, ModelFault fault);
void ValidateEntry(ValidationRows out, ModelFault fault);
void ValidateOrbit(ValidationRows out, ModelFault fault);
void ValidateEccentricOrbit(ValidationRows out, ModelFault fault);
void ValidateBallisticShot(ValidationRows out, ModelFault fault);

}  // namespace zarv

#pragma once

#include <array>
#include <limits>

#include "flight_model/path_rates.h"
#include "trajectory/run_inputs.h"
#include "trajectory/vehicle_class.h"

namespace zarv {

// The air at a point of the flight: the standard atmosphere, the speed of sound held at
// 290 m/s above 120 km, and the Mach number of the speed.
struct Air {
  double temperature = 0.0, pressure = 0.0, speedOfSound = 0.0, density = 0.0, viscosity = 0.0;
  double mach = 0.0;
};
Air AirAt(double h, double v);

// The drag coefficient at a Mach number: the inputs' drag law, or cx where it has none.
double DragCoefficient(double aeroModel, double mach, double cx);
// Whether the aerodynamics model is one of the Mach-dependent drag laws.
bool HasDragLaw(double aeroModel);

// kW/m2 at the nose of a re-entry vehicle; 0 at and above the heat flux ceiling.
double HeatFlux(double noseRadius, double density, double v, double h);

// The lift of a balloon or an airship: the lift surplus until the flight altitude, then
// the weight less what the lost gas carried.
struct AerostatBody {
  double weight = 0.0;        // N, at 9.8 m/s2
  double liftRequired = 0.0;  // N, weight and surplus
  double surface = 0.0;       // m2, of the envelope
  double volume = 0.0;        // m3, of the envelope
  double gasLoss = 0.0;       // litres per m2 per 24 h
};
struct AerostatLift {
  double lift = 0.0;      // N, at 9.8 m/s2
  double gasLost = 0.0;   // m3
  double liftLost = 0.0;  // N; left as it was before the flight altitude
};
void LiftOfAerostat(const AerostatBody& body, double t, bool cruising, AerostatLift& lift);

// What the higher-order integrators carry: the state of the point mass and the energy
// book's work and turnover (J/kg since the start of the step's pass).
enum FlightIndex { kX, kH, kV, kTheta, kMass, kWork, kTurnover, kFlightSize };
using FlightVector = std::array<double, kFlightSize>;

// Absolute tolerances of the adaptive method per state variable: a micrometre of range
// and altitude, 1e-9 m/s, 1e-9 rad, 1e-9 kg; the book takes no part in the error control.
inline constexpr double kNoControl = std::numeric_limits<double>::infinity();
inline constexpr FlightVector kDefaultAbsoluteTolerances = {1e-6, 1e-6, 1e-9, 1e-9, 1e-9,
                                                            kNoControl, kNoControl};

// The path angle held at a clamp while the forces would turn it further out.
enum class PathHold { Free, Upper, Lower };

// The switches of the model; each changes only at an event, at a step's edge.
struct FlightMode {
  bool burning = false;   // the rocket's engine runs
  bool cruising = false;  // the aerostat has reached its flight altitude
  PathHold hold = PathHold::Free;
};

// The constants of one pass.
struct FlightModel {
  VehicleClass vehicleClass = VehicleClass::None;
  bool aerostat = false;
  bool roundEarth = false;
  ModelFault fault = ModelFault::None;
  double area = 0.0, cx = 0.0, cy = 0.0, aeroModel = 0.0, wind = 0.0, noseRadius = 0.0;
  double thrust = 0.0, massFlow = 0.0, burnTime = 0.0;  // N, kg/s, s
  AerostatBody body;
  double cruiseAltitude = 0.0;  // m
  double endAltitude = 0.0;     // m
  double endTime = 0.0;         // s
  double pathAngleLimit = 0.0;  // rad
};

// Besides the rates: the air, the forces and the load factors at the state, as the log
// records them.
struct FlightOutputs {
  Air air;
  double cx = 0.0;
  AerostatLift aerostat;  // nominal lift, gas and lift lost
  double lift = 0.0;      // N, as applied
  double g = 0.0;         // m/s2, as applied
  double thrust = 0.0;    // N
  double q = 0.0;         // Pa
  double drag = 0.0, aeroLift = 0.0;  // N
  double nx = 0.0, ny = 0.0;          // in units of 9.8 m/s2
  double heatFlux = 0.0;              // kW/m2
  double freeTurnRate = 0.0;          // rad/s, the turn were the path angle not held
};

// The derivative of the state at time t: the one set of equations RK4 and the adaptive
// method integrate, built on the rates the Euler step takes.
void FlightRates(const FlightModel& model, const FlightMode& mode, double t, const FlightVector& y,
                 FlightVector& rates, FlightOutputs* outputs = nullptr);

// The path angle clamped, and whether the forces hold it there (one evaluation when it
// is at a clamp).
void SettleHold(const FlightModel& model, FlightMode& mode, double t, FlightVector& y,
                long long& evaluations);

}  // namespace zarv

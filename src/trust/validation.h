#pragma once

#include <vector>

#include "flight_model/path_rates.h"
#include "trajectory/run_settings.h"

namespace zarv {

// Flights with an answer in closed form, each run through the calculation as a user's
// flight is, with every integrator.
enum class ValidationCase {
  Projectile,      // drag-free, over a flat Earth
  Parachute,       // terminal speed
  Glide,           // steady glide, with the speed it gives up
  Balloon,         // envelope
  BalloonAfloat,   // at its flight altitude, round Earth
  Rocket,          // vertical, drag-free
  MachDrag,        // supersonic deceleration under the Titan-2 drag law
  Orbit,           // circular, round Earth
  EccentricOrbit,  // round Earth
  BallisticShot,   // drag-free, round Earth
  Entry,           // steep ballistic entry
};

enum class ValidationQuantity {
  Range,             // m
  FlightTime,        // s
  PeakAltitude,      // m
  TerminalSpeed,     // m/s
  GlideRatio,        // range over height lost
  EnvelopeVolume,    // m3
  BurnoutSpeed,      // m/s
  AltitudeKept,      // m, the altitude farthest from the start over the flight
  PeakDeceleration,  // in units of 9.8 m/s2
  FinalSpeed,        // m/s
  Period,            // s, back over the start
};

struct ValidationRow {
  ValidationCase flight;
  Integrator integrator;
  ValidationQuantity quantity;
  const char* source;   // where the closed form comes from (a citation, not translated)
  const char* unit;     // of the three values; "" for a ratio
  double closedForm;
  double computed;
  double tolerance;     // absolute, in the unit
  double difference() const { return computed - closedForm; }
  bool passed() const;  // |difference| within the tolerance, and finite
};

// Runs every case with every integrator; a quarter of a second. `fault` seeds a fault into
// the model of every run, for the tests that show the cases catch it.
std::vector<ValidationRow> RunValidation(ModelFault fault = ModelFault::None);

}  // namespace zarv

#pragma once

#include <vector>

namespace zarv {

// Flights with an answer in closed form, each run through the calculation as a user's
// flight is.
enum class ValidationCase {
  Projectile,  // drag-free, over a flat Earth
  Parachute,   // terminal speed
  Glide,       // steady glide
  Balloon,     // envelope
  Rocket,      // vertical, drag-free
  Orbit,       // circular, round Earth
  Entry,       // steep ballistic entry
};

enum class ValidationQuantity {
  Range,             // m
  FlightTime,        // s
  PeakAltitude,      // m
  TerminalSpeed,     // m/s
  GlideRatio,        // range over height lost
  EnvelopeVolume,    // m3
  BurnoutSpeed,      // m/s
  AltitudeKept,      // m, the altitude farthest from the start over the orbit
  PeakDeceleration,  // in units of 9.8 m/s2
};

struct ValidationRow {
  ValidationCase flight;
  ValidationQuantity quantity;
  const char* source;   // where the closed form comes from (a citation, not translated)
  const char* unit;     // of the three values; "" for a ratio
  double closedForm;
  double computed;
  double tolerance;     // absolute, in the unit
  double difference() const { return computed - closedForm; }
  bool passed() const;  // |difference| within the tolerance, and finite
};

// Runs every case; a few seconds at most.
std::vector<ValidationRow> RunValidation();

}  // namespace zarv

#include "trust/validation.h"

#include <cmath>
#include <utility>

#include "trust/validation_flight.h"

namespace zarv {

double ValidationFlight::FarthestAltitude(double from, const RunOutcomes& o) const {
  if (!std::isfinite(o.range)) return NAN;
  const TrajectoryLog& log = calculation.log();
  const double unit = log.units.AltitudeInKm == 1 ? 1000.0 : 1.0;
  double farthest = from;
  for (int j = 1; j <= kSampleCapacity; ++j) {
    const double h = log.at(row::kAltitude, j) * unit;
    if (std::abs(h - from) > std::abs(farthest - from)) farthest = h;
  }
  return farthest;
}

bool ValidationRow::passed() const {
  return std::isfinite(computed) && std::abs(difference()) <= tolerance;
}

std::vector<ValidationRow> RunValidation(ModelFault fault) {
  using Case = void (*)(ValidationRows, ModelFault);
  constexpr std::pair<ValidationCase, Case> kCases[] = {
      {ValidationCase::Projectile, ValidateProjectile},
      {ValidationCase::Parachute, ValidateParachute},
      {ValidationCase::Glide, ValidateGlide},
      {ValidationCase::Balloon, ValidateBalloon},
      {ValidationCase::BalloonAfloat, ValidateBalloonAfloat},
      {ValidationCase::Rocket, ValidateRocket},
      {ValidationCase::MachDrag, ValidateMachDrag},
      {ValidationCase::Orbit, ValidateOrbit},
      {ValidationCase::EccentricOrbit, ValidateEccentricOrbit},
      {ValidationCase::BallisticShot, ValidateBallisticShot},
      {ValidationCase::Entry, ValidateEntry},
  };
  std::vector<ValidationRow> rows;
  for (const auto& [flight, run] : kCases) {
    for (Integrator integrator : {Integrator::Euler, Integrator::Rk4, Integrator::Adaptive}) {
      run(ValidationRows{rows, flight, integrator}, fault);
    }
  }
  return rows;
}

}  // namespace zarv

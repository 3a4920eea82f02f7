// The recording side of the run: one sample into the log, and the log's completion.
#include "trajectory/trajectory_run.h"

#include <algorithm>

#include "flight_model/constants.h"

namespace zarv {
namespace {

// Unit thresholds of the recorded values.
constexpr double kKiloThreshold = 10000.0;       // m, N, kg
constexpr double kKilometresPerSecond = 1000.0;  // m/s
constexpr double kMinuteThreshold = 3600.0;      // s
constexpr double kHourThreshold = 36000.0;       // s
constexpr double kKiloPascal = 1000.0;           // Pa
constexpr double kMegaPascal = 100000.0;         // Pa
constexpr double kReynoldsScale = 1000.0;
constexpr double kReynoldsLength = 1.0;          // m

void Scale(TrajectoryLog& log, int r, double divisor) {
  double* values = log.row(r);
  for (int j = 0; j < kSampleCapacity; ++j) values[j] /= divisor;
}

}  // namespace

CurveSelection DefaultCurves(VehicleClass vehicleClass) {
  if (vehicleClass == VehicleClass::Balloon) return {{0, 3, 1, 21, 2, 9, 19, 0}, 8};
  return {{0, 3, 1, 4, 2, 9, 0, 0}, 7};
}

void TrajectoryRun::Record(const RunInputs& inputs, TrajectoryLog& log) {
  RunState& s = state_;
  const int j = sampleIndex_;
  const double m = s.shared.mass;
  // As the step applied them: over the round Earth both take g(H).
  const double lift = s.shared.buoyancy;
  const double weight = m * s.shared.gravity;
  log.at(row::kTime, j) = s.t;
  log.at(row::kVelocity, j) = s.V;
  log.at(row::kDynamicPressure, j) = s.q;
  log.at(row::kAltitude, j) = s.H < 0.0 ? 0.0 : s.H;
  log.at(row::kPathAngle, j) = s.theta * kDegreesPerRadian;
  log.at(5, j) = 0.0;
  log.at(6, j) = 0.0;
  log.at(row::kRange, j) = s.X;
  log.at(row::kLiftMinusWeight, j) = lift - weight;
  log.at(row::kLoadFactorX, j) = s.nx;
  log.at(row::kLoadFactorY, j) = s.ny;
  log.at(row::kLiftMinusWeightChart, j) = lift - weight;
  log.at(row::kLiftForce, j) = lift;
  log.at(row::kWind, j) = inputs.Vwind;
  log.at(row::kHeatFlux, j) = s.heatFlux;
  log.at(row::kThrust, j) = s.thrust;
  log.at(row::kMass, j) = m;
  log.at(row::kThrustPerMass, j) = s.thrust / m;
  log.at(18, j) = 0.0;
  log.at(row::kEnvelopeVolume, j) = s.envelopeVolume;
  log.at(row::kLiftForceCopy, j) = lift;
  log.at(row::kDragForce, j) = s.shared.dragForce;
  log.at(row::kAeroLiftForce, j) = s.shared.aeroLiftForce;
  log.at(row::kDragCoefficient, j) = s.workingCx;
  log.at(row::kLiftCoefficient, j) = s.workingCy;
  log.at(row::kMach, j) = s.mach;
  log.at(row::kTemperature, j) = s.temperature;
  log.at(row::kPressure, j) = s.pressure;
  log.at(row::kDensity, j) = s.density;
  log.at(row::kReynolds, j) = s.density * s.V * kReynoldsLength / s.viscosity / kReynoldsScale;
  log.at(row::kLiftLost, j) = s.liftLost;

  UnitFlags& u = log.units;
  if (s.H > kKiloThreshold) u.AltitudeInKm = 1;
  if (s.X > kKiloThreshold) u.RangeInKm = 1;
  if (s.V > kKilometresPerSecond) u.VelocityInKm = 1;
  if (s.thrust > kKiloThreshold) u.ThrustInKilo = 1;
  if (m > kKiloThreshold) u.MassInKilo = 1;
  if (s.t > kMinuteThreshold) u.TimeUnit = s.t > kHourThreshold ? 3 : 2;
  if (s.q > kKiloPascal) u.PressureUnit = s.q > kMegaPascal ? 2 : 1;

  ++summary_.samplesRecorded;
  if (sampleIndex_ < kSampleCapacity) ++sampleIndex_;
}

void TrajectoryRun::Finish(TrajectoryLog& log, VehicleClass cls) {
  // A short run repeats its last sample, so no slot shows an earlier run.
  const int filled = std::min(summary_.samplesRecorded, kSampleCapacity);
  for (int r = 0; r < kRecordedRows; ++r) {
    for (int j = filled + 1; j <= kSampleCapacity; ++j) log.at(r, j) = log.at(r, filled);
    log.at(r, kSampleCapacity) = log.at(r, kSampleCapacity - 1);
  }
  const UnitFlags& u = log.units;
  if (u.AltitudeInKm == 1) Scale(log, row::kAltitude, 1000.0);
  if (u.VelocityInKm == 1) Scale(log, row::kVelocity, 1000.0);
  if (u.PressureUnit == 1) Scale(log, row::kDynamicPressure, 1000.0);
  if (u.PressureUnit == 2) Scale(log, row::kDynamicPressure, 1000000.0);
  if (u.TimeUnit == 2) Scale(log, row::kTime, 60.0);
  if (u.TimeUnit == 3) Scale(log, row::kTime, 3600.0);
  if (u.RangeInKm == 1) Scale(log, row::kRange, 1000.0);
  if (u.ThrustInKilo == 1) Scale(log, row::kThrust, 1000.0);
  if (u.MassInKilo == 1) Scale(log, row::kMass, 1000.0);

  log.settings = settings_;
  const CurveSelection curves = DefaultCurves(cls);
  log.CurveList = curves.list;
  log.CurveCount = curves.count;
}

}  // namespace zarv

#pragma once

#include <array>
#include <cstddef>

#include "trajectory/run_settings.h"

namespace zarv {

inline constexpr int kSampleCapacity = 500;  // samples per row
inline constexpr int kRecordedRows = 31;     // rows 0..30 are written by a run
inline constexpr int kLogElements = 50000;   // room for 100 rows
inline constexpr int kCurveListSize = 8;

// Log rows by meaning.
namespace row {
inline constexpr int kTime = 0;
inline constexpr int kVelocity = 1;
inline constexpr int kDynamicPressure = 2;
inline constexpr int kAltitude = 3;
inline constexpr int kPathAngle = 4;
inline constexpr int kRange = 7;
inline constexpr int kLiftMinusWeight = 8;
inline constexpr int kLoadFactorX = 9;
inline constexpr int kLoadFactorY = 10;
inline constexpr int kLiftMinusWeightChart = 11;
inline constexpr int kLiftForce = 12;
inline constexpr int kWind = 13;
inline constexpr int kHeatFlux = 14;
inline constexpr int kThrust = 15;
inline constexpr int kMass = 16;
inline constexpr int kThrustPerMass = 17;
inline constexpr int kEnvelopeVolume = 19;
inline constexpr int kLiftForceCopy = 20;
inline constexpr int kDragForce = 21;
inline constexpr int kAeroLiftForce = 22;
inline constexpr int kDragCoefficient = 23;
inline constexpr int kLiftCoefficient = 24;
inline constexpr int kMach = 25;
inline constexpr int kTemperature = 26;
inline constexpr int kPressure = 27;
inline constexpr int kDensity = 28;
inline constexpr int kReynolds = 29;
inline constexpr int kLiftLost = 30;
}  // namespace row

// Display units the recorded rows were rescaled to; they also pick the chart captions.
struct UnitFlags {
  int AltitudeInKm = 0;  // row 3 in km
  int RangeInKm = 0;     // row 7 in km
  int VelocityInKm = 0;  // row 1 in km/s
  int ThrustInKilo = 0;  // row 15 in kN
  int MassInKilo = 0;    // row 16 in t
  int TimeUnit = 0;      // row 0: 0 s, 2 min, 3 h
  int PressureUnit = 0;  // row 2: 0 Pa, 1 kPa, 2 MPa
};

// The samples of the last run: row k, slot j (1..500) is element 500*k + j; the charts
// get data() and find it at zero-based position 500*k + j - 1.
class TrajectoryLog {
 public:
  double& at(int row, int slot) { return values_[Index(row, slot)]; }
  double at(int row, int slot) const { return values_[Index(row, slot)]; }
  // Element n (1..50000) of the flat table.
  double element(int n) const { return values_[static_cast<std::size_t>(n - 1)]; }

  const double* data() const { return values_.data(); }
  const double* row(int r) const { return values_.data() + Index(r, 1); }
  double* row(int r) { return values_.data() + Index(r, 1); }

  UnitFlags units;
  std::array<int, kCurveListSize> CurveList{};
  int CurveCount = 0;
  RunSettings settings;  // how the run that recorded it was computed

 private:
  static std::size_t Index(int row, int slot) {
    return static_cast<std::size_t>(kSampleCapacity * row + slot - 1);
  }
  std::array<double, kLogElements> values_{};
};

}  // namespace zarv

#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "trajectory/run_inputs.h"
#include "trajectory/vehicle_class.h"

namespace zarv {

inline constexpr double kSpeedOfLight = 299792458.0;  // m/s
inline constexpr double kDivergenceDistance = 1e12;   // m, altitude or range, either sign
inline constexpr double kPathAngleBound = 4.0;        // rad, beyond both clamps

inline constexpr double kLargestFinite = 1.7976931348623157e308;

// A few compares per step; NaN fails every one of them. The heat flux and the load factor
// are where a negative speed or an overflowing force show first.
inline bool InTheNumbers(double t, double x, double h, double v, double theta, double heatFlux,
                         double nx) {
  return std::abs(v) <= kSpeedOfLight && std::abs(h) <= kDivergenceDistance &&
         std::abs(x) <= kDivergenceDistance && std::abs(theta) <= kPathAngleBound &&
         std::abs(t) <= kDivergenceDistance && std::abs(heatFlux) <= kLargestFinite &&
         std::abs(nx) <= kLargestFinite;
}

// The inputs of a run with magnitudes no vehicle has, in declaration order.
std::vector<std::string> InputsOutOfRange(const RunInputs& inputs, VehicleClass vehicleClass);

}  // namespace zarv

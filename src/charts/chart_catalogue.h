#pragma once

#include <array>
#include <span>
#include <string_view>

#include "trajectory/trajectory_log.h"
#include "trajectory/vehicle_class.h"

namespace zarv {

// One chart button of the calculation window.
struct ChartEntry {
  const char* objectName;  // e.g. "Button22"
  const char* caption;     // designed caption, e.g. "V, H = f (t)"
  int curveCount;          // listed rows + 1
  std::array<int, kCurveListSize> curveList;  // abscissa first, then the curves
};

std::span<const ChartEntry> ChartCatalogue();

// The entry of a button's object name, or nullptr.
const ChartEntry* FindChart(std::string_view objectName);

// The chart a run shows first.
ChartEntry DefaultChart(VehicleClass vehicleClass);

}  // namespace zarv

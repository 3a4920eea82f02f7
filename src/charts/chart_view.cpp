#include "charts/chart_view.h"

#include <algorithm>
#include <array>

#include "trajectory/log_units.h"

namespace zarv {

namespace {

// Distinct on white and from each other, none of them black, a quarter of the way to
// white so that the current run's black stands out among them.
//                                   blue        red         green       orange
//                                   purple      brown
constexpr std::array<QRgb, kMaxKeptRuns> kPalette{0xFF5787DC, 0xFFE05D5E, 0xFF61B861, 0xFFFFA94A,
                                                  0xFFAF8DCE, 0xFFA98078};

// Saturated and dark, so that points read apart from the lighter lines of the runs.
//                                                   magenta     teal        olive
constexpr std::array<QRgb, kMaxMeasuredFlights> kMeasuredPalette{0xFFC2187A, 0xFF00796B, 0xFF827717};

}  // namespace

KeptRun KeepRun(const TrajectoryLog& log, std::string label, VehicleClass vehicleClass) {
  return KeptRun{std::make_shared<const TrajectoryLog>(log), std::move(label), vehicleClass, {}};
}

QRgb KeptRunColour(int index) {
  return kPalette[static_cast<std::size_t>(index) % kPalette.size()];
}

QRgb MeasuredColour(int index) {
  return kMeasuredPalette[static_cast<std::size_t>(index) % kMeasuredPalette.size()];
}

ChartView PlainView(const TrajectoryLog& log, const std::array<int, kCurveListSize>& curveList,
                    int curveCount, int capacity, const ChartSettings& settings) {
  ChartView view;
  view.log = &log;
  view.curveList = curveList;
  view.curveCount = curveCount;
  view.capacity = capacity;
  view.settings = settings;
  return view;
}

bool RunHasRow(int rowNumber, VehicleClass vehicleClass) {
  if (rowNumber < 0 || rowNumber >= kRecordedRows) return false;
  const bool aerostat = IsAerostat(vehicleClass);
  switch (rowNumber) {
    case row::kHeatFlux: return vehicleClass == VehicleClass::Reentry;
    case row::kThrust:
    case row::kThrustPerMass: return vehicleClass == VehicleClass::Rocket;
    case row::kLiftMinusWeight:
    case row::kLiftMinusWeightChart:
    case row::kLiftForce:
    case row::kEnvelopeVolume:
    case row::kLiftForceCopy:
    case row::kLiftLost: return aerostat;
    default: return true;
  }
}

double UnitFactor(int rowNumber, const UnitFlags& recorded, const UnitFlags& shown) {
  return LogRowUnitSize(rowNumber, recorded) / LogRowUnitSize(rowNumber, shown);
}

}  // namespace zarv

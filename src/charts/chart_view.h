#pragma once

#include "trajectory/vehicle_class.h"

#include <array>
#include <bitset>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include <QColor>

#include "charts/chart_frame.h"
#include "trajectory/measured_flight.h"
#include "trajectory/trajectory_log.h"

namespace zarv {

// A finished run kept to be drawn again beside the current one.
struct KeptRun {
  std::shared_ptr<const TrajectoryLog> log;
  std::string label;          // UTF-8, e.g. "Launcher V-2, dt0 = 0.001"
  VehicleClass vehicleClass = VehicleClass::None;  // decides which class-specific rows it has
  // A run read from a file: the rows it holds, which its class cannot tell.
  std::optional<std::bitset<kRecordedRows>> rows;
};

inline constexpr int kMaxKeptRuns = 6;

// A measured flight drawn as points on every chart whose rows it has.
struct MeasuredOverlay {
  std::shared_ptr<const MeasuredFlight> flight;
  std::string label;  // UTF-8, in the legend
};

inline constexpr int kMaxMeasuredFlights = 3;

// Copies the log, so that the next run may overwrite the original.
KeptRun KeepRun(const TrajectoryLog& log, std::string label, VehicleClass vehicleClass);

// The label a run or a measured flight is drawn under beside the others of its kind
// (anything with a `label`): its own, or with " (2)", " (3)"... when one of them already
// has it, so that no two carry the same name.
template <typename Range>
std::string UniqueLabel(const std::string& label, const Range& others) {
  const auto taken = [&others](const std::string& name) {
    for (const auto& other : others) {
      if (other.label == name) return true;
    }
    return false;
  };
  std::string unique = label;
  for (int n = 2; taken(unique); ++n) unique = label + " (" + std::to_string(n) + ")";
  return unique;
}
inline std::string UniqueKeptLabel(const std::string& label, std::span<const KeptRun> kept) {
  return UniqueLabel(label, kept);
}

// Curve colour of kept run `index` (0..5); the current run is black.
QRgb KeptRunColour(int index);

// Point colour of measured flight `index` (0..2), apart from the runs' colours.
QRgb MeasuredColour(int index);

// An abscissa interval in the current run's display units.
struct AbscissaRange {
  double from = 0.0;
  double to = 0.0;
};

// Everything a chart is drawn from. Without kept runs and zoom it is the plain chart.
struct ChartView {
  const TrajectoryLog* log = nullptr;  // the current run
  std::array<int, kCurveListSize> curveList{};
  int curveCount = 0;
  int capacity = kSampleCapacity;
  ChartSettings settings;           // language and the current run's class
  std::string label;                // the current run in the legend; empty: a generic name
  std::span<const KeptRun> kept;    // the first kMaxKeptRuns are drawn
  std::span<const MeasuredOverlay> measured;  // the first kMaxMeasuredFlights are drawn
  std::optional<AbscissaRange> zoom;  // none, or an empty/invalid one: the full range
};

// The chart of a catalogue-style list on the current log alone.
ChartView PlainView(const TrajectoryLog& log, const std::array<int, kCurveListSize>& curveList,
                    int curveCount, int capacity, const ChartSettings& settings);

// Whether a run of the class records the row (rows of other classes' physics hold zeros or
// what an earlier run left).
bool RunHasRow(int row, VehicleClass vehicleClass);

// Factor that turns a value of the row recorded with `recorded` flags into the display unit
// of `shown` flags (1 for rows without a unit flag).
double UnitFactor(int row, const UnitFlags& recorded, const UnitFlags& shown);

}  // namespace zarv

#pragma once

#include "trajectory/vehicle_class.h"

#include <bitset>
#include <cmath>
#include <optional>
#include <span>
#include <vector>

#include <QColor>
#include <QRect>
#include <QString>

#include "charts/chart_frame.h"
#include "charts/chart_view.h"

namespace zarv {

// To nearest, halves to even.
inline int ChartRound(double value) { return static_cast<int>(std::nearbyint(value)); }

// One run as a chart shows it; the current run comes first.
struct ShownRun {
  const TrajectoryLog* log = nullptr;
  VehicleClass vehicleClass = VehicleClass::None;
  QRgb colour = 0xFF000000;
  QString label;
  std::optional<std::bitset<kRecordedRows>> rows;  // read from a file: its rows, not its class's
};

// A measured flight as a chart shows it.
struct ShownMeasurement {
  const MeasuredFlight* flight = nullptr;
  QRgb colour = 0xFF000000;
  QString label;
};

// Samples 2..capacity of one row of one run (the first recorded sample is never drawn),
// in the current run's display units. A row the run does not have is empty.
class RunRow {
 public:
  RunRow(const ShownRun& run, int rowNumber, int capacity, const UnitFlags& shown);
  int size() const { return count_; }
  double operator[](int i) const { return first_[i - 1] * factor_; }  // i = 1..size()

 private:
  const double* first_ = nullptr;
  int count_ = 0;
  double factor_ = 1.0;
};

// One measured row in the current run's display units, a value per line of the flight;
// NaN where the line has none. Empty for a row the flight lacks.
class MeasuredValues {
 public:
  MeasuredValues(const MeasuredFlight& flight, int rowNumber, const UnitFlags& shown);
  std::size_t size() const { return values_.size(); }
  double operator[](std::size_t i) const { return values_[i] * factor_; }

 private:
  std::span<const double> values_;
  double factor_ = 1.0;
};

struct CurveScale {
  int row = 0;
  double ymax = 0.0, ymin = 0.0;  // over every run shown, 0 included
  bool isSigned = false;
  double scale = 0.0;  // px per unit; 0 draws the curve flat
};

// The scales of a chart as it will be drawn: shared by the drawing, the readout and the
// zoom so that they agree to the pixel.
struct ChartScales {
  ChartLayout layout;
  int capacity = kSampleCapacity;
  std::vector<ShownRun> runs;
  std::vector<ShownMeasurement> measured;
  bool zoomed = false;
  double from = 0.0, to = 0.0;  // abscissa at the plot's left and right edge
  double sx = 0.0;              // px per abscissa unit
  std::vector<CurveScale> curves;  // curve k of the list is curves[k - 1]

  bool Inside(double x) const { return !zoomed || (x >= from && x <= to); }
  // From the top grid line to the abscissa line, left to right edge, both included.
  QRect Plot() const;
  int PixelX(double x) const;
  int PixelY(double y, const CurveScale& curve) const;
  // The abscissa under a pixel column (clamped to the plot).
  double AbscissaAt(int px) const;
  RunRow Row(std::size_t run, int rowNumber) const;
  MeasuredValues Measured(std::size_t flight, int rowNumber) const;
  int AbscissaRow() const;
  // Kept runs or measured flights are shown, so a legend tells them apart.
  bool HasLegend() const { return runs.size() > 1 || !measured.empty(); }
};

ChartScales ComputeChartScales(const ChartView& view);

// The range a horizontal drag from x1 to x2 (picture pixels) selects on the chart as drawn;
// none for a drag of less than a few pixels or a chart without abscissa extent.
std::optional<AbscissaRange> RangeFromDrag(const ChartView& view, int x1, int x2);

}  // namespace zarv

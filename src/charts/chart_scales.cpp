#include "charts/chart_scales.h"

#include <algorithm>
#include <array>

namespace zarv {

namespace {

constexpr int kMargin = 20;        // px around the plot
constexpr int kAxisWidth = 37;     // px of room per listed row left of the plot
constexpr double kFar = 100000.0;  // px; coordinates are clamped to this
constexpr int kMinDrag = 4;        // px; a shorter drag is a click

// A coordinate offset that the painter can take whatever the samples hold.
int Offset(double value) {
  if (!std::isfinite(value)) return 0;
  return ChartRound(std::clamp(value, -kFar, kFar));
}

// Pixels per unit; a zero, infinite or NaN extent draws flat.
double Scale(double length, double extent) {
  if (!(extent > 0.0) || !std::isfinite(extent)) return 0.0;
  const double scale = length / extent;
  return std::isfinite(scale) ? scale : 0.0;
}

int ClampCapacity(int capacity) { return std::clamp(capacity, 2, kSampleCapacity); }

// Largest of 0 and the samples inside the range, and the smallest; NaN never wins.
struct Extent {
  double max = 0.0, min = 0.0;
};

Extent RowExtent(const ChartScales& s, int rowNumber) {
  Extent e;
  const int abscissaRow = s.AbscissaRow();
  for (std::size_t r = 0; r < s.runs.size(); ++r) {
    const RunRow values = s.Row(r, rowNumber);
    const RunRow x = s.Row(r, abscissaRow);
    for (int i = 1; i <= values.size(); ++i) {
      if (s.zoomed && (i > x.size() || !s.Inside(x[i]))) continue;
      e.max = values[i] > e.max ? values[i] : e.max;
      e.min = values[i] < e.min ? values[i] : e.min;
    }
  }
  for (std::size_t m = 0; m < s.measured.size(); ++m) {
    const MeasuredValues values = s.Measured(m, rowNumber);
    const MeasuredValues x = s.Measured(m, abscissaRow);
    for (std::size_t i = 0; i < values.size() && i < x.size(); ++i) {
      // Only the points drawn: those with both values, inside the zoom.
      if (std::isnan(values[i]) || std::isnan(x[i]) || !s.Inside(x[i])) continue;
      e.max = std::max(e.max, values[i]);
      e.min = std::min(e.min, values[i]);
    }
  }
  return e;
}

}  // namespace

RunRow::RunRow(const ShownRun& run, int rowNumber, int capacity, const UnitFlags& shown) {
  if (run.log == nullptr || rowNumber < 0 || capacity * (rowNumber + 1) > kLogElements) return;
  first_ = run.log->data() + capacity * rowNumber + 1;
  count_ = capacity - 1;
  factor_ = UnitFactor(rowNumber, run.log->units, shown);
}

MeasuredValues::MeasuredValues(const MeasuredFlight& flight, int rowNumber, const UnitFlags& shown) {
  if (const auto values = flight.Row(rowNumber)) {
    values_ = *values;
    factor_ = UnitFactor(rowNumber, UnitFlags{}, shown);
  }
}

QRect ChartScales::Plot() const {
  const int top = layout.zeroLine - 7 * ChartRound(layout.above / 7.0);
  return QRect(QPoint(layout.left, top), QPoint(layout.left + layout.plotWidth, kChartBottom));
}

int ChartScales::PixelX(double x) const { return layout.left + Offset((x - from) * sx); }

int ChartScales::PixelY(double y, const CurveScale& curve) const {
  return layout.zeroLine - Offset(y * curve.scale);
}

double ChartScales::AbscissaAt(int px) const {
  px = std::clamp(px, layout.left, layout.left + layout.plotWidth);
  if (!(sx > 0.0)) return from;
  return from + (px - layout.left) / sx;
}

RunRow ChartScales::Row(std::size_t run, int rowNumber) const {
  static const ShownRun kNone;
  const ShownRun& shown = runs[run];
  // The current run always shows what its log holds; a kept run only the rows it records,
  // as its file or else its class tells them.
  const bool recorded = shown.rows ? rowNumber >= 0 && rowNumber < kRecordedRows &&
                                         shown.rows->test(static_cast<std::size_t>(rowNumber))
                                   : RunHasRow(rowNumber, shown.vehicleClass);
  const bool has = run == 0 || recorded;
  return RunRow(has ? shown : kNone, rowNumber, capacity, runs.front().log->units);
}

MeasuredValues ChartScales::Measured(std::size_t flight, int rowNumber) const {
  return MeasuredValues(*measured[flight].flight, rowNumber, runs.front().log->units);
}

int ChartScales::AbscissaRow() const { return layout.abscissaRow; }

ChartScales ComputeChartScales(const ChartView& view) {
  static const TrajectoryLog kEmptyLog;
  ChartScales s;
  s.capacity = ClampCapacity(view.capacity);
  s.runs.push_back({view.log != nullptr ? view.log : &kEmptyLog, view.settings.vehicleClass,
                    0xFF000000, QString::fromStdString(view.label), std::nullopt});
  const std::size_t kept = std::min<std::size_t>(view.kept.size(), kMaxKeptRuns);
  for (std::size_t i = 0; i < kept; ++i) {
    const KeptRun& run = view.kept[i];
    if (run.log == nullptr) continue;
    s.runs.push_back({run.log.get(), run.vehicleClass, KeptRunColour(static_cast<int>(i)),
                      QString::fromStdString(run.label), run.rows});
  }
  const std::size_t measured = std::min<std::size_t>(view.measured.size(), kMaxMeasuredFlights);
  for (std::size_t i = 0; i < measured; ++i) {
    const MeasuredOverlay& flight = view.measured[i];
    if (flight.flight == nullptr) continue;
    s.measured.push_back({flight.flight.get(), MeasuredColour(static_cast<int>(i)),
                          QString::fromStdString(flight.label)});
  }

  ChartLayout& layout = s.layout;
  const int nc = std::clamp(view.curveCount - 1, 1, kCurveListSize);
  layout.listedRows = nc;
  layout.abscissaRow = view.curveList[0];
  layout.left = kAxisWidth * nc + kMargin + 6;
  layout.plotWidth = kChartWidth - layout.left - kMargin;
  layout.axisSpacing = nc > 1 ? ChartRound((kAxisWidth * nc + 15) / static_cast<double>(nc - 1)) : 0;

  if (view.zoom && std::isfinite(view.zoom->from) && std::isfinite(view.zoom->to) &&
      view.zoom->to > view.zoom->from) {
    s.zoomed = true;
    s.from = view.zoom->from;
    s.to = view.zoom->to;
  }
  std::vector<Extent> extents;
  for (int k = 0; k < nc; ++k) extents.push_back(RowExtent(s, view.curveList[static_cast<std::size_t>(k)]));
  if (!s.zoomed) s.to = extents[0].max;
  s.sx = Scale(layout.plotWidth, s.to - s.from);

  layout.isSigned = std::any_of(extents.begin(), extents.end(), [](const Extent& e) { return e.min < 0.0; });
  if (layout.isSigned) {
    layout.above = ChartRound(2.0 * kChartPlotHeight / 3.0);
    layout.below = ChartRound(kChartPlotHeight / 3.0);
    layout.zeroLine = kChartBottom - layout.below;
  } else {
    layout.above = kChartPlotHeight;
    layout.below = kChartPlotHeight;
    layout.zeroLine = kChartBottom;
  }

  for (int k = 1; k < nc; ++k) {
    CurveScale c;
    c.row = view.curveList[static_cast<std::size_t>(k)];
    c.ymax = extents[static_cast<std::size_t>(k)].max;
    c.ymin = extents[static_cast<std::size_t>(k)].min;
    c.isSigned = c.ymin < 0.0;
    c.scale = c.isSigned ? Scale(ChartRound(0.9 * layout.below), std::max(-c.ymin, c.ymax))
                         : Scale(ChartRound(0.9 * layout.above), c.ymax);
    s.curves.push_back(c);
  }
  return s;
}

std::optional<AbscissaRange> RangeFromDrag(const ChartView& view, int x1, int x2) {
  const ChartScales s = ComputeChartScales(view);
  const int right = s.layout.left + s.layout.plotWidth;
  x1 = std::clamp(x1, s.layout.left, right);
  x2 = std::clamp(x2, s.layout.left, right);
  if (std::abs(x2 - x1) < kMinDrag || !(s.sx > 0.0)) return std::nullopt;
  return AbscissaRange{s.AbscissaAt(std::min(x1, x2)), s.AbscissaAt(std::max(x1, x2))};
}

}  // namespace zarv

#include "charts/chart_curves.h"

#include <algorithm>
#include <cmath>

#include "charts/chart_canvas.h"
#include "charts/chart_captions.h"
#include "charts/chart_scales.h"

namespace zarv {

namespace {

constexpr int kCurrentRunWidth = 2;  // px, the current run's curves among kept runs

}  // namespace

int CurveWidth(const ChartScales& s, std::size_t run) {
  return run == 0 && s.runs.size() > 1 ? kCurrentRunWidth : 1;
}

void TraceRunCurve(const ChartScales& s, std::size_t run, const CurveScale& row, RunCurve& curve) {
  curve.points.clear();
  curve.pieces.clear();
  curve.markers.clear();
  const RunRow x = s.Row(run, s.AbscissaRow());
  const RunRow y = s.Row(run, row.row);
  const int n = std::min(x.size(), y.size());
  if (n == 0) return;
  curve.points.resize(static_cast<std::size_t>(n));
  for (int i = 1; i <= n; ++i) {
    curve.points[static_cast<std::size_t>(i - 1)] = QPoint(s.PixelX(x[i]), s.PixelY(y[i], row));
  }
  const auto inside = [&](int i) { return s.Inside(x[i + 1]); };  // i counts from 0
  if (!s.zoomed) {
    const int abscissaRow = s.AbscissaRow();
    if (abscissaRow == row::kTime || abscissaRow == row::kRange) curve.points.front().setX(s.layout.left);
    curve.pieces.emplace_back(0, n);
  } else {
    for (int i = 0; i < n;) {
      if (!inside(i)) {
        ++i;
        continue;
      }
      int end = i;
      while (end < n && inside(end)) ++end;
      curve.pieces.emplace_back(i, end);
      i = end;
    }
  }
  // Kept runs are thin lines without markers: the current run's marks tie each curve
  // to its axis, and the chart stays readable with six runs under it.
  if (run == 0 && FindMarkerStyle(row.row) != nullptr) {
    const int interval = MarkerInterval(row.row);
    for (int i = interval; i <= n; i += interval) {
      if (inside(i - 1)) curve.markers.push_back(i - 1);
    }
  }
}

void TraceMeasuredPoints(const ChartScales& s, std::size_t flight, const CurveScale& row,
                         std::vector<QPoint>& points) {
  points.clear();
  const MeasuredValues x = s.Measured(flight, s.AbscissaRow());
  const MeasuredValues y = s.Measured(flight, row.row);
  const QRect plot = s.Plot();
  for (std::size_t i = 0; i < std::min(x.size(), y.size()); ++i) {
    if (std::isnan(x[i]) || std::isnan(y[i]) || !s.Inside(x[i])) continue;
    const QPoint p(s.PixelX(x[i]), s.PixelY(y[i], row));
    if (!plot.contains(p) || (!points.empty() && points.back() == p)) continue;
    points.push_back(p);
  }
}

void DrawMeasuredPoint(ChartCanvas& canvas, QPoint at, QRgb colour) {
  const int half = kMeasuredPointSize / 2;
  canvas.SetPen(colour);
  canvas.SetBrush(colour);
  canvas.Ellipse(at.x() - half, at.y() - half, at.x() + half + 1, at.y() + half + 1);
}

}  // namespace zarv

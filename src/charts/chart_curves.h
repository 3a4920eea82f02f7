#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include <QColor>
#include <QPoint>

namespace zarv {

class ChartCanvas;
struct ChartScales;
struct CurveScale;

// One run's curve of one row as the chart draws it.
struct RunCurve {
  std::vector<QPoint> points;                 // one per sample
  std::vector<std::pair<int, int>> pieces;    // [begin, end) of the joined stretches
  std::vector<int> markers;                   // points that carry the row's marker, current run only
};

// Over time or range the flight starts at 0, so the full-range curve begins on the plot's
// left edge; over any other abscissa it begins at its first sample. Zoomed, only samples
// inside the range are joined and marked. Reuses `curve`'s storage.
void TraceRunCurve(const ChartScales& scales, std::size_t run, const CurveScale& row, RunCurve& curve);

// Line width of a run's curves, px: the current run is bold among kept runs.
int CurveWidth(const ChartScales& scales, std::size_t run);

// The points of a measured flight's row: one per line that has the row and the abscissa,
// inside the plot, none twice on the same pixel in a row. Reuses `points`' storage.
void TraceMeasuredPoints(const ChartScales& scales, std::size_t flight, const CurveScale& row,
                         std::vector<QPoint>& points);

inline constexpr int kMeasuredPointSize = 5;  // px, the diameter of a measured point

// A measured point, filled in its flight's colour.
void DrawMeasuredPoint(ChartCanvas& canvas, QPoint at, QRgb colour);

}  // namespace zarv

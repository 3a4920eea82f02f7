#pragma once

#include <vector>

#include <QPoint>
#include <QRect>

namespace zarv {

struct ChartScales;
struct RunCurve;

// Which parts of the plot the curves cover, in cells of a few pixels, so that a box can be
// put where it hides none of them. What a box covers is read in constant time.
class PlotCover {
 public:
  // The plot of the chart with the origin's mark already in.
  explicit PlotCover(const ChartScales& scales);

  // A traced curve: its lines, `reach` px thick on either side, and its markers.
  void Mark(const RunCurve& curve, int reach);
  // Points of `size` px around each.
  void MarkPoints(const std::vector<QPoint>& points, int size);
  // Done marking: the cell sums are made.
  void Finish();
  // Marked cells that the box touches.
  int Covered(const QRect& box) const;

 private:
  void MarkSpan(int x1, int y1, int x2, int y2);
  void MarkSegment(QPoint a, QPoint b, int reach);
  bool Inside(QPoint p) const;
  bool Clip(double& x0, double& y0, double& x1, double& y1) const;
  std::size_t Sum(int row, int column) const;

  QRect plot_;
  int columns_, rows_;
  std::vector<int> cells_, sums_;
};

// The cover of every curve of every run shown, traced afresh.
PlotCover CoverOfCurves(const ChartScales& scales);

}  // namespace zarv

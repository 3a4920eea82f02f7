#include "charts/chart_cover.h"

#include <algorithm>
#include <cmath>

#include "charts/chart_curves.h"
#include "charts/chart_scales.h"

namespace zarv {

namespace {

constexpr int kCell = 4;   // px, side of a cell
constexpr int kReach = 6;  // px around a marker's centre, half the widest one

}  // namespace

PlotCover::PlotCover(const ChartScales& s)
    : plot_(s.Plot()), columns_(plot_.width() / kCell + 1), rows_(plot_.height() / kCell + 1),
      cells_(static_cast<std::size_t>(columns_ * rows_), 0) {
  // The origin's mark.
  MarkSpan(s.layout.left - kReach, s.layout.zeroLine - kReach, s.layout.left + kReach,
           s.layout.zeroLine + kReach);
}

void PlotCover::Mark(const RunCurve& curve, int reach) {
  for (const auto& [begin, end] : curve.pieces) {
    const QPoint* p = curve.points.data();
    for (int i = begin; i + 1 < end; ++i) MarkSegment(p[i], p[i + 1], reach);
    if (end - begin == 1) MarkSpan(p[begin].x(), p[begin].y(), p[begin].x(), p[begin].y());
  }
  for (int i : curve.markers) {
    const QPoint& p = curve.points[static_cast<std::size_t>(i)];
    MarkSpan(p.x() - kReach, p.y() - kReach, p.x() + kReach, p.y() + kReach);
  }
}

void PlotCover::MarkPoints(const std::vector<QPoint>& points, int size) {
  const int half = size / 2;
  for (const QPoint& p : points) MarkSpan(p.x() - half, p.y() - half, p.x() + half, p.y() + half);
}

void PlotCover::Finish() {
  sums_.assign(static_cast<std::size_t>((columns_ + 1) * (rows_ + 1)), 0);
  for (int r = 0; r < rows_; ++r) {
    for (int c = 0; c < columns_; ++c) {
      sums_[Sum(r + 1, c + 1)] = cells_[static_cast<std::size_t>(r * columns_ + c)] + sums_[Sum(r, c + 1)] +
                                 sums_[Sum(r + 1, c)] - sums_[Sum(r, c)];
    }
  }
}

int PlotCover::Covered(const QRect& box) const {
  const int c0 = std::clamp((box.left() - plot_.left()) / kCell, 0, columns_ - 1);
  const int c1 = std::clamp((box.right() - plot_.left()) / kCell, 0, columns_ - 1);
  const int r0 = std::clamp((box.top() - plot_.top()) / kCell, 0, rows_ - 1);
  const int r1 = std::clamp((box.bottom() - plot_.top()) / kCell, 0, rows_ - 1);
  return sums_[Sum(r1 + 1, c1 + 1)] - sums_[Sum(r0, c1 + 1)] - sums_[Sum(r1 + 1, c0)] + sums_[Sum(r0, c0)];
}

void PlotCover::MarkSpan(int x1, int y1, int x2, int y2) {
  x1 = std::max(x1, plot_.left());
  y1 = std::max(y1, plot_.top());
  x2 = std::min(x2, plot_.right());
  y2 = std::min(y2, plot_.bottom());
  if (x1 > x2 || y1 > y2) return;
  for (int r = (y1 - plot_.top()) / kCell; r <= (y2 - plot_.top()) / kCell; ++r)
    for (int c = (x1 - plot_.left()) / kCell; c <= (x2 - plot_.left()) / kCell; ++c)
      cells_[static_cast<std::size_t>(r * columns_ + c)] = 1;
}

void PlotCover::MarkSegment(QPoint a, QPoint b, int reach) {
  // Most segments join neighbouring samples a pixel or two apart.
  if (Inside(a) && Inside(b) && std::abs(a.x() - b.x()) <= kCell && std::abs(a.y() - b.y()) <= kCell) {
    MarkSpan(std::min(a.x(), b.x()) - reach, std::min(a.y(), b.y()) - reach, std::max(a.x(), b.x()) + reach,
             std::max(a.y(), b.y()) + reach);
    return;
  }
  // Samples far outside the plot are held at 100000 px: clipped first.
  double x0 = a.x(), y0 = a.y(), x1 = b.x(), y1 = b.y();
  if (!Clip(x0, y0, x1, y1)) return;
  // Pieces no longer than a cell: the box of each is the cells it passes.
  const int pieces = static_cast<int>(std::max(std::abs(x1 - x0), std::abs(y1 - y0)) / kCell) + 1;
  const auto at = [&](int i) {
    return QPoint(static_cast<int>(std::lround(x0 + (x1 - x0) * i / pieces)),
                  static_cast<int>(std::lround(y0 + (y1 - y0) * i / pieces)));
  };
  QPoint from = at(0);
  for (int i = 1; i <= pieces; ++i) {
    const QPoint to = at(i);
    MarkSpan(std::min(from.x(), to.x()) - reach, std::min(from.y(), to.y()) - reach,
             std::max(from.x(), to.x()) + reach, std::max(from.y(), to.y()) + reach);
    from = to;
  }
}

bool PlotCover::Inside(QPoint p) const {
  return p.x() >= plot_.left() && p.x() <= plot_.right() && p.y() >= plot_.top() && p.y() <= plot_.bottom();
}

// Liang-Barsky against the plot.
bool PlotCover::Clip(double& x0, double& y0, double& x1, double& y1) const {
  const double dx = x1 - x0, dy = y1 - y0;
  double t0 = 0.0, t1 = 1.0;
  const auto edge = [&](double p, double q) {
    if (p == 0.0) return q >= 0.0;
    const double t = q / p;
    if (p < 0.0) {
      if (t > t1) return false;
      t0 = std::max(t0, t);
    } else {
      if (t < t0) return false;
      t1 = std::min(t1, t);
    }
    return true;
  };
  if (!edge(-dx, x0 - plot_.left()) || !edge(dx, plot_.right() - x0) || !edge(-dy, y0 - plot_.top()) ||
      !edge(dy, plot_.bottom() - y0)) {
    return false;
  }
  x1 = x0 + t1 * dx;
  y1 = y0 + t1 * dy;
  x0 += t0 * dx;
  y0 += t0 * dy;
  return true;
}

std::size_t PlotCover::Sum(int row, int column) const {
  return static_cast<std::size_t>(row * (columns_ + 1) + column);
}

PlotCover CoverOfCurves(const ChartScales& s) {
  PlotCover cover(s);
  RunCurve traced;
  for (const CurveScale& curve : s.curves) {
    for (std::size_t run = 0; run < s.runs.size(); ++run) {
      TraceRunCurve(s, run, curve, traced);
      cover.Mark(traced, CurveWidth(s, run));
    }
    std::vector<QPoint> points;
    for (std::size_t flight = 0; flight < s.measured.size(); ++flight) {
      TraceMeasuredPoints(s, flight, curve, points);
      cover.MarkPoints(points, kMeasuredPointSize);
    }
  }
  cover.Finish();
  return cover;
}

}  // namespace zarv

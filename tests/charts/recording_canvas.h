#pragma once

#include <algorithm>
#include <vector>

#include "charts/chart_canvas.h"

namespace zarv::testing {

// Keeps every drawing operation so that tests can read the layout back.
class RecordingCanvas final : public ChartCanvas {
 public:
  enum class Kind { kLine, kPolyline, kRectangle, kEllipse, kPolygon, kText };
  struct Op {
    Kind kind;
    QRgb pen, brush;
    int width = 1;  // px, lines and curves
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::vector<QPoint> points;
    QString text;
    int font = 0;
  };

  void SetPen(QRgb colour) override { pen_ = colour; }
  void SetLineWidth(int width) override { width_ = width; }
  void SetBrush(QRgb colour) override { brush_ = colour; }
  void Line(int x1, int y1, int x2, int y2) override { Add(Kind::kLine, x1, y1, x2, y2); }
  void Polyline(std::span<const QPoint> points) override {
    Add(Kind::kPolyline).points.assign(points.begin(), points.end());
  }
  void Rectangle(int x1, int y1, int x2, int y2) override { Add(Kind::kRectangle, x1, y1, x2, y2); }
  void Ellipse(int x1, int y1, int x2, int y2) override { Add(Kind::kEllipse, x1, y1, x2, y2); }
  void Polygon(std::span<const QPoint> points) override {
    Add(Kind::kPolygon).points.assign(points.begin(), points.end());
  }
  void Text(int x, int y, const QString& text, int font) override {
    Op& op = Add(Kind::kText, x, y);
    op.text = text;
    op.font = font;
  }

  std::vector<Op> ops;

  bool HasLine(int x1, int y1, int x2, int y2) const {
    return std::any_of(ops.begin(), ops.end(), [&](const Op& o) {
      return o.kind == Kind::kLine && o.x1 == x1 && o.y1 == y1 && o.x2 == x2 && o.y2 == y2;
    });
  }
  // The position of the first text equal to `text`, or (-1, -1).
  QPoint TextAt(const QString& text) const {
    for (const Op& o : ops) {
      if (o.kind == Kind::kText && o.text == text) return QPoint(o.x1, o.y1);
    }
    return QPoint(-1, -1);
  }
  std::vector<const Op*> All(Kind kind) const {
    std::vector<const Op*> found;
    for (const Op& o : ops) {
      if (o.kind == kind) found.push_back(&o);
    }
    return found;
  }

 private:
  Op& Add(Kind kind, int x1 = 0, int y1 = 0, int x2 = 0, int y2 = 0) {
    ops.push_back(Op{kind, pen_, brush_, width_, x1, y1, x2, y2, {}, {}, 0});
    return ops.back();
  }
  int width_ = 1;
  QRgb pen_ = chart_colour::kBlack;
  QRgb brush_ = chart_colour::kWhite;
};

}  // namespace zarv::testing

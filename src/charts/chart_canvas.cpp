#include "charts/chart_canvas.h"

#include <algorithm>

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainterPath>
#include <QPainter>
#include <QPen>

namespace zarv {

QFont ChartFont() {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(12);
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

std::array<QFont, 3> NarrowChartFonts() {
  std::array<QFont, 3> fonts;
  for (std::size_t i = 0; i < fonts.size(); ++i) {
    fonts[i] = QFont(QStringLiteral("DejaVu Sans Condensed"));
    fonts[i].setPixelSize(12 - static_cast<int>(i));
    fonts[i].setStyleStrategy(QFont::NoAntialias);
  }
  return fonts;
}

QFont ChartFontVariant(int font) {
  if (font <= 0) return ChartFont();
  return NarrowChartFonts()[static_cast<std::size_t>(std::min(font, kChartFonts - 1) - 1)];
}

int ChartTextWidth(const QString& text, int font) {
  return QFontMetrics(ChartFontVariant(font)).horizontalAdvance(text);
}

int ChartLineHeight(int font) { return QFontMetrics(ChartFontVariant(font)).height(); }

QRect ChartTextBox(QPoint at, const QString& text, int font, QSize pictureSize) {
  const QFontMetrics metrics(ChartFontVariant(font));
  const QRect box(0, 0, metrics.horizontalAdvance(text), metrics.height());
  if (!QRect(QPoint(0, 0), pictureSize).contains(box.translated(at))) {
    at = KeepInside(at, metrics.tightBoundingRect(text).translated(0, metrics.ascent()), pictureSize);
  }
  return box.translated(at);
}

QPoint KeepInside(QPoint at, const QRect& ink, QSize pictureSize) {
  int dx = 0;
  int dy = 0;
  const int left = at.x() + ink.left();
  const int right = at.x() + ink.right();
  const int top = at.y() + ink.top();
  const int bottom = at.y() + ink.bottom();
  if (right > pictureSize.width() - 1) dx = pictureSize.width() - 1 - right;
  if (left + dx < 0) dx = -left;
  if (bottom > pictureSize.height() - 1) dy = pictureSize.height() - 1 - bottom;
  if (top + dy < 0) dy = -top;
  return at + QPoint(dx, dy);
}

PainterCanvas::PainterCanvas(QPainter& painter, Curves curves)
    : painter_(painter),
      curves_(curves),
      pictureSize_(painter.device()->width(), painter.device()->height()) {
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setRenderHint(QPainter::TextAntialiasing, false);
  painter_.setFont(ChartFont());
  SetPen(chart_colour::kBlack);
  SetBrush(chart_colour::kWhite);
  started_ = true;
}

void PainterCanvas::SetPen(QRgb colour) {
  // Markers set the same pen hundreds of times a chart.
  if (started_ && colour == pen_) return;
  pen_ = colour;
  ApplyPen();
}

void PainterCanvas::SetLineWidth(int width) {
  if (started_ && width == width_) return;
  width_ = width;
  ApplyPen();
}

void PainterCanvas::ApplyPen() {
  // Flat caps leave out the last pixel of a line, as the layout expects.
  QPen pen{QColor::fromRgb(pen_)};
  pen.setWidth(width_);
  pen.setCapStyle(Qt::FlatCap);
  pen.setJoinStyle(Qt::MiterJoin);
  painter_.setPen(pen);
}

void PainterCanvas::SetBrush(QRgb colour) {
  if (started_ && colour == brush_) return;
  brush_ = colour;
  painter_.setBrush(QColor::fromRgb(colour));
}

void PainterCanvas::Line(int x1, int y1, int x2, int y2) { painter_.drawLine(x1, y1, x2, y2); }

void PainterCanvas::Polyline(std::span<const QPoint> points) {
  if (curves_ == Curves::kPolylines || points.empty()) {
    painter_.drawPolyline(points.data(), static_cast<int>(points.size()));
    return;
  }
  QPainterPath path(points.front());
  for (std::size_t i = 1; i < points.size(); ++i) path.lineTo(points[i]);
  painter_.strokePath(path, painter_.pen());
}

// QPainter strokes a w x h rectangle over w + 1 pixels; the canvas covers x1..x2-1.
static QRect CoveredBox(int x1, int y1, int x2, int y2) {
  if (x2 < x1) std::swap(x1, x2);
  if (y2 < y1) std::swap(y1, y2);
  return QRect(x1, y1, std::max(x2 - x1 - 1, 0), std::max(y2 - y1 - 1, 0));
}

void PainterCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  painter_.drawRect(CoveredBox(x1, y1, x2, y2));
}

void PainterCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  painter_.drawEllipse(CoveredBox(x1, y1, x2, y2));
}

void PainterCanvas::Polygon(std::span<const QPoint> points) {
  painter_.drawPolygon(points.data(), static_cast<int>(points.size()));
}

void PainterCanvas::Text(int x, int y, const QString& text, int font) {
  const QRect box = ChartTextBox(QPoint(x, y), text, font, pictureSize_);
  if (font != 0) painter_.setFont(ChartFontVariant(font));
  painter_.fillRect(box, QColor::fromRgb(brush_));
  painter_.drawText(box.left(), box.top() + QFontMetrics(ChartFontVariant(font)).ascent(), text);
  if (font != 0) painter_.setFont(ChartFont());
}

}  // namespace zarv

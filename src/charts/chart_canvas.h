#pragma once

#include <array>
#include <span>

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

class QPainter;

namespace zarv {

// Colours of the charts, RGB.
namespace chart_colour {
inline constexpr QRgb kBlack = 0xFF000000;
inline constexpr QRgb kWhite = 0xFFFFFFFF;
inline constexpr QRgb kGrey = 0xFF808080;
inline constexpr QRgb kSilver = 0xFFC0C0C0;
inline constexpr QRgb kYellow = 0xFFFFFF00;
inline constexpr QRgb kLime = 0xFF00FF00;
inline constexpr QRgb kRed = 0xFFFF0000;
inline constexpr QRgb kAqua = 0xFF00FFFF;
inline constexpr QRgb kPaleAqua = 0xFFCCFFFF;
}  // namespace chart_colour

// The drawing operations a chart needs. Lines leave out their end point, rectangles and
// ellipses leave out their right and bottom edge, and text is drawn from its top-left
// corner on a box filled with the brush colour.
class ChartCanvas {
 public:
  virtual ~ChartCanvas() = default;
  virtual void SetPen(QRgb colour) = 0;
  // Width of the lines and curves from now on, px; markers and boxes are drawn at 1.
  virtual void SetLineWidth(int width) = 0;
  virtual void SetBrush(QRgb colour) = 0;
  virtual void Line(int x1, int y1, int x2, int y2) = 0;
  // Joined segments from points[0] on; only the last end point is left out.
  virtual void Polyline(std::span<const QPoint> points) = 0;
  virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
  virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
  virtual void Polygon(std::span<const QPoint> points) = 0;
  // `font`: 0 the chart font, k > 0 NarrowChartFonts()[k - 1].
  virtual void Text(int x, int y, const QString& text, int font) = 0;
};

// The chart font: DejaVu Sans of 12 px, without antialiasing.
QFont ChartFont();

// Narrower variants of the chart font, widest first, for numbers that would run into
// the next axis; none is smaller than 10 px, below which labels cannot be read.
std::array<QFont, 3> NarrowChartFonts();
inline constexpr int kChartFonts = 4;  // the chart font and its narrower variants

// The font of a Text call's `font` number.
QFont ChartFontVariant(int font);

// Advance width of text in the chart font (or a narrower variant), px.
int ChartTextWidth(const QString& text, int font = 0);

// Height of a line of text in the chart font (or a narrower variant), px.
int ChartLineHeight(int font = 0);

// The box a Text call at `at` covers on a picture of `pictureSize`: advance width by line
// height, moved inside the picture as the text is.
QRect ChartTextBox(QPoint at, const QString& text, int font, QSize pictureSize);

// Where text asked for at `at` is drawn so that its ink stays inside a picture of
// `pictureSize`; `ink` is the ink rectangle relative to the top-left corner of the text.
QPoint KeepInside(QPoint at, const QRect& ink, QSize pictureSize);

// The canvas on a QPainter (no antialiasing, lines 1 px unless set wider). For vector files
// the curves can be stroked as one path each instead of a polyline.
class PainterCanvas final : public ChartCanvas {
 public:
  enum class Curves { kPolylines, kPaths };
  explicit PainterCanvas(QPainter& painter, Curves curves = Curves::kPolylines);

  void SetPen(QRgb colour) override;
  void SetLineWidth(int width) override;
  void SetBrush(QRgb colour) override;
  void Line(int x1, int y1, int x2, int y2) override;
  void Polyline(std::span<const QPoint> points) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void Ellipse(int x1, int y1, int x2, int y2) override;
  void Polygon(std::span<const QPoint> points) override;
  void Text(int x, int y, const QString& text, int font) override;

 private:
  QPainter& painter_;
  QRgb brush_ = chart_colour::kWhite;
  QRgb pen_ = chart_colour::kBlack;
  int width_ = 1;
  bool started_ = false;  // pen and brush set at least once
  Curves curves_;
  QSize pictureSize_;

  void ApplyPen();
};

}  // namespace zarv

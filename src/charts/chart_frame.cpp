#include "charts/chart_frame.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <QPainter>

#include "charts/chart_canvas.h"
#include "charts/chart_captions.h"
#include "scenario/program_info.h"
#include "trajectory/number_format.h"

namespace zarv {

namespace {

constexpr int kMargin = 20;     // px around the plot
constexpr int kAxisWidth = 37;  // px of room per listed row left of the plot
constexpr int kTopTicks = 7;    // tick intervals until a signed curve appears
constexpr int kSignedTicks = 4;
constexpr double kFar = 100000.0;  // px; coordinates are clamped to this

int Rnd(double value) { return static_cast<int>(std::nearbyint(value)); }

// A coordinate offset that the painter can take whatever the samples hold.
int Offset(double value) {
  if (!std::isfinite(value)) return 0;
  return Rnd(std::clamp(value, -kFar, kFar));
}

// Pixels per unit; a zero, infinite or NaN maximum draws the row flat.
double Scale(double length, double maximum) {
  if (!(maximum > 0.0) || !std::isfinite(maximum)) return 0.0;
  const double scale = length / maximum;
  return std::isfinite(scale) ? scale : 0.0;
}

// Samples 2..capacity of a listed row (the first recorded sample is never drawn).
class RowSamples {
 public:
  RowSamples(const TrajectoryLog& log, int rowNumber, int capacity) {
    static const std::array<double, kSampleCapacity> kZeros{};
    count_ = capacity - 1;
    if (rowNumber >= 0 && capacity * (rowNumber + 1) <= kLogElements) {
      first_ = log.data() + capacity * rowNumber + 1;
    } else {
      first_ = kZeros.data();
    }
  }
  int size() const { return count_; }
  // Sample i = 1..size().
  double operator[](int i) const { return first_[i - 1]; }
  // Largest of 0 and the samples; NaN samples never win.
  double Max() const {
    double m = 0.0;
    for (int i = 0; i < count_; ++i) m = first_[i] > m ? first_[i] : m;
    return m;
  }
  // Smallest of 0 and the samples.
  double Min() const {
    double m = 0.0;
    for (int i = 0; i < count_; ++i) m = first_[i] < m ? first_[i] : m;
    return m;
  }

 private:
  const double* first_ = nullptr;
  int count_ = 0;
};

int ClampCapacity(int capacity) { return std::clamp(capacity, 2, kSampleCapacity); }
int ListedRows(int curveCount) { return std::clamp(curveCount - 1, 1, kCurveListSize); }

QString Number(double value, int digits) {
  return QString::fromStdString(FormatGeneral(value, digits));
}

// The first curve's caption and its top label share their column; a caption that
// would cover the label goes above it.
int ClearOfTopLabel(int captionY, int labelY) {
  constexpr int kLine = 14;  // px, height of a text line
  if (captionY > labelY - kLine && captionY < labelY + kLine) return std::max(labelY - kLine, 0);
  return captionY;
}

}  // namespace

ChartLayout LayoutChart(const TrajectoryLog& log, const std::array<int, kCurveListSize>& curveList,
                        int curveCount, int capacity) {
  capacity = ClampCapacity(capacity);
  ChartLayout layout;
  const int nc = ListedRows(curveCount);
  layout.listedRows = nc;
  layout.left = kAxisWidth * nc + kMargin + 6;
  layout.plotWidth = kChartWidth - layout.left - kMargin;
  layout.axisSpacing = nc > 1 ? Rnd((kAxisWidth * nc + 15) / static_cast<double>(nc - 1)) : 0;
  for (int k = 0; k < nc && !layout.isSigned; ++k) {
    layout.isSigned = RowSamples(log, curveList[static_cast<std::size_t>(k)], capacity).Min() < 0.0;
  }
  if (layout.isSigned) {
    layout.above = Rnd(2.0 * kChartPlotHeight / 3.0);
    layout.below = Rnd(kChartPlotHeight / 3.0);
    layout.zeroLine = kChartBottom - layout.below;
  } else {
    layout.above = kChartPlotHeight;
    layout.below = kChartPlotHeight;
    layout.zeroLine = kChartBottom;
  }
  return layout;
}

ChartButtons ChartButtonVisibility(const TrajectoryLog& log, const ChartSettings& settings) {
  ChartButtons buttons;
  buttons.liftCharts = log.at(row::kLiftCoefficient, 1) != 0.0;
  buttons.balloonChart = settings.vehicleClass == VehicleClass::Balloon;
  return buttons;
}

ChartButtons PaintChart(ChartCanvas& canvas, const TrajectoryLog& log,
                        const std::array<int, kCurveListSize>& curveList, int curveCount,
                        int capacity, const ChartSettings& settings) {
  using namespace chart_colour;
  const ChartButtons buttons = ChartButtonVisibility(log, settings);
  capacity = ClampCapacity(capacity);
  const ChartLayout layout = LayoutChart(log, curveList, curveCount, capacity);
  const int L = layout.left;
  const int Wp = layout.plotWidth;
  const int A = layout.axisSpacing;
  const int U = layout.above;
  const int Y0 = layout.zeroLine;
  const Language language = settings.windowLanguage;

  canvas.SetPen(kBlack);
  canvas.SetBrush(kWhite);
  if (layout.isSigned) canvas.Rectangle(L, kChartBottom, L + Wp + 1, Y0);

  canvas.SetPen(kGrey);
  const int gridStep = Rnd(U / 7.0);
  for (int j = 0; j <= 7; ++j) canvas.Line(L, Y0 - j * gridStep, L + Wp, Y0 - j * gridStep);
  for (int j = 0; j <= 8; ++j) {
    const int x = L + Rnd(Wp / 8.0 * j);
    canvas.Line(x, Y0, x, Y0 - 7 * gridStep);
  }
  canvas.SetPen(kBlack);

  const RowSamples abscissa(log, curveList[0], capacity);
  const double xmax = abscissa.Max();
  const double sx = Scale(Wp, xmax);

  canvas.SetBrush(kWhite);
  if (const char* caption = AbscissaCaption(curveList[0], log.units, language)) {
    canvas.Text(L + Rnd(Wp / 2.0), kChartBottom + 30, QString::fromUtf8(caption), 0);
  }
  const int labelStep = Rnd(Wp / 8.0);
  // The last label is pushed back from the right edge; it and its neighbour share what
  // is left so that they do not run into each other.
  const int lastX = L + 8 * labelStep - 8;
  const int edgeRoom = (kChartWidth - 1 - lastX + labelStep) / 2 - 2;
  for (int j = 0; j <= 8; ++j) {
    const int room = j >= 7 ? std::min(labelStep - 4, edgeRoom) : labelStep - 4;
    canvas.Text(L + j * labelStep - 8, kChartBottom + 9, Number(j * xmax / 8, 4), room);
  }

  // Numbers right of an axis must end before the next axis to the right.
  const int labelRoom = A - 8;
  std::vector<QPoint> points(static_cast<std::size_t>(capacity - 1));
  int ticks = kTopTicks;
  for (int k = 1; k < layout.listedRows; ++k) {
    const int rowNumber = curveList[static_cast<std::size_t>(k)];
    const RowSamples curve(log, rowNumber, capacity);
    const double ymax = curve.Max();
    const double ymin = curve.Min();
    int axisX = L - k * A;
    double sy = 0.0;
    if (ymin < 0.0) {
      const int lh = Rnd(0.9 * layout.below);
      const double m = std::max(-ymin, ymax);
      sy = Scale(lh, m);
      ticks = kSignedTicks;
      const int t = Rnd(lh / static_cast<double>(kSignedTicks));
      const double v = std::isfinite(m) ? m / kSignedTicks : 0.0;
      canvas.Line(axisX, kChartBottom, axisX, kChartBottom - 2 * layout.below);
      canvas.Text(axisX + 9, Y0, QStringLiteral("0.0"), labelRoom);
      for (int j = 1; j <= kSignedTicks; ++j) {
        canvas.Line(axisX, Y0 - j * t, axisX + 3, Y0 - j * t);
        canvas.Line(axisX, Y0 + j * t, axisX + 3, Y0 + j * t);
        // Below the zero line the same text: the band already says the sign.
        const QString label = Number(j * v, 3);
        canvas.Text(axisX + 6, Y0 - j * t, label, labelRoom);
        canvas.Text(axisX + 6, Y0 + j * t, label, labelRoom);
      }
      const PlacedCaption caption = SignedAxisCaption(rowNumber, log.units, language);
      if (caption.text != nullptr) {
        canvas.Text(axisX - 2 + caption.dx, Y0 - lh - 20 + caption.dy,
                    QString::fromUtf8(caption.text), 0);
      }
    } else {
      const int la = Rnd(0.9 * U);
      sy = Scale(la, ymax);
      if (k == 1) {
        const int g = Rnd(U / static_cast<double>(ticks));
        for (int j = 0; j <= ticks; ++j) {
          DrawMarker(canvas, L, Y0, 6, 10);
          canvas.SetBrush(kWhite);
          canvas.Line(L, Y0 - j * g, L - 3, Y0 - j * g);
          // Labels on the grid lines, read 1.1 times the axis scale.
          canvas.Text(L - 6 - Rnd(A / 2.0) - 13, Y0 - j * g - 5,
                      Number(j * ymax / ticks * 1.1, 4), Rnd(A / 2.0) + 15);
        }
      } else {
        canvas.Line(axisX, Y0, axisX, Y0 - la);
        const int t = Rnd(la / static_cast<double>(ticks));
        for (int j = 0; j <= ticks; ++j) {
          canvas.Line(axisX, Y0 - j * t, axisX + 3, Y0 - j * t);
          canvas.Text(axisX + 6, Y0 - j * t, Number(j * ymax / ticks, 4), labelRoom);
        }
      }
      canvas.SetBrush(kWhite);
      for (const PlacedCaption& caption :
           PositiveAxisCaption(rowNumber, log.units, language, k == 1)) {
        int y = Y0 - la - 20 + caption.dy;
        if (k == 1) y = ClearOfTopLabel(y, Y0 - ticks * Rnd(U / static_cast<double>(ticks)) - 5);
        canvas.Text(axisX + 2 + caption.dx, y, QString::fromUtf8(caption.text), 0);
      }
    }

    if (k == 1) axisX = L;
    const MarkerStyle* style = FindMarkerStyle(rowNumber);
    canvas.SetBrush(kWhite);
    canvas.Ellipse(axisX - 6, Y0 - 6, axisX + 6, Y0 + 6);
    if (style != nullptr) DrawMarker(canvas, axisX, Y0, style->legendSize, style->legendShape);

    for (int i = 1; i <= curve.size(); ++i) {
      points[static_cast<std::size_t>(i - 1)] =
          QPoint(L + Offset(abscissa[i] * sx), Y0 - Offset(curve[i] * sy));
    }
    // The curve starts on the plot's left edge.
    const QPoint first = points.front();
    points.front().setX(L);
    canvas.SetPen(kBlack);
    canvas.Polyline(points);
    points.front() = first;

    if (style != nullptr) {
      const int interval = MarkerInterval(rowNumber);
      for (int i = interval; i <= curve.size(); i += interval) {
        const QPoint& p = points[static_cast<std::size_t>(i - 1)];
        DrawMarker(canvas, p.x(), p.y(), style->curveSize, style->curveShape);
      }
    }
    canvas.SetBrush(kWhite);
  }

  canvas.Text(L + 10, Y0 - 18, QString::fromUtf8(kBanner), 0);
  return buttons;
}

void DrawMarker(ChartCanvas& canvas, int x, int y, int size, int shape) {
  using namespace chart_colour;
  const int h = Rnd(size / 2.0);
  const int t = Rnd(size / 3.0);
  const int w = Rnd(size / 4.0);
  canvas.SetPen(kBlack);
  canvas.SetBrush(kSilver);
  const auto square = [&](QRgb fill, int x1, int y1, int x2, int y2) {
    canvas.SetBrush(fill);
    canvas.Rectangle(x1, y1, x2, y2);
  };
  const auto triangle = [&](QRgb fill, bool apexUp) {
    canvas.SetBrush(fill);
    const int s = apexUp ? 1 : -1;
    const std::array<QPoint, 3> corners{QPoint(x - h, y + s * t), QPoint(x + h, y + s * t),
                                        QPoint(x, y - s * h)};
    canvas.Polygon(corners);
  };
  const auto circle = [&](QRgb fill) {
    canvas.SetBrush(fill);
    canvas.Ellipse(x - 4, y - 4, x + 4, y + 4);
  };
  switch (shape) {
    case 1:
      square(kYellow, x - h, y - h, x + h, y + h);
      canvas.Line(x - h, y - h, x + h, y + h);
      canvas.Line(x - h, y + h, x + h, y - h);
      break;
    case 2:
      square(kLime, x - h, y - h, x + h + 1, y + h + 1);
      canvas.Line(x - h, y, x + h, y);
      canvas.Line(x, y - h, x, y + h);
      break;
    case 4:
      square(kSilver, x - h, y - h, x + h, y + h);
      square(kYellow, x - h + 2, y - h + 2, x + h - 2, y + h - 2);
      break;
    case 5:
      canvas.Line(x - h, y - h, x + h, y + h);
      canvas.Line(x - h, y + h, x + h, y - h);
      canvas.Line(x - h, y, x + h, y);
      canvas.Line(x, y - h, x, y + h);
      break;
    case 6: square(kRed, x - h, y - h, x + h, y + h); break;
    case 7: square(kLime, x - h, y - h, x + h, y + h); break;
    case 8: triangle(kBlack, true); break;
    case 9: triangle(kBlack, false); break;
    case 10: square(kRed, x - w, y - h, x + w, y + h); break;
    case 11: square(kSilver, x - h, y - w, x + h, y + w); break;
    case 12: triangle(kYellow, true); break;
    case 13: triangle(kAqua, false); break;
    case 16: circle(kAqua); break;
    case 18:
      circle(kPaleAqua);
      canvas.Line(x, y - h, x, y + h);
      break;
    default:
      break;
  }
  canvas.SetBrush(kSilver);
}

void DrawMarker(QPainter& painter, int x, int y, int size, int shape) {
  PainterCanvas canvas(painter);
  DrawMarker(canvas, x, y, size, shape);
}

ChartButtons DrawChart(const TrajectoryLog& log, const std::array<int, kCurveListSize>& curveList,
                       int curveCount, int capacity, const ChartSettings& settings,
                       QImage& picture) {
  QImage fresh(kChartWidth, kChartHeight, QImage::Format_RGB32);
  fresh.fill(Qt::white);
  ChartButtons buttons;
  {
    QPainter painter(&fresh);
    PainterCanvas canvas(painter);
    buttons = PaintChart(canvas, log, curveList, curveCount, capacity, settings);
  }
  picture = std::move(fresh);
  return buttons;
}

}  // namespace zarv

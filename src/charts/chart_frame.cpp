#include "charts/chart_frame.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include <QPainter>

#include "charts/chart_canvas.h"
#include "charts/chart_captions.h"
#include "charts/chart_cover.h"
#include "charts/chart_curves.h"
#include "charts/chart_labels.h"
#include "charts/chart_legend.h"
#include "charts/chart_scales.h"
#include "charts/chart_view.h"
#include "scenario/program_info.h"
#include "texts/run_label.h"

namespace zarv {

namespace {

constexpr int kTopTicks = 7;  // tick intervals until a signed curve appears
constexpr int kSignedTicks = 4;
constexpr int kSuperscriptRise = 4;  // px, the square of a unit above its line
constexpr int kBannerMargin = 2;     // px between the banner and the picture's edge

int Rnd(double value) { return ChartRound(value); }

// The first curve's caption and its top label share their column; a caption that
// would cover the label goes above it.
int ClearOfTopLabel(int captionY, int labelY) {
  constexpr int kLine = 14;  // px, height of a text line
  if (captionY > labelY - kLine && captionY < labelY + kLine) return std::max(labelY - kLine, 0);
  return captionY;
}

// One run's traced curve, the current run bold over kept ones, with its markers.
void DrawRunCurve(ChartCanvas& canvas, const ChartScales& s, std::size_t run, int rowNumber,
                  const RunCurve& curve) {
  const int width = CurveWidth(s, run);
  canvas.SetPen(s.runs[run].colour);
  canvas.SetLineWidth(width);
  for (const auto& [begin, end] : curve.pieces) {
    canvas.Polyline(
        std::span<const QPoint>(curve.points.data() + begin, static_cast<std::size_t>(end - begin)));
  }
  canvas.SetLineWidth(1);
  canvas.SetPen(chart_colour::kBlack);
  if (const MarkerStyle* style = FindMarkerStyle(rowNumber)) {
    for (int i : curve.markers) {
      const QPoint& p = curve.points[static_cast<std::size_t>(i)];
      DrawMarker(canvas, p.x(), p.y(), style->curveSize, style->curveShape);
    }
  }
}

// Labels of one axis's values, each at its place and within its room.
void AxisText(ChartCanvas& canvas, const std::vector<QPoint>& at, const std::vector<double>& values,
              int digits, const std::vector<int>& rooms) {
  const AxisLabels labels = FitAxisLabels(values, digits, rooms);
  for (std::size_t j = 0; j < at.size(); ++j) canvas.Text(at[j].x(), at[j].y(), labels.texts[j], labels.font);
}

void AxisText(ChartCanvas& canvas, const std::vector<QPoint>& at, const std::vector<double>& values,
              int digits, int room) {
  AxisText(canvas, at, values, digits, std::vector<int>(values.size(), room));
}

}  // namespace

ChartLayout LayoutChart(const TrajectoryLog& log, const std::array<int, kCurveListSize>& curveList,
                        int curveCount, int capacity) {
  return ComputeChartScales(PlainView(log, curveList, curveCount, capacity, {})).layout;
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
  return PaintChart(canvas, PlainView(log, curveList, curveCount, capacity, settings));
}

ChartButtons PaintChart(ChartCanvas& canvas, const ChartView& view) {
  using namespace chart_colour;
  const ChartScales s = ComputeChartScales(view);
  const TrajectoryLog& log = *s.runs.front().log;
  const ChartButtons buttons = ChartButtonVisibility(log, view.settings);
  const ChartLayout& layout = s.layout;
  const int L = layout.left;
  const int Wp = layout.plotWidth;
  const int A = layout.axisSpacing;
  const int U = layout.above;
  const int Y0 = layout.zeroLine;
  const Language language = view.settings.windowLanguage;

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

  canvas.SetBrush(kWhite);
  if (const char* caption = AbscissaCaption(layout.abscissaRow, log.units, language)) {
    canvas.Text(L + Rnd(Wp / 2.0), kChartBottom + 30, QString::fromUtf8(caption), 0);
  }
  const int labelStep = Rnd(Wp / 8.0);
  // The last label is pushed back from the right edge; it and its neighbour share what
  // is left so that they do not run into each other.
  const int lastX = L + 8 * labelStep - 8;
  const int edgeRoom = (kChartWidth - 1 - lastX + labelStep) / 2 - 2;
  {
    std::vector<QPoint> at;
    std::vector<double> values;
    std::vector<int> rooms;
    for (int j = 0; j <= 8; ++j) {
      at.emplace_back(L + j * labelStep - 8, kChartBottom + 9);
      values.push_back(s.from + j * (s.to - s.from) / 8);
      rooms.push_back(j >= 7 ? std::min(labelStep - 4, edgeRoom) : labelStep - 4);
    }
    AxisText(canvas, at, values, 4, rooms);
  }
  // Above the plot's top right corner, clear of the curves, the axes and their numbers.
  QString banner = QString::fromUtf8(kBanner);
  if (view.settings.roundEarth) banner += QString::fromUtf8(kRoundEarthLabel.in(language)) + "  ";
  canvas.Text(kChartWidth - kBannerMargin - ChartTextWidth(banner),
              s.Plot().top() - kBannerMargin - ChartLineHeight(), banner, 0);

  // Numbers right of an axis must end before the next axis to the right.
  const int labelRoom = A - 8;
  RunCurve traced;
  std::optional<PlotCover> cover;  // what the legend must keep clear of
  if (s.HasLegend()) cover.emplace(s);
  std::vector<QPoint> points;
  int ticks = kTopTicks;
  for (int k = 1; k < layout.listedRows; ++k) {
    const CurveScale& curve = s.curves[static_cast<std::size_t>(k - 1)];
    const int rowNumber = curve.row;
    const double ymax = curve.ymax;
    int axisX = L - k * A;
    if (curve.isSigned) {
      const int lh = Rnd(0.9 * layout.below);
      const double m = std::max(-curve.ymin, ymax);
      ticks = kSignedTicks;
      const int t = Rnd(lh / static_cast<double>(kSignedTicks));
      const double v = std::isfinite(m) ? m / kSignedTicks : 0.0;
      canvas.Line(axisX, kChartBottom, axisX, kChartBottom - 2 * layout.below);
      canvas.Text(axisX + 9, Y0, QStringLiteral("0.0"), 0);
      std::vector<QPoint> at;
      std::vector<double> values;
      for (int j = 1; j <= kSignedTicks; ++j) {
        canvas.Line(axisX, Y0 - j * t, axisX + 3, Y0 - j * t);
        canvas.Line(axisX, Y0 + j * t, axisX + 3, Y0 + j * t);
        // Below the zero line the same text: the band already says the sign.
        at.insert(at.end(), {QPoint(axisX + 6, Y0 - j * t), QPoint(axisX + 6, Y0 + j * t)});
        values.insert(values.end(), {j * v, j * v});
      }
      AxisText(canvas, at, values, 3, labelRoom);
      const PlacedCaption caption = SignedAxisCaption(rowNumber, log.units, language);
      if (caption.text != nullptr) {
        canvas.Text(axisX - 2 + caption.dx, Y0 - lh - 20 + caption.dy,
                    QString::fromUtf8(caption.text), 0);
      }
    } else {
      const int la = Rnd(0.9 * U);
      if (k == 1) {
        const int g = Rnd(U / static_cast<double>(ticks));
        const int room = Rnd(A / 2.0) + 15;
        std::vector<QPoint> at;
        std::vector<double> values;
        for (int j = 0; j <= ticks; ++j) {
          DrawMarker(canvas, L, Y0, 6, 10);
          canvas.SetBrush(kWhite);
          canvas.Line(L, Y0 - j * g, L - 3, Y0 - j * g);
          // Labels on the grid lines, read 1.1 times the axis scale.
          at.emplace_back(L - 6 - Rnd(A / 2.0) - 13, Y0 - j * g - 5);
          values.push_back(j * ymax / ticks * 1.1);
        }
        AxisText(canvas, at, values, 4, room);
      } else {
        canvas.Line(axisX, Y0, axisX, Y0 - la);
        const int t = Rnd(la / static_cast<double>(ticks));
        std::vector<QPoint> at;
        std::vector<double> values;
        for (int j = 0; j <= ticks; ++j) {
          canvas.Line(axisX, Y0 - j * t, axisX + 3, Y0 - j * t);
          at.emplace_back(axisX + 6, Y0 - j * t);
          values.push_back(j * ymax / ticks);
        }
        AxisText(canvas, at, values, 4, labelRoom);
      }
      canvas.SetBrush(kWhite);
      // A caption in parts (the square of kW/m2) continues where the previous part ends.
      QPoint next;
      bool firstPart = true;
      for (const PlacedCaption& caption :
           PositiveAxisCaption(rowNumber, log.units, language, k == 1)) {
        const QString text = QString::fromUtf8(caption.text);
        QPoint at = next;
        if (firstPart) {
          int y = Y0 - la - 20 + caption.dy;
          if (k == 1) y = ClearOfTopLabel(y, Y0 - ticks * Rnd(U / static_cast<double>(ticks)) - 5);
          at = QPoint(axisX + 2 + caption.dx, y);
        }
        canvas.Text(at.x(), at.y(), text, 0);
        next = QPoint(at.x() + ChartTextWidth(text), at.y() - kSuperscriptRise);
        firstPart = false;
      }
    }

    if (k == 1) axisX = L;
    const MarkerStyle* style = FindMarkerStyle(rowNumber);
    canvas.SetBrush(kWhite);
    canvas.Ellipse(axisX - 6, Y0 - 6, axisX + 6, Y0 + 6);
    if (style != nullptr) DrawMarker(canvas, axisX, Y0, style->legendSize, style->legendShape);

    // Kept runs under the current one, which stays on top.
    for (std::size_t run = s.runs.size(); run-- > 0;) {
      TraceRunCurve(s, run, curve, traced);
      DrawRunCurve(canvas, s, run, rowNumber, traced);
      if (cover) cover->Mark(traced, CurveWidth(s, run));
    }
    // Measured points over every curve: they are what the runs are held against.
    for (std::size_t flight = 0; flight < s.measured.size(); ++flight) {
      TraceMeasuredPoints(s, flight, curve, points);
      for (const QPoint& p : points) DrawMeasuredPoint(canvas, p, s.measured[flight].colour);
      if (cover) cover->MarkPoints(points, kMeasuredPointSize);
    }
    canvas.SetPen(kBlack);
    canvas.SetBrush(kWhite);
  }

  if (cover) {
    cover->Finish();
    PaintLegend(canvas, s, PlaceLegend(s, language, *cover));
  }
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
  return DrawChart(PlainView(log, curveList, curveCount, capacity, settings), picture);
}

ChartButtons DrawChart(const ChartView& view, QImage& picture) {
  QImage fresh(kChartWidth, kChartHeight, QImage::Format_RGB32);
  fresh.fill(Qt::white);
  ChartButtons buttons;
  {
    QPainter painter(&fresh);
    PainterCanvas canvas(painter);
    buttons = PaintChart(canvas, view);
  }
  picture = std::move(fresh);
  return buttons;
}

}  // namespace zarv

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

#include <QImage>
#include <QPainter>

#include "charts/chart_canvas.h"
#include "charts/chart_captions.h"
#include "charts/chart_catalogue.h"
#include "charts/chart_frame.h"
#include "recording_canvas.h"

namespace zarv {
namespace {

using testing::RecordingCanvas;
using Kind = RecordingCanvas::Kind;
using List = std::array<int, kCurveListSize>;

// A log whose time row counts samples (slot j holds j - 1) and whose other rows are
// filled by `fill(row, slot)`.
std::unique_ptr<TrajectoryLog> MakeLog(const std::function<double(int, int)>& fill) {
  auto log = std::make_unique<TrajectoryLog>();
  for (int r = 0; r < kRecordedRows; ++r) {
    for (int j = 1; j <= kSampleCapacity; ++j) log->at(r, j) = r == 0 ? j - 1 : fill(r, j);
  }
  return log;
}

RecordingCanvas Record(const TrajectoryLog& log, const List& list, int count,
                       ChartSettings settings = {}) {
  RecordingCanvas canvas;
  PaintChart(canvas, log, list, count, kSampleCapacity, settings);
  return canvas;
}

TEST(ChartLayout, ListedRowsAndSignDecideTheLayout) {
  struct Case {
    const char* what;
    List list;
    int count;
    int negativeRow, negativeSlot;  // one sample set to -1, row -1 for none
    int L, Wp, A;
    bool isSigned;
    int U, Dn, Y0;
  };
  const Case cases[] = {
      {"two listed rows", {0, 3}, 3, -1, 0, 100, 580, 89, false, 440, 440, 460},
      {"six listed rows", {0, 3, 1, 4, 2, 9}, 7, -1, 0, 248, 432, 47, false, 440, 440, 460},
      {"balloon default", DefaultChart(VehicleClass::Balloon).curveList, 8, -1, 0, 285, 395, 46, false, 440, 440, 460},
      {"negative curve sample", {0, 3, 4}, 4, 4, 300, 137, 543, 63, true, 293, 147, 313},
      {"negative abscissa sample", {7, 3}, 3, 7, 500, 100, 580, 89, true, 293, 147, 313},
      {"negative only in the undrawn first slot", {0, 3, 4}, 4, 4, 1, 137, 543, 63, false, 440, 440, 460},
      {"negative in an unlisted row", {0, 3, 4}, 4, 9, 200, 137, 543, 63, false, 440, 440, 460},
  };
  for (const Case& c : cases) {
    auto log = MakeLog([](int, int j) { return j; });
    if (c.negativeRow >= 0) log->at(c.negativeRow, c.negativeSlot) = -1.0;
    const ChartLayout layout = LayoutChart(*log, c.list, c.count, kSampleCapacity);
    EXPECT_EQ(layout.left, c.L) << c.what;
    EXPECT_EQ(layout.plotWidth, c.Wp) << c.what;
    EXPECT_EQ(layout.axisSpacing, c.A) << c.what;
    EXPECT_EQ(layout.isSigned, c.isSigned) << c.what;
    EXPECT_EQ(layout.above, c.U) << c.what;
    EXPECT_EQ(layout.below, c.Dn) << c.what;
    EXPECT_EQ(layout.zeroLine, c.Y0) << c.what;
  }
}

TEST(ChartFrame, PositiveChartAxesGridAndFirstCurveLabels) {
  // Altitude 0, 7, ..., 3493 over samples 2..500.
  auto log = MakeLog([](int r, int j) { return r == 3 ? 7.0 * (j - 1) : 1.0; });
  const RecordingCanvas c = Record(*log, {0, 3, 1, 4, 2, 9}, 7);
  EXPECT_TRUE(c.HasLine(13, 460, 13, 64)) << "fifth curve axis at x = 248 - 5 * 47, 396 px long";
  EXPECT_TRUE(c.HasLine(248, 460 - 7 * 63, 680, 460 - 7 * 63)) << "top grid line";
  EXPECT_TRUE(c.HasLine(248 + 216, 460, 248 + 216, 19)) << "middle vertical grid line";
  // First-curve labels sit on the grid lines and read 1.1 times the scale.
  EXPECT_EQ(c.TextAt("3842"), QPoint(205, 14)) << "3493 * 1.1 at the top line";
  EXPECT_EQ(c.TextAt("548.9"), QPoint(205, 460 - 63 - 5));
  EXPECT_EQ(c.TextAt("499"), QPoint(248 + 8 * 54 - 8, 469)) << "last abscissa label";
  EXPECT_EQ(c.TextAt("H,m"), QPoint(248 - 47 + 2, 460 - 396 - 18));
  EXPECT_EQ(c.TextAt("  ZARV vers 1.17 Beta  "), QPoint(kChartWidth - 2 - ChartTextWidth("  ZARV vers 1.17 Beta  "), 3))
      << "above the plot's top right corner";
  EXPECT_TRUE(c.All(Kind::kRectangle).size() > 0);
  for (const auto* op : c.All(Kind::kRectangle)) {
    EXPECT_FALSE(op->brush == chart_colour::kWhite && op->x1 == 248 && op->y1 == 460)
        << "no band below the zero line in a positive chart";
  }
}

TEST(ChartFrame, SignedCurveAndTheTickCountAfterIt) {
  // Row 9 positive (max 2), row 4 from +40 down to -123.2.
  auto log = MakeLog([](int r, int j) {
    if (r == 4) return 40.0 - 163.2 * (j - 1) / 499.0;
    if (r == 9) return 2.0 * (j - 1) / 499.0;
    return 100.0;
  });
  // L = 211, A = 50: axes at 111 (nx), 61 (path angle), 11 (nx again).
  const RecordingCanvas c = Record(*log, {0, 3, 9, 4, 9}, 6);
  const auto bands = c.All(Kind::kRectangle);
  ASSERT_FALSE(bands.empty());
  EXPECT_EQ(std::tie(bands[0]->x1, bands[0]->y1, bands[0]->x2, bands[0]->y2),
            std::make_tuple(211, 460, 211 + 469 + 1, 313));
  EXPECT_TRUE(c.HasLine(211, 313 - 42, 680, 313 - 42)) << "grid every 42 px above the zero line";

  for (int j = 0; j <= 7; ++j) {
    EXPECT_TRUE(c.HasLine(111, 313 - 38 * j, 114, 313 - 38 * j)) << "7 ticks before, j = " << j;
  }
  EXPECT_TRUE(c.HasLine(61, 460, 61, 166)) << "signed axis over the whole height";
  EXPECT_EQ(c.TextAt("0.0"), QPoint(70, 313));
  EXPECT_EQ(c.TextAt("30.8"), QPoint(67, 313 - 33)) << "first label above the zero line";
  for (const auto* op : c.All(Kind::kText)) {
    EXPECT_FALSE(op->text.startsWith('-')) << "labels carry no sign: " << op->text.toStdString();
  }
  int below = 0;
  for (const auto* op : c.All(Kind::kText)) below += op->text == "123" && op->y1 == 313 + 132;
  EXPECT_EQ(below, 1) << "123.2 with 3 digits, also 4 ticks below the zero line";

  EXPECT_TRUE(c.HasLine(11, 313, 11, 49)) << "positive axis in a signed chart is 264 px";
  for (int j = 0; j <= 4; ++j) {
    EXPECT_TRUE(c.HasLine(11, 313 - 66 * j, 14, 313 - 66 * j)) << "4 ticks after, j = " << j;
  }
  EXPECT_FALSE(c.HasLine(11, 313 - 38, 14, 313 - 38));
  EXPECT_EQ(c.TextAt("nx,g"), QPoint(111 + 2, 313 - 264 - 20));
}

TEST(ChartFrame, CurveStartsOnTheLeftEdgeAndCarriesMarkers) {
  // Abscissa 11..509 over the drawn samples; altitude 2..500.
  auto log = MakeLog([](int r, int j) { return r == 7 ? j + 9.0 : r == 3 ? j : 50.0; });
  const RecordingCanvas c = Record(*log, {7, 3, 1}, 4);  // L = 137, Wp = 543
  const auto curves = c.All(Kind::kPolyline);
  ASSERT_EQ(curves.size(), 2u);
  const auto& altitude = curves[0]->points;
  ASSERT_EQ(altitude.size(), 499u);
  const double sy = 396.0 / 500.0;
  EXPECT_EQ(altitude[0], QPoint(137, 460 - static_cast<int>(std::nearbyint(2 * sy))))
      << "first segment from the plot's left edge although x = 11";
  EXPECT_EQ(altitude[1], QPoint(137 + static_cast<int>(std::nearbyint(12 * 543.0 / 509)),
                                460 - static_cast<int>(std::nearbyint(3 * sy))));
  EXPECT_EQ(altitude.back(), QPoint(137 + 543, 460 - 396));

  // Red squares every 22 samples on the altitude, lime ones every 19 on the velocity.
  struct Case {
    QRgb fill;
    std::size_t count;
    int firstSample;
  };
  for (const Case& m : {Case{chart_colour::kRed, 22, 22}, Case{chart_colour::kLime, 26, 19}}) {
    std::vector<const RecordingCanvas::Op*> markers;
    for (const auto* op : c.All(Kind::kRectangle)) {
      if (op->brush == m.fill && op->x2 - op->x1 == 6) markers.push_back(op);  // not the origin bar
    }
    ASSERT_EQ(markers.size(), m.count + 1) << "curve markers plus the legend key";
    const QPoint& p = (m.fill == chart_colour::kRed ? curves[0] : curves[1])
                          ->points[static_cast<std::size_t>(m.firstSample - 1)];
    EXPECT_EQ(QPoint(markers[1]->x1 + 3, markers[1]->y1 + 3), p) << "first curve marker";
  }
}

TEST(ChartFrame, ZeroMaximumAndBadSamplesDrawFlat) {
  auto log = MakeLog([](int, int) { return 0.0; });
  for (int j = 1; j <= kSampleCapacity; ++j) log->at(0, j) = 0.0;
  log->at(3, 10) = std::numeric_limits<double>::infinity();
  log->at(3, 11) = std::numeric_limits<double>::quiet_NaN();
  const RecordingCanvas c = Record(*log, {0, 3, 12}, 4);
  for (const auto* curve : c.All(Kind::kPolyline)) {
    for (const QPoint& p : curve->points) {
      EXPECT_EQ(p.x(), 137) << "abscissa of zero length";
      EXPECT_EQ(p.y(), 460) << "flat on the zero line";
    }
  }
  EXPECT_EQ(c.TextAt("0"), QPoint(137 - 8, 469));
  int zeroLabels = 0;
  for (const auto* op : c.All(Kind::kText)) zeroLabels += op->text == "0" && op->x1 == 137 - 2 * 63 + 6;
  EXPECT_EQ(zeroLabels, 8) << "lift-force axis labelled 0 at all ticks";

  QImage picture(10, 10, QImage::Format_RGB32);
  DrawChart(*log, {0, 3, 12}, 4, kSampleCapacity, {}, picture);
  EXPECT_EQ(picture.size(), QSize(kChartWidth, kChartHeight)) << "the finished chart replaces the old one";
}

TEST(ChartFrame, ButtonVisibilityFollowsWorkingCyAndClass) {
  struct Case {
    double cy;
    VehicleClass vehicleClass;
    bool lift, balloon;
  };
  for (const Case& b : {Case{0.0, VehicleClass::Glider, false, false},
                        Case{1.5, VehicleClass::Glider, true, false},
                        Case{0.0, VehicleClass::Balloon, false, true},
                        Case{-0.1, VehicleClass::Reentry, true, false}}) {
    auto log = MakeLog([&](int r, int) { return r == row::kLiftCoefficient ? b.cy : 1.0; });
    ChartSettings settings;
    settings.vehicleClass = b.vehicleClass;
    QImage picture;
    const ChartButtons buttons = DrawChart(*log, {0, 3}, 3, kSampleCapacity, settings, picture);
    EXPECT_EQ(buttons.liftCharts, b.lift) << "Cy " << b.cy;
    EXPECT_EQ(buttons.balloonChart, b.balloon) << "class " << static_cast<int>(b.vehicleClass);
  }
}

TEST(ChartCaptions, LanguageAndUnitFlagsPickTheText) {
  enum Axis { kAbscissa, kPositive, kSigned };
  constexpr Language kRu = Language::Russian, kDe = Language::German, kEn = Language::English;
  struct Case {
    Axis axis;
    int row;
    UnitFlags units;
    Language language;
    const char* expected;  // nullptr: no caption
  };
  const Case cases[] = {
      {kAbscissa, 0, {.TimeUnit = 2}, kRu, "t,мин"},
      {kAbscissa, 0, {.TimeUnit = 3}, kEn, "t,h"},
      {kAbscissa, 1, {.VelocityInKm = 1}, kEn, "V,km/s"},
      {kAbscissa, 7, {}, kRu, "X,м"},
      {kAbscissa, 3, {}, kDe, nullptr},
      {kPositive, 2, {.PressureUnit = 1}, kRu, "q,КПа"},
      {kPositive, 2, {.PressureUnit = 2}, kDe, "q,MPa"},
      {kPositive, 3, {.AltitudeInKm = 1}, kDe, "H,km"},
      {kPositive, 15, {}, kRu, "P,H"},
      {kPositive, 15, {.ThrustInKilo = 1}, kEn, "P,kN"},
      {kPositive, 16, {.MassInKilo = 1}, kRu, "m,т"},
      {kPositive, 21, {}, kRu, "X,H"},
      {kPositive, 21, {}, kDe, "W,N"},
      {kPositive, 21, {}, kEn, "D,N"},
      {kPositive, 22, {}, kEn, "L,N"},
      {kPositive, 25, {}, kRu, "Mах"},
      {kPositive, 29, {}, kDe, nullptr},
      {kSigned, 1, {.VelocityInKm = 1}, kRu, "V,км/с"},
      {kSigned, 12, {}, kDe, "F,N"},
      {kSigned, 16, {}, kEn, "m,kg/s"},
      {kSigned, 3, {}, kDe, nullptr},
  };
  for (const Case& c : cases) {
    const char* text = nullptr;
    if (c.axis == kAbscissa) text = AbscissaCaption(c.row, c.units, c.language);
    if (c.axis == kSigned) text = SignedAxisCaption(c.row, c.units, c.language).text;
    if (c.axis == kPositive) {
      const auto captions = PositiveAxisCaption(c.row, c.units, c.language, false);
      if (!captions.empty()) text = captions[0].text;
    }
    EXPECT_EQ(QString::fromUtf8(text), QString::fromUtf8(c.expected))
        << "row " << c.row << ", language " << static_cast<int>(c.language) << ", axis " << c.axis;
  }
}

TEST(ChartCaptions, OffsetsInTheDrawnChart) {
  auto log = MakeLog([](int, int j) { return j; });
  log->units.VelocityInKm = 1;
  ChartSettings russian;
  russian.windowLanguage = Language::Russian;
  // Six rows: L = 248, A = 47; heat flux on the second axis, velocity on the third.
  const RecordingCanvas c = Record(*log, {0, 3, 14, 1, 17, 2}, 7, russian);
  EXPECT_EQ(c.TextAt("q,кВт/м"), QPoint(248 - 94 + 2 - 2, 44));
  EXPECT_EQ(c.TextAt("2"), QPoint(248 - 94 + 2 - 2 + ChartTextWidth("q,кВт/м"), 44 - 4))
      << "square of the metre right after its caption, raised";
  EXPECT_EQ(c.TextAt("V,км/с"), QPoint(248 - 141 + 2, 44));
  EXPECT_EQ(c.TextAt("P/m, N/kg"), QPoint(248 - 188 + 2, 44 - 15));
  EXPECT_EQ(c.TextAt("t,с"), QPoint(248 + 216, 490));
}

// Pixels of the painter canvas: band outline, grid and marker fills.
TEST(ChartPicture, PixelsLandWhereTheLayoutPutsThem) {
  auto log = MakeLog([](int r, int j) { return r == 4 ? 10.0 - j : 100.0; });
  QImage picture;
  DrawChart(*log, {0, 4}, 3, kSampleCapacity, {}, picture);  // L = 100, Wp = 580, signed
  EXPECT_EQ(picture.pixel(300, 459), chart_colour::kBlack) << "band bottom edge";
  EXPECT_EQ(picture.pixel(680, 400), chart_colour::kBlack) << "band right edge";
  EXPECT_EQ(picture.pixel(681, 400), chart_colour::kWhite);
  EXPECT_EQ(picture.pixel(690, 313 - 42), chart_colour::kWhite) << "grid ends at L + Wp";
  EXPECT_EQ(picture.pixel(679, 313 - 42), chart_colour::kGrey);
}

TEST(ChartPicture, MarkerShapesAndColours) {
  struct Case {
    int shape, size;
    int dx, dy;  // probe offset from the centre
    QRgb colour;
  };
  const Case cases[] = {
      {1, 8, 2, 1, chart_colour::kYellow},  {1, 8, 1, 1, chart_colour::kBlack},
      {2, 8, 2, 2, chart_colour::kLime},    {2, 8, 0, 2, chart_colour::kBlack},
      {4, 8, 0, 0, chart_colour::kYellow},  {4, 8, -3, -3, chart_colour::kSilver},
      {5, 8, 2, 1, chart_colour::kWhite},   {5, 8, 2, 2, chart_colour::kBlack},
      {6, 6, 0, 0, chart_colour::kRed},     {7, 6, 0, 0, chart_colour::kLime},
      {8, 8, 0, 0, chart_colour::kBlack},   {9, 8, 0, 0, chart_colour::kBlack},
      {10, 8, 0, 0, chart_colour::kRed},    {10, 8, 3, 0, chart_colour::kWhite},
      {11, 8, 0, 0, chart_colour::kSilver}, {11, 8, 0, 3, chart_colour::kWhite},
      {12, 7, 0, 0, chart_colour::kYellow}, {13, 7, 0, 0, chart_colour::kAqua},
      {16, 9, 1, 1, chart_colour::kAqua},   {18, 8, 2, 0, chart_colour::kPaleAqua},
      {18, 8, 0, 2, chart_colour::kBlack},
  };
  for (const Case& c : cases) {
    QImage picture(40, 40, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
      QPainter painter(&picture);
      DrawMarker(painter, 20, 20, c.size, c.shape);
    }
    EXPECT_EQ(picture.pixel(20 + c.dx, 20 + c.dy), c.colour)
        << "shape " << c.shape << " at offset " << c.dx << "," << c.dy;
  }
}

}  // namespace
}  // namespace zarv

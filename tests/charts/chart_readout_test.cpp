#include <gtest/gtest.h>

#include <QImage>
#include <QLocale>
#include <QPainter>

#include "chart_logs.h"
#include "charts/chart_frame.h"
#include "charts/chart_readout.h"
#include "charts/chart_scales.h"
#include "charts/chart_view.h"
#include "recording_canvas.h"
#include "trajectory/run_fixture.h"
#include "support/record_codes.h"

namespace zarv {
namespace {

using testing::RecordingCanvas;
using Kind = RecordingCanvas::Kind;

// A V-2 launch: altitude and velocity over time.
const TrajectoryLog& V2Log() {
  static const std::unique_ptr<testing::PresetRun> run = [] {
    auto r = std::make_unique<testing::PresetRun>(vc::Rocket, 0);
    EXPECT_FALSE(r->Run().has_value());
    return r;
  }();
  return *run->log;
}

ChartView V2View() {
  ChartSettings settings;
  settings.vehicleClass = VehicleClass::Rocket;
  return PlainView(V2Log(), {0, 3, 1}, 4, kSampleCapacity, settings);
}

TEST(Readout, ExactAtSamplesAndLinearBetween) {
  const TrajectoryLog& log = V2Log();
  const ChartView view = V2View();
  for (int slot : {2, 57, 250, 499}) {
    const double t = log.at(row::kTime, slot);
    const ChartReadout at = ReadChartAt(view, t);
    ASSERT_EQ(at.runs.size(), 1u);
    ASSERT_EQ(at.runs[0].values.size(), 2u);
    EXPECT_EQ(at.runs[0].values[0].value, log.at(row::kAltitude, slot)) << "slot " << slot;
    EXPECT_EQ(at.runs[0].values[1].value, log.at(row::kVelocity, slot)) << "slot " << slot;

    const double t1 = log.at(row::kTime, slot + 1);
    const double quarter = t + 0.25 * (t1 - t);
    const ChartReadout between = ReadChartAt(view, quarter);
    const double expected = log.at(row::kAltitude, slot) +
                            0.25 * (log.at(row::kAltitude, slot + 1) - log.at(row::kAltitude, slot));
    ASSERT_TRUE(between.runs[0].values[0].value.has_value()) << "slot " << slot;
    EXPECT_NEAR(*between.runs[0].values[0].value, expected, 1e-9 * std::abs(expected) + 1e-12)
        << "a quarter of the way after slot " << slot;
  }
  EXPECT_FALSE(ReadChartAt(view, log.at(row::kTime, 500) * 1.01).runs[0].values[0].value)
      << "no value past the last sample";
  EXPECT_FALSE(ReadChartAt(view, 0.0).runs[0].values[0].value) << "before the first drawn sample";
}

TEST(Readout, CaptionsUnitsAndKeptRunsInCurrentUnits) {
  const TrajectoryLog& log = V2Log();
  auto metres = std::make_unique<TrajectoryLog>(log);
  metres->units.AltitudeInKm = 0;
  for (int j = 1; j <= kSampleCapacity; ++j) metres->at(row::kAltitude, j) *= 2000.0;  // twice, in m
  const std::vector<KeptRun> kept{{std::shared_ptr<const TrajectoryLog>(std::move(metres)), "twice", VehicleClass::Rocket, {}}};
  ChartView view = V2View();
  view.kept = kept;
  ASSERT_EQ(log.units.AltitudeInKm, 1);
  const double t = log.at(row::kTime, 300);
  const ChartReadout r = ReadChartAt(view, t);
  ASSERT_EQ(r.runs.size(), 2u);
  EXPECT_EQ(r.abscissaCaption, "t,s");
  EXPECT_EQ(r.abscissaUnit, "s");
  EXPECT_EQ(r.runs[0].values[0].caption, "H,km");
  EXPECT_EQ(r.runs[0].values[0].unit, "km");
  EXPECT_EQ(r.runs[1].label, "twice");
  EXPECT_EQ(r.runs[1].colour, KeptRunColour(0));
  EXPECT_NEAR(*r.runs[1].values[0].value, 2.0 * log.at(row::kAltitude, 300), 1e-9)
      << "the kept run in m is shown in km";
}

TEST(Readout, PointerColumnsMapToTheAbscissa) {
  // Two listed rows: L = 100, Wp = 580; time 0..499 over 580 px.
  auto log = testing::CountingLog([](int, int j) { return 3.0 * (j - 1); });
  const ChartView view = PlainView(*log, {0, 3}, 3, kSampleCapacity, {});
  const ChartReadout right = ReadChart(view, 680);
  EXPECT_TRUE(right.inside);
  EXPECT_DOUBLE_EQ(right.abscissa, 499.0);
  EXPECT_DOUBLE_EQ(*right.runs[0].values[0].value, 3.0 * 499);
  const ChartReadout middle = ReadChart(view, 100 + 290);
  EXPECT_DOUBLE_EQ(middle.abscissa, 249.5);
  EXPECT_DOUBLE_EQ(*middle.runs[0].values[0].value, 3.0 * 249.5);
  EXPECT_FALSE(ReadChart(view, 50).inside) << "left of the plot";
}

TEST(Readout, PaintsOverACopyOfTheChartAndFollowsTheLocale) {
  QImage chart;
  DrawChart(V2View(), chart);
  const QImage untouched = chart.copy();
  const ChartReadout r = ReadChart(V2View(), 400);
  const auto paint = [&](const QLocale& locale) {
    QImage over = chart.copy();
    QPainter painter(&over);
    PaintReadout(painter, r, locale);
    return over;
  };
  const QImage english = paint(QLocale(QLocale::English));
  const QImage russian = paint(QLocale(QLocale::Russian));
  EXPECT_TRUE(chart == untouched);
  int lineChanged = 0;
  for (int y = r.plotTop; y < r.plotBottom; ++y) lineChanged += english.pixel(400, y) != chart.pixel(400, y);
  EXPECT_GT(lineChanged, (r.plotBottom - r.plotTop) / 2) << "a vertical line at the pointer";
  EXPECT_EQ(english.pixel(400, r.plotBottom + 20), chart.pixel(400, r.plotBottom + 20));
  EXPECT_FALSE(english == russian) << "decimal comma in Russian";
  int boxRight = 0;
  for (int x = 405; x < kChartWidth; ++x) boxRight += english.pixel(x, r.plotTop + 30) != chart.pixel(x, r.plotTop + 30);
  EXPECT_GT(boxRight, 0) << "the box stands right of the line";
}

TEST(Readout, LeavesTheLegendOfTheRunsReadable) {
  // Falling from the top left corner: the legend goes top right, where the readout begins.
  auto falling = testing::CountingLog([](int, int j) { return 500.0 - j; });
  ChartView view = PlainView(*falling, {0, 3, 1}, 4, kSampleCapacity, {});
  const std::vector<KeptRun> kept{KeepRun(*falling, "kept", VehicleClass::Projectile),
                                  KeepRun(*falling, "kept again", VehicleClass::Projectile)};
  view.kept = kept;
  QImage chart;
  DrawChart(view, chart);
  const ChartReadout first = ReadChart(view, 400);
  const QRect legend = first.legend;
  ASSERT_FALSE(legend.isEmpty());
  ASSERT_LT(legend.top(), first.plotTop + 40) << "the legend shares the top of the plot with the readout";
  for (int x = first.plotLeft; x <= first.plotRight; x += 8) {
    QImage over = chart.copy();
    QPainter painter(&over);
    PaintReadout(painter, ReadChart(view, x, legend), QLocale(QLocale::English));
    painter.end();
    EXPECT_EQ(over.copy(legend), chart.copy(legend)) << "the readout at x = " << x << " covers the legend";
  }
}

TEST(Zoom, OnlySamplesInsideTheRangeAndAxesScaledToThem) {
  // Altitude rises to slot 250 and falls again; time 0..499.
  auto log = testing::CountingLog([](int, int j) { return 250.0 - std::abs(j - 251.0); });
  ChartView view = PlainView(*log, {0, 3}, 3, kSampleCapacity, {});
  view.zoom = AbscissaRange{100.0, 200.0};
  const ChartScales s = ComputeChartScales(view);
  EXPECT_DOUBLE_EQ(s.curves[0].ymax, 200.0) << "highest sample inside, at time 200";
  RecordingCanvas canvas;
  PaintChart(canvas, view);
  const auto curves = canvas.All(Kind::kPolyline);
  ASSERT_EQ(curves.size(), 1u);
  EXPECT_EQ(curves[0]->points.size(), 101u) << "times 100..200";
  EXPECT_EQ(curves[0]->points.front().x(), 100) << "time 100 on the left edge";
  EXPECT_EQ(curves[0]->points.back(), QPoint(680, 460 - 396));
  EXPECT_NE(canvas.TextAt("112.5"), QPoint(-1, -1)) << "abscissa labels over the range";
  EXPECT_NE(canvas.TextAt("200"), QPoint(-1, -1));

  // A non-monotonic abscissa splits the curve where it leaves the range.
  ChartView overAltitude = PlainView(*log, {3, 0}, 3, kSampleCapacity, {});
  overAltitude.zoom = AbscissaRange{200.0, 240.0};
  RecordingCanvas split;
  PaintChart(split, overAltitude);
  EXPECT_EQ(split.All(Kind::kPolyline).size(), 2u) << "up and down through the band";
}

TEST(Zoom, DragSelectsTheRangeUnderThePointer) {
  auto log = testing::CountingLog([](int, int j) { return j; });
  ChartView view = PlainView(*log, {0, 3}, 3, kSampleCapacity, {});  // 0..499 over 100..680
  struct Case {
    int x1, x2;
    bool selects;
    double from, to;
  };
  const Case cases[] = {
      {158, 390, true, 49.9, 249.5}, {390, 158, true, 49.9, 249.5}, {0, 999, true, 0, 499},
      {300, 302, false, 0, 0},       {20, 60, false, 0, 0},
  };
  for (const Case& c : cases) {
    const auto range = RangeFromDrag(view, c.x1, c.x2);
    ASSERT_EQ(range.has_value(), c.selects) << c.x1 << " to " << c.x2;
    if (!range) continue;
    EXPECT_NEAR(range->from, c.from, 1e-9) << c.x1 << " to " << c.x2;
    EXPECT_NEAR(range->to, c.to, 1e-9) << c.x1 << " to " << c.x2;
  }
  view.zoom = AbscissaRange{100.0, 200.0};
  const auto inner = RangeFromDrag(view, 100 + 145, 100 + 435);
  ASSERT_TRUE(inner.has_value());
  EXPECT_NEAR(inner->from, 125.0, 1e-9) << "a drag in a zoomed chart narrows the zoom";
  EXPECT_NEAR(inner->to, 175.0, 1e-9);
}

}  // namespace
}  // namespace zarv

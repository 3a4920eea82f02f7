#include <gtest/gtest.h>

#include <QImage>

#include "chart_logs.h"
#include "charts/chart_canvas.h"
#include "charts/chart_frame.h"
#include "charts/chart_legend.h"
#include "charts/chart_scales.h"
#include "charts/chart_view.h"
#include "recording_canvas.h"

namespace zarv {
namespace {

using testing::CountingLog;
using testing::RecordingCanvas;
using Kind = RecordingCanvas::Kind;

std::shared_ptr<const TrajectoryLog> Shared(std::unique_ptr<TrajectoryLog> log) {
  return std::shared_ptr<const TrajectoryLog>(std::move(log));
}

ChartView View(const TrajectoryLog& log, std::array<int, kCurveListSize> list, int count,
               std::span<const KeptRun> kept = {}) {
  ChartView view = PlainView(log, list, count, kSampleCapacity, {});
  view.kept = kept;
  return view;
}

std::vector<QRgb> CurvePens(const RecordingCanvas& canvas) {
  std::vector<QRgb> pens;
  for (const auto* op : canvas.All(Kind::kPolyline)) pens.push_back(op->pen);
  return pens;
}

TEST(KeptRuns, EachRunKeepsItsColourOnEveryChartAndTheCurrentRunIsDrawnLast) {
  auto current = CountingLog([](int, int j) { return j; });
  const std::vector<KeptRun> kept{{Shared(CountingLog([](int, int j) { return 2.0 * j; })), "a", VehicleClass{5}, {}},
                                  {Shared(CountingLog([](int, int j) { return 3.0 * j; })), "b", VehicleClass{5}, {}}};
  EXPECT_NE(KeptRunColour(0), KeptRunColour(1));
  for (const auto& list : {std::array<int, kCurveListSize>{0, 3, 1}, {7, 9, 2}}) {
    RecordingCanvas canvas;
    PaintChart(canvas, View(*current, list, 4, kept));
    const std::vector<QRgb> expected{KeptRunColour(1), KeptRunColour(0), chart_colour::kBlack,
                                     KeptRunColour(1), KeptRunColour(0), chart_colour::kBlack};
    EXPECT_EQ(CurvePens(canvas), expected) << "two curves, kept runs under the current run";
    for (const auto* curve : canvas.All(Kind::kPolyline)) {
      EXPECT_EQ(curve->width, curve->pen == chart_colour::kBlack ? 2 : 1) << "the current run stands out";
    }
  }
  for (int i = 0; i < kMaxKeptRuns; ++i) {
    for (int k = 0; k < i; ++k) EXPECT_NE(KeptRunColour(i), KeptRunColour(k)) << i << " vs " << k;
    EXPECT_NE(KeptRunColour(i), chart_colour::kBlack);
  }
}

TEST(KeptRuns, ScalesCoverEveryRunInTheCurrentUnits) {
  struct Case {
    const char* what;
    UnitFlags currentUnits, keptUnits;
    double currentMax, keptMax;  // altitude at slot 500, linear from 0
    int row;
    double expectedMax;
  };
  const Case cases[] = {
      {"kept run higher", {}, {}, 100, 250, row::kAltitude, 250},
      {"current run higher", {}, {}, 300, 250, row::kAltitude, 300},
      {"kept in m, current in km", {.AltitudeInKm = 1}, {}, 50, 60000, row::kAltitude, 60},
      {"kept in km, current in m", {}, {.AltitudeInKm = 1}, 9000, 12, row::kAltitude, 12000},
      {"q kept in MPa, current in Pa", {}, {.PressureUnit = 2}, 800, 0.002, row::kDynamicPressure, 2000},
      {"q kept in Pa, current in kPa", {.PressureUnit = 1}, {}, 3, 5000, row::kDynamicPressure, 5},
      {"thrust kept in N, current in kN", {.ThrustInKilo = 1}, {}, 20, 30000, row::kThrust, 30},
      {"mass kept in t, current in kg", {}, {.MassInKilo = 1}, 9000, 12, row::kMass, 12000},
      {"velocity kept in m/s, current in km/s", {.VelocityInKm = 1}, {}, 2, 2500, row::kVelocity, 2.5},
  };
  for (const Case& c : cases) {
    auto current = CountingLog([&](int, int j) { return c.currentMax * (j - 1) / 499.0; });
    current->units = c.currentUnits;
    auto keptLog = CountingLog([&](int, int j) { return c.keptMax * (j - 1) / 499.0; });
    keptLog->units = c.keptUnits;
    const std::vector<KeptRun> kept{{Shared(std::move(keptLog)), "kept", VehicleClass{8}, {}}};
    const ChartScales s = ComputeChartScales(View(*current, {0, c.row}, 3, kept));
    ASSERT_EQ(s.curves.size(), 1u) << c.what;
    EXPECT_NEAR(s.curves[0].ymax, c.expectedMax, 1e-9 * c.expectedMax) << c.what;
  }
}

TEST(KeptRuns, TimeAbscissaAndSignFollowTheKeptRunsToo) {
  auto current = CountingLog([](int, int) { return 1.0; });  // time 0..499 s
  auto keptLog = CountingLog([](int r, int j) { return r == row::kPathAngle && j > 300 ? -5.0 : 1.0; });
  keptLog->units.TimeUnit = 2;  // 0..499 min
  for (int j = 1; j <= kSampleCapacity; ++j) keptLog->at(row::kTime, j) = (j - 1) / 60.0;
  keptLog->at(row::kTime, 500) = 20.0;  // 20 min = 1200 s
  const std::vector<KeptRun> kept{{Shared(std::move(keptLog)), "kept", VehicleClass{1}, {}}};
  const ChartScales s = ComputeChartScales(View(*current, {0, 3, 4}, 4, kept));
  EXPECT_DOUBLE_EQ(s.to, 1200.0) << "the kept run in minutes flew longest";
  EXPECT_TRUE(s.layout.isSigned) << "only the kept run's path angle goes below 0";
  EXPECT_EQ(s.layout.zeroLine, 313);
  const ChartScales alone = ComputeChartScales(View(*current, {0, 3, 4}, 4));
  EXPECT_FALSE(alone.layout.isSigned);
}

TEST(KeptRuns, ARunOfAnotherClassIsDrawnWhereItHasTheRow) {
  auto current = CountingLog([](int, int j) { return j; });
  const std::vector<KeptRun> kept{{Shared(CountingLog([](int, int j) { return 1e6 * j; })), "V-2", VehicleClass{8}, {}}};
  RecordingCanvas heat;
  PaintChart(heat, View(*current, {0, 3, 14}, 4, kept));  // re-entry heat flux, rocket kept
  EXPECT_EQ(heat.All(Kind::kPolyline).size(), 3u) << "altitude twice, heat flux once";
  const ChartScales s = ComputeChartScales(View(*current, {0, 3, 14}, 4, kept));
  EXPECT_DOUBLE_EQ(s.curves[1].ymax, 500.0) << "the rocket's heat flux row is not its own";
  EXPECT_DOUBLE_EQ(s.curves[0].ymax, 5e8);
}

TEST(KeptRuns, LegendNamesTheRunsCurrentFirst) {
  auto current = CountingLog([](int, int j) { return j; });
  const std::vector<KeptRun> kept{
      KeepRun(*CountingLog([](int, int j) { return j; }), "Launcher V-2, dt0 = 0.005", VehicleClass{8}),
      KeepRun(*CountingLog([](int, int j) { return j; }), "Launcher V-2, dt0 = 0.001", VehicleClass{8})};
  ChartView view = View(*current, {0, 3}, 3, kept);
  view.settings.windowLanguage = Language::English;
  RecordingCanvas unnamed;
  PaintChart(unnamed, view);
  const QPoint first = unnamed.TextAt("current run");
  const QPoint second = unnamed.TextAt("Launcher V-2, dt0 = 0.005");
  const QPoint third = unnamed.TextAt("Launcher V-2, dt0 = 0.001");
  ASSERT_NE(first, QPoint(-1, -1)) << "a current run without a label still gets a name";
  EXPECT_EQ(second.x(), first.x());
  EXPECT_EQ(second.y() - first.y(), third.y() - second.y()) << "one line per run, in order";
  EXPECT_GT(second.y(), first.y());

  // Swatches: one per run in the run's colour, left of its text.
  const auto swatchOf = [&](QRgb colour) {
    int found = 0;
    for (const auto* op : unnamed.All(Kind::kLine)) found += op->pen == colour && op->x2 < first.x();
    return found;
  };
  EXPECT_GT(swatchOf(KeptRunColour(0)), 0);
  EXPECT_GT(swatchOf(KeptRunColour(1)), 0);
  EXPECT_EQ(swatchOf(KeptRunColour(2)), 0);

  view.label = "Launcher V-2, dt0 = 0.01";
  RecordingCanvas named;
  PaintChart(named, view);
  EXPECT_EQ(named.TextAt("Launcher V-2, dt0 = 0.01 (current)"), first);
}

TEST(KeptRuns, NoTwoLegendEntriesReadTheSame) {
  const std::string longName(150, 'x');
  struct Case {
    const char* what;
    std::string current;
    std::vector<std::string> kept;  // kept in this order, each under UniqueKeptLabel
    std::vector<std::string> expected;  // "" where only apartness is asked
  };
  const Case cases[] = {
      {"START again unchanged after keeping", "Launcher V-2", {"Launcher V-2"},
       {"Launcher V-2 (current)", "Launcher V-2"}},
      {"the same run kept twice", "Launcher V-2", {"Launcher V-2", "Launcher V-2"},
       {"Launcher V-2 (current)", "Launcher V-2", "Launcher V-2 (2)"}},
      {"names too long for the plot", longName + ", dt0 = 0.001", {longName + ", dt0 = 0.001", longName + ", dt0 = 0.001"},
       {"", "", ""}},
  };
  for (const Case& c : cases) {
    auto log = CountingLog([](int, int j) { return j; });
    std::vector<KeptRun> kept;
    for (const std::string& label : c.kept) kept.push_back(KeepRun(*log, UniqueKeptLabel(label, kept), VehicleClass{8}));
    ChartView view = View(*log, {0, 3}, 3, kept);
    view.label = c.current;
    view.settings.windowLanguage = Language::English;
    const ChartScales scales = ComputeChartScales(view);
    const LegendLayout legend = PlaceLegend(scales, Language::English);
    ASSERT_EQ(legend.texts.size(), c.expected.size()) << c.what;
    EXPECT_TRUE(legend.texts.front().endsWith(" (current)")) << c.what;
    for (std::size_t i = 0; i < legend.texts.size(); ++i) {
      if (!c.expected[i].empty()) {
        EXPECT_EQ(legend.texts[i].toStdString(), c.expected[i]) << c.what;
      }
      EXPECT_LE(ChartTextWidth(legend.texts[i], legend.font), scales.layout.plotWidth) << c.what;
      for (std::size_t k = 0; k < i; ++k) {
        EXPECT_NE(legend.texts[i], legend.texts[k]) << c.what << ": entries " << k << " and " << i;
      }
    }
  }
}

TEST(KeptRuns, WithoutKeptRunsThePictureIsThePlainChart) {
  auto current = CountingLog([](int r, int j) { return r == row::kPathAngle ? 50.0 - j : j; });
  QImage plain;
  DrawChart(*current, {0, 3, 4, 1}, 5, kSampleCapacity, {}, plain);
  ChartView view = View(*current, {0, 3, 4, 1}, 5);
  view.label = "named run";
  view.zoom = AbscissaRange{30.0, 30.0};  // empty: the full range
  QImage viewed;
  DrawChart(view, viewed);
  EXPECT_TRUE(viewed == plain) << "no legend for the current run alone, no zoom for an empty range";

  // More than six kept runs: the first six are drawn.
  std::vector<KeptRun> many;
  for (int i = 0; i < kMaxKeptRuns + 2; ++i) many.push_back(KeepRun(*current, "k", VehicleClass::Projectile));
  RecordingCanvas canvas;
  PaintChart(canvas, View(*current, {0, 3}, 3, many));
  EXPECT_EQ(canvas.All(Kind::kPolyline).size(), static_cast<std::size_t>(kMaxKeptRuns + 1));
}

}  // namespace
}  // namespace zarv

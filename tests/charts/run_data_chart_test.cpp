// Saved runs and measured flights read back and drawn on the charts.
#include <gtest/gtest.h>

#include <QImage>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "chart_logs.h"
#include "charts/chart_catalogue.h"
#include "charts/chart_frame.h"
#include "charts/chart_legend.h"
#include "charts/chart_scales.h"
#include "charts/chart_view.h"
#include "recording_canvas.h"
#include "scenario/calculation.h"
#include "scenario/presets.h"
#include "scenario/run_csv.h"
#include "scenario/run_data_file.h"
#include "support/record_codes.h"

namespace zarv {
namespace {

using testing::RecordingCanvas;

std::unique_ptr<Calculation> RunPreset(int vehicleClass, int item) {
  Scenario record;
  if (!ApplyPreset(record, vehicleClass, item)) return nullptr;
  auto run = std::make_unique<Calculation>();
  run->Load(record);
  if (run->Run()) return nullptr;
  return run;
}

TEST(RunDataCharts, ASavedRunReadBackDrawsEveryChartAsTheKeptRunDid) {
  const auto current = RunPreset(vc::Rocket, 0);
  ASSERT_NE(current, nullptr);
  const ChartSettings settings{Language::English, VehicleClass::Rocket, false};
  // Each class's own rows: none, heat flux, buoyancy, thrust on the round Earth.
  const int classes[] = {vc::Projectile, vc::Reentry, vc::Balloon, vc::Rocket};
  for (const int vehicleClass : classes) {
    const auto run = RunPreset(vehicleClass, 0);
    ASSERT_NE(run, nullptr) << "class " << vehicleClass;
    TrajectoryLog written = run->log();
    if (vehicleClass == vc::Rocket) {
      written.settings.earth = EarthModel::Round;
      written.settings.integrator = Integrator::Adaptive;
    }
    const std::string label = "run of class " + std::to_string(vehicleClass);
    const RunData data = ReadRunData(FormatRunCsv(written, label));
    const auto* read = std::get_if<RunFromFile>(&data);
    ASSERT_NE(read, nullptr) << "class " << vehicleClass;
    EXPECT_EQ(std::memcmp(read->log->data(), run->log().data(), sizeof(double) * kLogElements), 0)
        << "class " << vehicleClass << ": every sample bit for bit";
    EXPECT_EQ(std::memcmp(&read->log->units, &run->log().units, sizeof(UnitFlags)), 0)
        << "class " << vehicleClass;
    EXPECT_EQ(read->log->settings.earth, written.settings.earth) << "class " << vehicleClass;
    EXPECT_EQ(read->log->settings.integrator, written.settings.integrator) << "class " << vehicleClass;

    const std::vector<KeptRun> kept{KeepRun(written, label, run->vehicleClass())};
    const std::vector<KeptRun> readBack{
        {read->log, read->label, VehicleClass::None, read->rows}};
    for (const ChartEntry& chart : ChartCatalogue()) {
      ChartView view =
          PlainView(current->log(), chart.curveList, chart.curveCount, kSampleCapacity, settings);
      QImage a, b;
      view.kept = kept;
      DrawChart(view, a);
      view.kept = readBack;
      DrawChart(view, b);
      EXPECT_EQ(a, b) << "class " << vehicleClass << ", " << chart.objectName;
    }
  }
}

TEST(RunDataCharts, MeasuredPointsGoOnEveryChartWhoseRowsTheFlightHas) {
  // 10..100 s: altitude to 1000 m, above the run's 499 m, but not at 50 s; range until 40 s.
  const RunData data = ReadRunData(
      "t [s], H [m], X [m]\n"
      "10, 100, 5\n20, 200, 10\n30, 300, 15\n40, 400, 20\n50, , 25\n"
      "60, 600, \n70, 700, \n80, 800, \n90, 900, \n100, 1000, \n");
  ASSERT_TRUE(std::holds_alternative<MeasuredFlight>(data));
  const std::vector<MeasuredOverlay> measured{
      {std::make_shared<const MeasuredFlight>(std::get<MeasuredFlight>(data)), "flight.csv"}};
  const auto current = testing::CountingLog([](int, int j) { return j - 1.0; });
  struct Case {
    const char* what;
    std::array<int, kCurveListSize> list;
    int count;
    std::optional<AbscissaRange> zoom;
    int points;
  };
  const Case cases[] = {
      {"H over t", {0, 3}, 3, std::nullopt, 9},
      {"H and X over t", {0, 3, 7}, 4, std::nullopt, 9 + 5},
      {"H over X", {7, 3}, 3, std::nullopt, 4},
      {"V over t: no speed measured", {0, 1}, 3, std::nullopt, 0},
      {"H over V: no speed measured", {1, 3}, 3, std::nullopt, 0},
      {"H over t, zoomed to 0..35 s", {0, 3}, 3, AbscissaRange{0, 35}, 3},
  };
  for (const Case& c : cases) {
    ChartView view = PlainView(*current, c.list, c.count, kSampleCapacity, {Language::English});
    view.measured = measured;
    view.zoom = c.zoom;
    RecordingCanvas canvas;
    PaintChart(canvas, view);
    const ChartScales scales = ComputeChartScales(view);
    const LegendLayout legend = PlaceLegend(scales, Language::English);
    ASSERT_EQ(legend.texts.size(), 2u) << c.what;
    EXPECT_EQ(legend.texts.back().toStdString(), "flight.csv") << c.what;
    int points = 0;
    for (const auto* op : canvas.All(RecordingCanvas::Kind::kEllipse)) {
      if (op->brush != MeasuredColour(0)) continue;
      const QRect box(QPoint(op->x1, op->y1), QPoint(op->x2 - 1, op->y2 - 1));
      if (legend.box.contains(box)) continue;  // the legend's key
      ++points;
      EXPECT_TRUE(scales.Plot().contains(box.center())) << c.what << ": a point off the plot";
    }
    EXPECT_EQ(points, c.points) << c.what;
  }
  // The scale covers the flight where it lies above the run.
  ChartView view = PlainView(*current, {0, 3}, 3, kSampleCapacity, {});
  view.measured = measured;
  EXPECT_EQ(ComputeChartScales(view).curves.front().ymax, 1000.0);
}

}  // namespace
}  // namespace zarv

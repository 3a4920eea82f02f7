#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QPainter>

#include "charts/chart_catalogue.h"
#include "charts/chart_frame.h"
#include "charts/chart_readout.h"
#include "charts/chart_view.h"
#include "scenario/calculation.h"
#include "scenario/presets.h"

namespace {

// A chart of seven listed rows (time and six curves, one of them signed) from a real run.
void BM_DrawChartSevenRows(benchmark::State& state) {
  zarv::Scenario record;
  zarv::ApplyPreset(record, static_cast<int>(zarv::VehicleClass::Rocket), 0);
  zarv::Calculation calculation;
  calculation.Load(record);
  if (calculation.Run()) state.SkipWithError("rejected");
  const zarv::ChartEntry* chart = zarv::FindChart("ButtonP");
  zarv::ChartSettings settings;
  settings.vehicleClass = calculation.vehicleClass();
  QImage picture;
  for (auto _ : state) {
    zarv::DrawChart(calculation.log(), chart->curveList, chart->curveCount, zarv::kSampleCapacity, settings,
                    picture);
    benchmark::DoNotOptimize(picture.constBits());
  }
}
BENCHMARK(BM_DrawChartSevenRows)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

std::unique_ptr<zarv::TrajectoryLog> V2Log(double dt0) {
  zarv::Scenario record;
  zarv::ApplyPreset(record, static_cast<int>(zarv::VehicleClass::Rocket), 0);
  zarv::Calculation calculation;
  calculation.Load(record);
  calculation.Set("dt0", dt0);
  calculation.Run();
  return std::make_unique<zarv::TrajectoryLog>(calculation.log());
}

// The rocket's seven-row chart with six kept runs of other steps under it.
struct SixKept {
  std::unique_ptr<zarv::TrajectoryLog> current = V2Log(0.01);
  std::vector<zarv::KeptRun> kept;
  zarv::ChartView view;
  SixKept() {
    for (double dt0 : {0.02, 0.015, 0.008, 0.005, 0.003, 0.002}) {
      kept.push_back(zarv::KeepRun(*V2Log(dt0), "Launcher V-2, dt0 = " + std::to_string(dt0),
                                   zarv::VehicleClass::Rocket));
    }
    const zarv::ChartEntry* chart = zarv::FindChart("ButtonP");
    zarv::ChartSettings settings;
    settings.vehicleClass = zarv::VehicleClass::Rocket;
    view = zarv::PlainView(*current, chart->curveList, chart->curveCount, zarv::kSampleCapacity, settings);
    view.kept = kept;
  }
};

void BM_DrawChartSixKeptRuns(benchmark::State& state) {
  const SixKept runs;
  QImage picture;
  for (auto _ : state) {
    zarv::DrawChart(runs.view, picture);
    benchmark::DoNotOptimize(picture.constBits());
  }
}
BENCHMARK(BM_DrawChartSixKeptRuns)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

// The readout painted over a copy of the drawn chart, as on every pointer move after the
// first, which found the legend.
void BM_PaintReadoutOverChart(benchmark::State& state) {
  const SixKept runs;
  QImage chart;
  zarv::DrawChart(runs.view, chart);
  const QLocale locale(QLocale::German);
  const QRect legend = zarv::ReadChart(runs.view, 300).legend;
  int x = 300;
  for (auto _ : state) {
    QImage over = chart.copy();
    const zarv::ChartReadout readout = zarv::ReadChart(runs.view, x, legend);
    QPainter painter(&over);
    zarv::PaintReadout(painter, readout, locale);
    painter.end();
    x = x < 650 ? x + 7 : 300;
    benchmark::DoNotOptimize(over.constBits());
  }
}
BENCHMARK(BM_PaintReadoutOverChart)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

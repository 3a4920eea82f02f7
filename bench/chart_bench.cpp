#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include "charts/chart_catalogue.h"
#include "charts/chart_frame.h"
#include "scenario/presets.h"
#include "scenario/scenario_inputs.h"
#include "trajectory/trajectory_run.h"

namespace {

// A chart of seven listed rows (time and six curves, one of them signed) from a real run.
void BM_DrawChartSevenRows(benchmark::State& state) {
  zarv::Scenario record;
  zarv::ApplyPreset(record, zarv::vc::Rocket, 0);
  zarv::RunInputs inputs = zarv::InputsFromScenario(record);
  zarv::TrajectoryRun run;
  auto log = std::make_unique<zarv::TrajectoryLog>();
  run.Run(inputs, record[zarv::sf::VehicleClass], *log);
  const zarv::ChartEntry* chart = zarv::FindChart("ButtonP");
  zarv::ChartSettings settings;
  settings.vehicleClass = record[zarv::sf::VehicleClass];
  QImage picture;
  for (auto _ : state) {
    zarv::DrawChart(*log, chart->curveList, chart->curveCount, zarv::kSampleCapacity, settings,
                    picture);
    benchmark::DoNotOptimize(picture.constBits());
  }
}
BENCHMARK(BM_DrawChartSevenRows)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

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

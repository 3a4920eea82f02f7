#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include "charts/chart_catalogue.h"
#include "charts/chart_frame.h"
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

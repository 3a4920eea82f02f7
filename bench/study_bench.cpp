// A 10 000-case Monte Carlo of the V-2 preset with 1 and 2 threads. The V-2's drag comes
// from the A-4 law, so the start mass and the thrust are varied, not Cx.
#include <benchmark/benchmark.h>

#include <memory>

#include "scenario/presets.h"
#include "scenario/scenario_inputs.h"
#include "study/study_runner.h"
#include "tools/preset_case_runner.h"

namespace {

void BM_V2MonteCarlo(benchmark::State& state) {
  zarv::Scenario record;
  zarv::ApplyPreset(record, 8, 0);
  const zarv::RunInputs base = zarv::InputsFromScenario(record);
  zarv::StudyError error{};
  std::vector<zarv::Variation> vary{*zarv::ParseVariation("MassaStart=normal:2%", error),
                                    *zarv::ParseVariation("Schub=normal:3%", error)};
  const auto design = zarv::MakeMonteCarlo(std::move(vary), {base.MassaStart, base.Schub},
                                           10000, zarv::kDefaultSeed, error);
  zarv::StudyOptions options;
  options.threads = static_cast<unsigned>(state.range(0));
  for (auto _ : state) {
    const zarv::StudyResult r = zarv::RunStudy(
        *design, [&] {
          return std::make_unique<zarv::PresetCaseRunner>(zarv::VehicleClass::Rocket, zarv::RunSettings{},
                                                          base, zarv::Language::English);
        },
        options, [](const zarv::CaseRow& row) { benchmark::DoNotOptimize(row.index); });
    if (r.casesDone != 10000) state.SkipWithError("cases missing");
  }
}

BENCHMARK(BM_V2MonteCarlo)->Arg(1)->Arg(2)->Unit(benchmark::kSecond)->Iterations(1)
    ->Repetitions(3)->ReportAggregatesOnly()->UseRealTime();

}  // namespace

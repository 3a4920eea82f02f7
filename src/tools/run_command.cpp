#include <cstdio>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "scenario/calculation.h"
#include "scenario/flight_file.h"
#include "scenario/run_csv.h"
#include "texts/input_names.h"
#include "texts/model_warning_texts.h"
#include "texts/run_label.h"
#include "texts/step_check_report.h"
#include "tools/compare_runs.h"
#include "tools/overlay_files.h"
#include "tools/preset_setup.h"
#include "tools/run_charts.h"
#include "tools/run_commands.h"
#include "tools/run_failure_message.h"
#include "tools/run_outputs.h"
#include "tools/run_source.h"
#include "tools/study_words.h"
#include "trajectory/number_format.h"
#include "trust/model_warnings.h"
#include "trust/step_check.h"

namespace zarv {
namespace {

constexpr LanguageText kBadTolerance = {"--tolerance требует процент больше 0",
                                        "--tolerance verlangt Prozent über 0",
                                        "--tolerance needs a percentage above 0"};
constexpr LanguageText kWarning = {"предупреждение", "Warnung", "warning"};

// Summary lines.
constexpr LanguageText kEarth = {"Земля", "Erde", "Earth"};
constexpr LanguageText kFlat = {"плоская", "flach", "flat"};
constexpr LanguageText kRound = {"круглая", "rund", "round"};
constexpr LanguageText kIntegrator = {"интегратор", "Integrator", "integrator"};
constexpr LanguageText kSamples = {"записано отсчетов", "aufgezeichnete Werte",
                                   "samples recorded"};
constexpr LanguageText kFile = {"файл", "Datei", "file"};


void PrintSummary(std::FILE* out, const RunOptions& options, const RunSource& source,
                  const Calculation& calculation, const std::string& resultFile) {
  const Language language = options.language;
  const RunSummary& s = calculation.summary();
  const RunOutcomes o = OutcomesOf(calculation);
  const bool round = calculation.earthModel() == EarthModel::Round;
  std::fprintf(out, "%s\n", source.Heading(language).c_str());
  std::fprintf(out, "%s  %s\n", kEarth.in(language), (round ? kRound : kFlat).in(language));
  if (calculation.integrator() != Integrator::Euler) {
    std::fprintf(out, "%s  %s\n", kIntegrator.in(language),
                 DescribeIntegration(calculation.settings()).c_str());
  }
  for (const StepQuantity q : {StepQuantity::FlightTime, StepQuantity::Range, StepQuantity::PeakAltitude,
                               StepQuantity::PeakSpeed, StepQuantity::PeakLoadFactorX}) {
    const std::string unit = StepQuantityUnit(q);
    const std::string value = FormatGeneral(QuantityOf(o, q), 6) + (unit.empty() ? "" : " " + unit);
    std::fprintf(out, "%s  %s\n", StepQuantityWord(q, language).c_str(), value.c_str());
  }
  std::fprintf(out, "%s  %d\n", kSamples.in(language), s.samplesRecorded);
  std::fprintf(out, "%s  %s\n", kFile.in(language), resultFile.c_str());
}

// The main run's inputs after --preset or --flight, --earth and --set, or the exit status.
std::optional<int> SetUp(const RunOptions& options, RunSource& source, Calculation& calculation,
                         std::string& label) {
  const Language language = options.language;
  if (options.preset.empty() && options.flight.empty()) {
    return UsageError(study_words::kPresetMissing.in(language));
  }
  if (std::string problem = source.Load(options.preset, options.flight, language); !problem.empty()) {
    return UsageError(problem);
  }
  RunInputs given;
  if (std::string problem = source.SetUp(options.settings, options.sets, calculation, language, &given);
      !problem.empty()) {
    return UsageError(problem);
  }
  label = RunLabel(source.label(), calculation.inputs(), given, calculation.vehicleClass(),
                   calculation.settings(), language);
  return std::nullopt;
}

// --save-flight: the inputs as they are now, checked as a file reader will check them.
int SaveFlight(const RunOptions& options, const RunSource& source, const Calculation& calculation) {
  const Language language = options.language;
  const Flight flight = source.FlightNow(calculation);
  if (const auto problem = CheckFlight(flight)) {
    const std::string message = DescribeRejectedInput(*problem, language, flight.vehicleClass);
    std::fprintf(stderr, "zarv-run: %s\n", message.c_str());
    return kExitUsage;
  }
  const FileWriteResult written = WriteFlightFile(options.saveFlight, flight);
  if (!written.ok) return CannotWrite(language, written);
  return CheckPrinted(language);
}

}  // namespace

int RunPreset(const RunOptions& options, char** argv) {
  const Language language = options.language;
  Calculation calculation;
  RunSource source;
  std::string label;
  if (const auto status = SetUp(options, source, calculation, label)) return *status;
  if (!options.saveFlight.empty()) return SaveFlight(options, source, calculation);
  if (const auto status = CheckChartRequests(options)) return *status;
  Overlays overlays;
  if (const auto status = ReadOverlays(options, overlays)) return *status;
  double tolerance = kDefaultStepTolerance;
  if (!options.tolerance.empty()) {
    double percent = 0.0;
    if (!ParseNumber(options.tolerance, percent) || !(percent > 0.0) || !std::isfinite(percent)) {
      return UsageError(std::string(kBadTolerance.in(language)) + ": '" + options.tolerance + "'");
    }
    tolerance = percent / 100.0;
  }

  // Nothing is written before every output is known to be apart from the others and
  // open; a name that cannot be written is refused before the run.
  const std::filesystem::path resultFile = options.dir / kResultFileName;
  std::vector<std::string> outputs;
  if (!options.csv.empty()) outputs.push_back(options.csv);
  for (const ChartRequest& chart : options.charts) outputs.push_back(chart.png);
  if (const std::string clash = OutputClash(resultFile, outputs, language); !clash.empty()) {
    return UsageError(clash);
  }
  bool stdoutTaken = false;
  for (const std::string& output : outputs) stdoutTaken = stdoutTaken || IsStandardOutput(output);
  outputs.insert(outputs.begin(), resultFile.string());
  OutputFiles files;
  if (const int status = files.Open(outputs, language)) return status;

  if (const auto failure = calculation.Run()) return ReportRunFailure(*failure, calculation, language);
  std::vector<KeptRun> kept;
  if (const auto status = RunComparisons(options, source, calculation, kept)) return *status;
  for (KeptRun& run : overlays.runs) {
    run.label = UniqueKeptLabel(run.label, kept);
    kept.push_back(std::move(run));
  }
  std::optional<StepCheck> check;
  if (options.checkStep) {
    auto result = CheckStep(calculation, tolerance);
    if (auto* failure = std::get_if<RunFailure>(&result)) {
      return ReportRunFailure(*failure, calculation, language, "--check-step");
    }
    check = std::get<StepCheck>(result);
  }

  std::size_t next = 0;
  files.Put(next++, FormatResultFile(calculation.log()));
  if (!options.csv.empty()) {
    files.Put(next++, FormatRunCsv(calculation.log(), label));
  }
  if (!options.charts.empty()) {
    std::vector<std::string> pictures;
    RenderCharts(options, calculation, label, kept, overlays.measured, argv[0], pictures);
    for (std::string& picture : pictures) files.Put(next++, std::move(picture));
  }
  if (const int status = files.Commit(language)) return status;

  // With a file on standard output the texts go to standard error, apart from its bytes.
  std::FILE* text = stdoutTaken ? stderr : stdout;
  if (!options.quiet) PrintSummary(text, options, source, calculation, resultFile.string());
  if (check) std::fputs(FormatStepCheck(*check, language).c_str(), text);
  if (!overlays.measured.empty()) {
    std::fputs(DeviationReports(overlays, calculation.log(), label, language).c_str(), text);
  }
  // Nothing cancels it here: it always comes back with the warnings.
  const auto warnings = AssessRun(calculation, OutcomesOf(calculation), check ? &*check : nullptr)
                            .value_or(std::vector<ModelWarning>{});
  for (const ModelWarning& warning : warnings) {
    std::fprintf(stderr, "zarv-run: %s: %s\n", kWarning.in(language),
                 DescribeModelWarning(warning, language).c_str());
  }
  if (const int status = CheckPrinted(language)) return status;
  return check && !check->meets ? kExitCheckFailed : kExitOk;
}

}  // namespace zarv

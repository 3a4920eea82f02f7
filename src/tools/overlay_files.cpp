#include "tools/overlay_files.h"

#include <cstdio>
#include <filesystem>

#include "scenario/run_data_file.h"
#include "texts/run_data_texts.h"
#include "trajectory/flight_deviation.h"

namespace zarv {
namespace {

constexpr LanguageText kTooManyRuns = {
    "слишком много расчетов для графика: --compare и --overlay вместе не более 6",
    "zu viele Rechnungen für ein Diagramm: --compare und --overlay zusammen höchstens 6",
    "too many runs for a chart: --compare and --overlay together at most 6"};
constexpr LanguageText kTooManyFlights = {"слишком много измеренных полетов (не более 3)",
                                          "zu viele gemessene Flüge (höchstens 3)",
                                          "too many measured flights (at most 3)"};

int Refuse(const std::string& why) {
  std::fprintf(stderr, "zarv-run: %s\n", why.c_str());
  return kExitUsage;
}

}  // namespace

std::optional<int> ReadOverlays(const RunOptions& options, Overlays& overlays) {
  const Language language = options.language;
  for (const std::string& file : options.overlays) {
    RunData data = ReadRunDataFile(file);
    if (const auto* problem = std::get_if<RunDataProblem>(&data)) {
      return Refuse(DescribeRunDataProblem(*problem, file, language));
    }
    const std::string name = std::filesystem::path(file).filename().string();
    if (auto* run = std::get_if<RunFromFile>(&data)) {
      if (options.compares.size() + overlays.runs.size() >= static_cast<std::size_t>(kMaxKeptRuns)) {
        return Refuse(kTooManyRuns.in(language));
      }
      overlays.runs.push_back(
          KeptRun{run->log, run->label.empty() ? name : run->label, VehicleClass::None, run->rows});
    } else {
      if (overlays.measured.size() >= static_cast<std::size_t>(kMaxMeasuredFlights)) {
        return Refuse(kTooManyFlights.in(language));
      }
      overlays.measured.push_back(
          {std::make_shared<const MeasuredFlight>(std::move(std::get<MeasuredFlight>(data))), name});
    }
  }
  return std::nullopt;
}

std::string DeviationReports(const Overlays& overlays, const TrajectoryLog& run, const std::string& runLabel,
                             Language language) {
  std::string text;
  for (const MeasuredOverlay& flight : overlays.measured) {
    if (!text.empty()) text += "\n";
    text += FormatDeviationReport(*flight.flight, DeviationFromMeasured(run, *flight.flight), flight.label,
                                  runLabel, language);
  }
  return text;
}

}  // namespace zarv

#include "tools/compare_runs.h"

#include <cstdio>

#include "texts/form_captions.h"
#include "texts/run_label.h"
#include "tools/preset_setup.h"
#include "tools/run_failure_message.h"

namespace zarv {
namespace {

constexpr LanguageText kBadCompare = {"неверное сравнение", "ungültiger Vergleich",
                                   "invalid comparison"};
constexpr LanguageText kTooMany = {"слишком много --compare (не более 6)",
                                   "zu viele --compare (höchstens 6)",
                                   "too many --compare (at most 6)"};

int BadCompare(const std::string& request, const std::string& why, Language language) {
  return UsageError(std::string(kBadCompare.in(language)) + " '" + request + "'" +
                    (why.empty() ? "" : ": " + why));
}

}  // namespace

bool ParseCompareRequest(const std::string& text, CompareRequest& request) {
  request = {};
  std::size_t start = 0;
  for (bool first = true;; first = false) {
    const std::size_t end = text.find(',', start);
    const std::string part = text.substr(start, end - start);
    if (first && part.find('=') == std::string::npos) {
      // Left out: the main run.
      const std::size_t colon = part.find(':');
      const bool preset = colon != std::string::npos && colon > 0 && colon + 1 < part.size() &&
                          part.find_first_not_of("0123456789:") == std::string::npos &&
                          part.find(':', colon + 1) == std::string::npos;
      (preset ? request.preset : request.flight) = part;
    } else if (part.find('=') == std::string::npos || part.front() == '=') {
      return false;
    } else {
      request.sets.push_back(part);
    }
    if (end == std::string::npos) return !text.empty();
    start = end + 1;
  }
}

std::optional<int> RunComparisons(const RunOptions& options, const RunSource& mainSource,
                                  const Calculation& main, std::vector<KeptRun>& kept) {
  const Language language = options.language;
  if (options.compares.size() > static_cast<std::size_t>(kMaxKeptRuns)) {
    return UsageError(kTooMany.in(language));
  }
  for (const std::string& text : options.compares) {
    CompareRequest request;
    if (!ParseCompareRequest(text, request)) return BadCompare(text, "", language);
    Calculation run;
    std::string label;
    RunInputs base;
    if (request.preset.empty() && request.flight.empty()) {
      run.inputs() = main.inputs();
      run.setVehicleClass(main.vehicleClass());
      base = main.inputs();
      label = mainSource.label();
    } else {
      RunSource source;
      if (std::string problem = source.Load(request.preset, request.flight, language); !problem.empty()) {
        return BadCompare(text, problem, language);
      }
      source.ApplyTo(run);
      base = run.inputs();
      label = source.label();
    }
    // Every run of one chart is computed as the main run is: its Earth and integrator.
    run.setSettings(main.settings());
    for (const std::string& set : request.sets) {
      if (const std::string problem = ApplySet(set, run, language); !problem.empty()) {
        return BadCompare(text, problem, language);
      }
    }
    // Labelled before the run: a balloon's run rewrites its area.
    label = RunLabel(label, run.inputs(), base, run.vehicleClass(), run.settings(), language);
    if (const auto failure = run.Run()) return ReportRunFailure(*failure, run, language, text);
    kept.push_back(KeepRun(run.log(), UniqueKeptLabel(label, kept), run.vehicleClass()));
  }
  return std::nullopt;
}

}  // namespace zarv

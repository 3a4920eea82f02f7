#include "tools/compare_runs.h"

#include <cstdio>

#include "scenario/presets.h"
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
      // Left out: the main run's preset.
      if (!part.empty() && part.find(':') == std::string::npos) return false;
      request.preset = part;
    } else if (part.find('=') == std::string::npos || part.front() == '=') {
      return false;
    } else {
      request.sets.push_back(part);
    }
    if (end == std::string::npos) return !text.empty();
    start = end + 1;
  }
}

std::optional<int> RunComparisons(const RunOptions& options, const Calculation& main,
                                  std::vector<KeptRun>& kept) {
  const Language language = options.language;
  if (options.compares.size() > static_cast<std::size_t>(kMaxKeptRuns)) {
    return UsageError(kTooMany.in(language));
  }
  for (const std::string& text : options.compares) {
    CompareRequest request;
    if (!ParseCompareRequest(text, request)) return BadCompare(text, "", language);
    Calculation run;
    run.setSettings(main.settings());
    std::string label;
    RunInputs base;
    if (request.preset.empty()) {
      run.inputs() = main.inputs();
      run.setVehicleClass(main.vehicleClass());
      base = main.inputs();
      int cls = 0, item = 0;
      Scenario record;
      if (LoadPreset(options.preset, record, cls, item)) label = PresetLabel(cls, item);
    } else {
      Scenario record;
      int cls = 0, item = 0;
      if (!LoadPreset(request.preset, record, cls, item)) {
        return BadCompare(text, "CLASS:ITEM (zarv-run --list)", language);
      }
      run.Load(record);
      base = run.inputs();
      label = PresetLabel(cls, item);
    }
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

#include "tools/study_options.h"

#include <cstdio>

#include "tools/option_words.h"
#include "tools/run_options.h"
#include "tools/study_words.h"

namespace zarv {
namespace {

using namespace option_words;

constexpr const char* kUsage =
    "       zarv-run SOURCE [--set NAME=V]... [--earth E] [--integrator I [--rtol R] [--atol A]]\n"
    "                --sweep NAME=FROM:TO:N|NAME=V1,V2,...\n"
    "                [--sweep ...] [--threads N] [--shard I/N] [--out FILE.csv]\n"
    "                [--study-chart FILE.png|.svg|.pdf [--outcomes a,b]]\n"
    "       zarv-run SOURCE --monte-carlo N --vary NAME=normal:SD[%]|NAME=uniform:LO:HI\n"
    "                [--vary ...] [--seed S] [--threads N] [--shard I/N] [--out FILE.csv]\n"
    "       zarv-run --merge A.csv B.csv ... --out ALL.csv [--allow-partial]\n"
    "SOURCE is --preset CLASS:ITEM or --flight FILE.\n";

// Options that only a study or a merge takes; the forms by which messages name them first.
constexpr std::string_view kStudyOnly[] = {"--merge",  "--sweep", "--monte-carlo", "--vary",
                                           "--seed",   "--threads", "--shard",     "--out",
                                           "--study-chart", "--outcomes", "--allow-partial"};

bool In(std::initializer_list<std::string_view> list, std::string_view a) {
  for (std::string_view item : list) {
    if (item == a) return true;
  }
  return false;
}

// The option a form is named by in messages: the first of kStudyOnly the arguments hold.
std::string_view FormOf(std::span<const std::string_view> args) {
  for (std::string_view form : kStudyOnly) {
    for (std::string_view a : args) {
      if (a == form) return form;
    }
  }
  return {};
}

}  // namespace

bool IsStudyCommand(std::span<const std::string_view> args) { return !FormOf(args).empty(); }

int StudyUsageError(const std::string& what) {
  std::fprintf(stderr, "zarv-run: %s\n%s", what.c_str(), kUsage);
  return kExitUsage;
}

std::optional<int> ParseStudyRequest(std::span<const std::string_view> args, Language language,
                                     StudyRequest& r) {
  const std::string_view form = FormOf(args);
  const bool merge = form == "--merge";
  const auto refuse = [&](std::string_view option, const LanguageText& words, std::string_view other) {
    return StudyUsageError(OptionMessage(option, words, other, language));
  };
  std::vector<std::string_view> given;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view a = args[i];
    std::string* single = a == "--preset"        ? &r.preset
                          : a == "--flight"      ? &r.flight
                          : a == "--monte-carlo" ? &r.monteCarlo
                          : a == "--seed"        ? &r.seed
                          : a == "--threads"     ? &r.threads
                          : a == "--shard"       ? &r.shard
                          : a == "--out"         ? &r.out
                          : a == "--study-chart" ? &r.chart
                          : a == "--outcomes"    ? &r.outcomes
                                                 : nullptr;
    std::vector<std::string>* many = a == "--set"     ? &r.sets
                                     : a == "--sweep" ? &r.sweeps
                                     : a == "--vary"  ? &r.varies
                                                      : nullptr;
    const bool setting = IsRunSettingOption(a);
    const bool known = single != nullptr || many != nullptr || setting ||
                       In({"--merge", "--allow-partial", "--lang"}, a);
    if (!known && IsRunOption(a)) return refuse(a, kDoesNotGoWith, form);
    if (!known) return StudyUsageError(std::string(kUnknownArgument.in(language)) + " '" + std::string(a) + "'");
    if (many == nullptr) {
      for (std::string_view g : given) {
        if (g == a) return StudyUsageError(std::string(a) + " " + kGivenTwice.in(language));
      }
    }
    given.push_back(a);
    // A merge takes its tables, --out and --allow-partial; a study everything else.
    const bool mergeOnly = a == "--merge" || a == "--allow-partial";
    if (merge && !mergeOnly && a != "--out" && a != "--lang") return refuse(a, kDoesNotGoWith, form);
    if (!merge && mergeOnly) return refuse(a, kNeeds, "--merge");
    if (a == "--allow-partial") {
      r.allowPartial = true;
      continue;
    }
    if (a == "--merge") {
      while (i + 1 < args.size() && !args[i + 1].starts_with("--")) {
        if (args[i + 1].empty()) return StudyUsageError(ValueMessage(kEmptyValue, a, language));
        r.merge.emplace_back(args[++i]);
      }
      if (r.merge.empty()) return StudyUsageError(ValueMessage(kMissingValue, a, language));
      continue;
    }
    if (i + 1 >= args.size()) return StudyUsageError(ValueMessage(kMissingValue, a, language));
    const std::string value(args[++i]);
    if (value.empty()) return StudyUsageError(ValueMessage(kEmptyValue, a, language));
    if (single != nullptr) *single = value;
    if (many != nullptr) many->push_back(value);
    if (setting) {
      if (const std::string problem = ApplyRunSetting(a, value, r.settings, language); !problem.empty()) {
        return StudyUsageError(problem);
      }
    }
  }
  if (merge) {
    if (r.out.empty()) return StudyUsageError(study_words::kMergeNeedsOut.in(language));
    return std::nullopt;
  }
  const bool sweep = !r.sweeps.empty();
  const bool monteCarlo = !r.monteCarlo.empty() || !r.varies.empty();
  if (sweep == monteCarlo) return StudyUsageError(study_words::kSweepOrMonteCarlo.in(language));
  if (sweep && !r.seed.empty()) return refuse("--seed", kDoesNotGoWith, "--sweep");
  if (!sweep && r.monteCarlo.empty()) return refuse("--vary", kNeeds, "--monte-carlo N");
  if (!sweep && r.varies.empty()) return refuse("--monte-carlo", kNeeds, "--vary");
  if (!r.outcomes.empty() && r.chart.empty()) return refuse("--outcomes", kNeeds, "--study-chart");
  if (r.preset.empty() && r.flight.empty()) return StudyUsageError(study_words::kPresetMissing.in(language));
  if (!r.preset.empty() && !r.flight.empty()) return refuse("--flight", kDoesNotGoWith, "--preset");
  return std::nullopt;
}

}  // namespace zarv

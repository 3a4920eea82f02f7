#include "tools/run_options.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "scenario/program_info.h"
#include "tools/option_words.h"
#include "tools/run_outputs.h"

namespace zarv {
namespace {

constexpr const char* kUsage =
    "usage: zarv-run --list\n"
    "       zarv-run --atmosphere H\n"
    "       zarv-run SOURCE [--set NAME=VALUE]... [--dir DIR] [--csv FILE]\n"
    "                [--chart NAME --png FILE [--xrange FROM:TO]]... [--compare RUN]...\n"
    "                [--overlay FILE]...\n"
    "                [--earth flat|round] [--integrator euler|rk4|adaptive [--rtol R] [--atol A]]\n"
    "                [--check-step [--tolerance PERCENT]] [--quiet]\n"
    "                [--lang ru|de|en]\n"
    "       zarv-run SOURCE [--set NAME=VALUE]... [--earth flat|round] --save-flight FILE\n"
    "       zarv-run --validate [--lang ru|de|en]\n"
    "       zarv-run SOURCE (--sweep NAME=FROM:TO:N | --monte-carlo N --vary NAME=DIST)...\n"
    "                [--seed S] [--threads N] [--shard I/N] [--out FILE.csv] [--study-chart FILE]\n"
    "       zarv-run --merge A.csv B.csv ... --out ALL.csv [--allow-partial]\n"
    "       zarv-run --help | --version\n"
    "FILE - is standard output; a picture's format follows its extension (.png, .svg, .pdf).\n"
    "SOURCE is --preset CLASS:ITEM or --flight FILE (a flight file, .zarv).\n"
    "RUN is [CLASS:ITEM|FILE][,NAME=VALUE...]: a further run, the main one when left out.\n"
    "Exit status: 0 done, 1 file not written, 2 usage or rejected input, 3 run diverged,\n"
    "4 step check or validation missed, 128+N a study stopped by signal N (130: Ctrl-C).\n";

// Every option with one line each, as `--help` prints it.
constexpr const char* kHelp =
    "Runs ZARV's presets, checks and studies without the windows.\n"
    "\n"
    "  --list                     list the presets as CLASS:ITEM\n"
    "  --atmosphere H             print the standard atmosphere at altitude H (m)\n"
    "  --preset CLASS:ITEM        the preset to run\n"
    "  --flight FILE              the flight file to run, in place of a preset\n"
    "  --save-flight FILE         write the inputs (after --set) as a flight file; no run\n"
    "  --set NAME=VALUE           set one input by its name (repeatable)\n"
    "  --earth flat|round         the Earth model of the run (default: the flight's, flat)\n"
    "  --integrator NAME          euler, rk4 (both at the step dt0) or adaptive (default: the\n"
    "                             flight's, euler)\n"
    "  --rtol R                   the adaptive method's relative tolerance (default 1e-6)\n"
    "  --atol A                   its absolute tolerance, one for every state variable in SI\n"
    "                             units (default: 1e-6 m, 1e-9 m/s, 1e-9 rad, 1e-9 kg)\n"
    "  --dir DIR                  where Zarv_500.txt goes (default: the current folder)\n"
    "  --csv FILE                 also write all 31 recorded rows as CSV (- : standard output)\n"
    "  --chart NAME               draw a chart: a chart button's name or default\n"
    "  --png FILE                 where the chart goes: .png, .svg or .pdf (- : PNG to stdout)\n"
    "  --xrange FROM:TO           draw the chart for that abscissa range\n"
    "  --compare RUN              draw a further run on every chart (repeatable)\n"
    "  --overlay FILE             draw a saved run or a measured flight on every chart and\n"
    "                             print the run's deviation from the flight (repeatable)\n"
    "  --quiet                    no summary; model warnings still go to standard error\n"
    "  --check-step               compare runs at dt0, dt0/2, dt0/4 (adaptive: rtol, /10, /100)\n"
    "  --tolerance PERCENT        the step check's tolerance (default 1)\n"
    "  --validate                 print the validation report\n"
    "  --sweep NAME=FROM:TO:N     a study over N values of an input (or NAME=V1,V2,...)\n"
    "  --monte-carlo N            a study of N cases with inputs drawn per case\n"
    "  --vary NAME=DIST           normal:SD, normal:SD% or uniform:LO:HI (repeatable)\n"
    "  --seed S                   the seed of the draws, 0 to 2^64-1\n"
    "  --threads N                cases in parallel, 1 to 1024 (default: all cores)\n"
    "  --shard I/N                run only the cases k with k mod N = I\n"
    "  --out FILE.csv             the table of cases (with --merge: the merged table)\n"
    "  --study-chart FILE         draw the study (.png, .svg, .pdf)\n"
    "  --outcomes LIST            the outcomes the study chart shows, comma-separated\n"
    "  --merge A.csv B.csv ...    merge shard tables into --out and print the summary\n"
    "  --allow-partial            with --merge: merge although cases are missing\n"
    "  --lang ru|de|en            the language of the messages (default en)\n"
    "  --help                     print this help\n"
    "  --version                  print the version\n";

constexpr LanguageText kPngAfterChart = {"--png должен следовать за --chart",
                                         "--png muss auf --chart folgen",
                                         "--png must follow --chart"};
constexpr LanguageText kXrangeAfterChart = {"--xrange должен следовать за --chart",
                                            "--xrange muss auf --chart folgen",
                                            "--xrange must follow --chart"};
constexpr LanguageText kNeedsPositive = {"требует число больше 0", "verlangt eine Zahl über 0",
                                         "needs a number above 0"};

// The options of the run form; --set, --chart, --compare and --overlay may come again, --png and
// --xrange once per --chart.
constexpr std::string_view kFlags[] = {"--list", "--check-step", "--validate", "--quiet"};
constexpr std::string_view kValued[] = {"--atmosphere", "--preset",     "--set",     "--dir",
                                        "--csv",        "--lang",       "--chart",   "--png",
                                        "--xrange",     "--compare",    "--earth",   "--tolerance",
                                        "--integrator", "--rtol",       "--atol",    "--flight",
                                        "--save-flight", "--overlay"};
constexpr std::string_view kRepeatable[] = {"--set", "--chart", "--compare", "--overlay", "--png", "--xrange"};
// What --save-flight takes besides itself.
constexpr std::string_view kSaveFlightTakes[] = {"--preset", "--flight",     "--set",  "--earth",
                                                 "--integrator", "--rtol", "--atol", "--lang"};
// Forms that take nothing but --lang.
constexpr std::string_view kAlone[] = {"--list", "--atmosphere", "--validate"};

template <std::size_t N>
bool In(const std::string_view (&list)[N], std::string_view a) {
  for (std::string_view item : list) {
    if (item == a) return true;
  }
  return false;
}

bool Given(std::span<const std::string_view> given, std::string_view option) {
  for (std::string_view g : given) {
    if (g == option) return true;
  }
  return false;
}

// Refuses options that the form given ignores, and options without their partner.
std::optional<int> CheckCombination(std::span<const std::string_view> given, Language language) {
  using namespace option_words;
  for (std::string_view form : kAlone) {
    if (!Given(given, form)) continue;
    for (std::string_view other : given) {
      if (other != form && other != "--lang") {
        return UsageError(OptionMessage(other, kDoesNotGoWith, form, language));
      }
    }
  }
  if (Given(given, "--flight") && Given(given, "--preset")) {
    return UsageError(OptionMessage("--flight", kDoesNotGoWith, "--preset", language));
  }
  // Saving a flight runs nothing, so nothing that belongs to a run goes with it.
  if (Given(given, "--save-flight")) {
    for (std::string_view other : given) {
      if (other != "--save-flight" && !In(kSaveFlightTakes, other)) {
        return UsageError(OptionMessage(other, kDoesNotGoWith, "--save-flight", language));
      }
    }
  }
  if (Given(given, "--tolerance") && !Given(given, "--check-step")) {
    return UsageError(OptionMessage("--tolerance", kNeeds, "--check-step", language));
  }
  if (Given(given, "--compare") && !Given(given, "--chart")) {
    return UsageError(OptionMessage("--compare", kNeeds, "--chart", language));
  }
  return std::nullopt;
}

}  // namespace

bool IsRunSettingOption(std::string_view option) {
  return option == "--earth" || option == "--integrator" || option == "--rtol" || option == "--atol";
}

RunSettings RunSettingChoices::Over(RunSettings settings) const {
  if (earth) settings.earth = *earth;
  if (integrator) settings.integrator = *integrator;
  if (rtol) settings.rtol = *rtol;
  if (atol) settings.atol = *atol;
  return settings;
}

std::string ApplyRunSettings(const RunSettingChoices& choices, Calculation& calculation, Language language) {
  const RunSettings settings = choices.Over(calculation.settings());
  // The tolerances steer the adaptive method alone.
  for (const auto& [option, given] : {std::pair{"--rtol", choices.rtol.has_value()},
                                      std::pair{"--atol", choices.atol.has_value()}}) {
    if (given && settings.integrator != Integrator::Adaptive) {
      return option_words::OptionMessage(option, option_words::kNeeds, "--integrator adaptive", language);
    }
  }
  calculation.setSettings(settings);
  return {};
}

std::string ApplyRunSetting(std::string_view option, std::string_view value, RunSettingChoices& settings,
                            Language language) {
  if (option == "--earth") {
    if (value != "flat" && value != "round") return "--earth flat|round";
    settings.earth = value == "flat" ? EarthModel::Flat : EarthModel::Round;
    return "";
  }
  if (option == "--integrator") {
    const std::optional<Integrator> integrator = IntegratorFromName(value);
    if (!integrator) return "--integrator euler|rk4|adaptive";
    settings.integrator = *integrator;
    return "";
  }
  double number = 0.0;
  if (!ParseNumber(value, number) || !(number > 0.0) || !std::isfinite(number)) {
    return std::string(option) + " " + kNeedsPositive.in(language) + ": '" + std::string(value) + "'";
  }
  if (option == "--rtol") settings.rtol = number;
  if (option == "--atol") settings.atol = number;
  return "";
}

std::optional<int> ParseLanguage(std::span<const std::string_view> args, Language& language) {
  bool seen = false;
  for (std::size_t i = 0; i + 1 < args.size(); ++i) {
    if (args[i] != "--lang") continue;
    if (seen) return UsageError(std::string("--lang ") + option_words::kGivenTwice.in(language));
    seen = true;
    if (args[i + 1] == "ru") language = Language::Russian;
    else if (args[i + 1] == "de") language = Language::German;
    else if (args[i + 1] == "en") language = Language::English;
    else return UsageError("--lang ru|de|en");
  }
  return std::nullopt;
}

bool IsRunOption(std::string_view a) { return In(kFlags, a) || In(kValued, a); }

int UsageError(const std::string& what) {
  std::fprintf(stderr, "zarv-run: %s\n%s", what.c_str(), kUsage);
  return kExitUsage;
}

bool ParseNumber(std::string_view text, double& value) {
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value);
  return result.ec == std::errc() && result.ptr == end && !text.empty();
}

bool ParseInt(std::string_view text, int& value) {
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value);
  return result.ec == std::errc() && result.ptr == end && !text.empty();
}

std::optional<int> ParseRunOptions(std::span<const std::string_view> args, RunOptions& options) {
  using namespace option_words;
  // The language comes first so that every later message uses it.
  if (const auto status = ParseLanguage(args, options.language)) return status;
  const Language language = options.language;

  std::vector<std::string_view> given;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view a = args[i];
    if (a == "--help" || a == "-h") {
      std::printf("%s\n%s", kUsage, kHelp);
      return CheckPrinted(language);
    }
    if (a == "--version") {
      std::printf("zarv-run %s\n", kVersion);
      return CheckPrinted(language);
    }
    if (!IsRunOption(a)) {
      return UsageError(std::string(kUnknownArgument.in(language)) + " '" + std::string(a) + "'");
    }
    if (!In(kRepeatable, a) && Given(given, a)) {
      return UsageError(std::string(a) + " " + kGivenTwice.in(language));
    }
    given.push_back(a);
    if (In(kFlags, a)) {
      (a == "--list" ? options.list : a == "--check-step" ? options.checkStep
                                    : a == "--validate"   ? options.validate
                                                          : options.quiet) = true;
      continue;
    }
    if (i + 1 >= args.size()) return UsageError(ValueMessage(kMissingValue, a, language));
    const std::string value(args[++i]);
    if (value.empty()) return UsageError(ValueMessage(kEmptyValue, a, language));
    if (a == "--atmosphere") options.atmosphere = value;
    else if (a == "--preset") options.preset = value;
    else if (a == "--flight") options.flight = value;
    else if (a == "--save-flight") options.saveFlight = value;
    else if (a == "--set") options.sets.push_back(value);
    else if (a == "--dir") options.dir = value;
    else if (a == "--csv") options.csv = value;
    else if (a == "--chart") options.charts.push_back({value, "", ""});
    else if (a == "--compare") options.compares.push_back(value);
    else if (a == "--overlay") options.overlays.push_back(value);
    else if (a == "--tolerance") options.tolerance = value;
    else if (IsRunSettingOption(a)) {
      if (const std::string problem = ApplyRunSetting(a, value, options.settings, language);
          !problem.empty()) {
        return UsageError(problem);
      }
    } else if (a == "--xrange") {
      if (options.charts.empty() || !options.charts.back().xrange.empty()) {
        return UsageError(kXrangeAfterChart.in(language));
      }
      options.charts.back().xrange = value;
    } else if (a == "--png") {
      if (options.charts.empty() || !options.charts.back().png.empty()) {
        return UsageError(kPngAfterChart.in(language));
      }
      options.charts.back().png = value;
    }
  }
  return CheckCombination(given, language);
}

}  // namespace zarv

#include "tools/run_options.h"

#include <charconv>
#include <cstdio>

namespace zarv {
namespace {

constexpr const char* kUsage =
    "usage: zarv-run --list\n"
    "       zarv-run --atmosphere H\n"
    "       zarv-run --preset CLASS:ITEM [--set NAME=VALUE]... [--dir DIR] [--csv FILE]\n"
    "                [--chart NAME --png FILE [--xrange FROM:TO]]... [--compare SPEC]...\n"
    "                [--earth flat|round] [--check-step [--tolerance PERCENT]] [--quiet]\n"
    "                [--lang ru|de|en]\n"
    "       zarv-run --validate [--lang ru|de|en]\n"
    "FILE - is standard output; a picture's format follows its extension (.png, .svg, .pdf).\n"
    "SPEC is [CLASS:ITEM][,NAME=VALUE...]: a further run, the main preset when left out.\n"
    "Exit status: 0 done, 1 file not written, 2 usage or rejected input, 3 run diverged,\n"
    "4 step check or validation missed.\n";

constexpr LanguageText kNeedsValue = {"требуется значение для", "Wert fehlt für",
                                      "missing value for"};
constexpr LanguageText kPngAfterChart = {"--png должен следовать за --chart",
                                         "--png muss auf --chart folgen",
                                         "--png must follow --chart"};
constexpr LanguageText kXrangeAfterChart = {"--xrange должен следовать за --chart",
                                            "--xrange muss auf --chart folgen",
                                            "--xrange must follow --chart"};
constexpr LanguageText kUnknownArgument = {"неизвестный аргумент", "unbekanntes Argument",
                                           "unknown argument"};

bool TakesValue(std::string_view a) {
  return a == "--atmosphere" || a == "--preset" || a == "--set" || a == "--dir" ||
         a == "--csv" || a == "--lang" || a == "--chart" || a == "--png" || a == "--xrange" ||
         a == "--compare" || a == "--earth" || a == "--tolerance";
}

}  // namespace

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
  // The language comes first so that every later message uses it.
  for (std::size_t i = 0; i + 1 < args.size(); ++i) {
    if (args[i] != "--lang") continue;
    if (args[i + 1] == "ru") options.language = Language::Russian;
    else if (args[i + 1] == "de") options.language = Language::German;
    else if (args[i + 1] == "en") options.language = Language::English;
    else return UsageError("--lang ru|de|en");
  }
  const Language language = options.language;

  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view a = args[i];
    if (a == "--list" || a == "--check-step" || a == "--validate" || a == "--quiet") {
      (a == "--list" ? options.list : a == "--check-step" ? options.checkStep
                                    : a == "--validate"   ? options.validate
                                                          : options.quiet) = true;
      continue;
    }
    if (a == "--help" || a == "-h") {
      std::printf("%s", kUsage);
      return kExitOk;
    }
    if (!TakesValue(a)) {
      return UsageError(std::string(kUnknownArgument.in(language)) + " '" + std::string(a) + "'");
    }
    if (i + 1 >= args.size()) {
      return UsageError(std::string(kNeedsValue.in(language)) + " " + std::string(a));
    }
    const std::string value(args[++i]);
    if (a == "--atmosphere") options.atmosphere = value;
    else if (a == "--preset") options.preset = value;
    else if (a == "--set") options.sets.push_back(value);
    else if (a == "--dir") options.dir = value;
    else if (a == "--csv") options.csv = value;
    else if (a == "--chart") options.charts.push_back({value, "", ""});
    else if (a == "--compare") options.compares.push_back(value);
    else if (a == "--tolerance") options.tolerance = value;
    else if (a == "--earth") {
      if (value != "flat" && value != "round") return UsageError("--earth flat|round");
      options.earth = value == "flat" ? EarthModel::Flat : EarthModel::Round;
    } else if (a == "--xrange") {
      if (options.charts.empty() || !options.charts.back().xrange.empty()) {
        return UsageError(kXrangeAfterChart.in(language));
      }
      options.charts.back().xrange = value;
    }
    else if (a == "--png") {
      if (options.charts.empty() || !options.charts.back().png.empty()) {
        return UsageError(kPngAfterChart.in(language));
      }
      options.charts.back().png = value;
    }
  }
  return std::nullopt;
}

}  // namespace zarv

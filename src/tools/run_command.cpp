#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include <QGuiApplication>

#include "charts/chart_catalogue.h"
#include "charts/chart_png.h"
#include "scenario/calculation.h"
#include "scenario/presets.h"
#include "texts/run_messages.h"
#include "trajectory/log_csv.h"
#include "tools/run_commands.h"
#include "trajectory/number_format.h"

namespace zarv {
namespace {

constexpr LanguageText kNoSuchPreset = {"нет такого примера", "kein solches Beispiel",
                                        "no such preset"};
constexpr LanguageText kUnknownInput = {"неизвестный ввод", "unbekannte Eingabe",
                                        "unknown input"};
constexpr LanguageText kNotANumber = {"не число", "keine Zahl", "not a number"};
constexpr LanguageText kNoPng = {"нет --png для", "kein --png für", "no --png for"};
constexpr LanguageText kNoSuchChart = {"нет такого графика", "kein solches Diagramm",
                                       "no such chart"};
constexpr LanguageText kPresetMissing = {"не указан --preset", "--preset fehlt",
                                         "--preset is missing"};
constexpr LanguageText kCannotWrite = {"не удалось записать", "kann nicht schreiben",
                                       "cannot write"};

// Summary lines.
constexpr LanguageText kPreset = {"пример", "Beispiel", "preset"};
constexpr LanguageText kFlightTime = {"время полета", "Flugzeit", "flight time"};
constexpr LanguageText kRange = {"дальность", "Reichweite", "range"};
constexpr LanguageText kPeakAltitude = {"макс. высота", "max. Höhe", "peak altitude"};
constexpr LanguageText kPeakSpeed = {"макс. скорость", "max. Geschwindigkeit", "peak speed"};
constexpr LanguageText kSamples = {"записано отсчетов", "aufgezeichnete Werte",
                                   "samples recorded"};
constexpr LanguageText kFile = {"файл", "Datei", "file"};

int CannotWrite(Language language, const std::string& path, const std::string& reason) {
  std::fprintf(stderr, "zarv-run: %s %s: %s\n", kCannotWrite.in(language), path.c_str(),
               reason.c_str());
  return kExitFile;
}

// "CLASS:ITEM" into the record; false for anything that names no preset line.
bool LoadPreset(const std::string& preset, Scenario& record) {
  const std::size_t colon = preset.find(':');
  int cls = 0, item = 0;
  return colon != std::string::npos &&
         ParseInt(std::string_view(preset).substr(0, colon), cls) &&
         ParseInt(std::string_view(preset).substr(colon + 1), item) &&
         ApplyPreset(record, cls, item);
}

// NAME=VALUE into the inputs; a usage message when it cannot be, empty when done.
std::string ApplySet(const std::string& set, Calculation& calculation, Language language) {
  const std::size_t eq = set.find('=');
  const std::string name = set.substr(0, eq);
  double value = 0.0;
  const bool number = eq != std::string::npos &&
                      ParseNumber(std::string_view(set).substr(eq + 1), value);
  // The name is judged first: a wrong name is the message even when the value is no
  // number. The run does not go ahead after either message, so a NaN left behind is harmless.
  if (eq == std::string::npos || !calculation.Set(name, number ? value : NAN)) {
    return std::string(kUnknownInput.in(language)) + " '" + name + "'";
  }
  if (!number) {
    return std::string(kNotANumber.in(language)) + ": " + name + "='" + set.substr(eq + 1) + "'";
  }
  return {};
}

int WriteCharts(const RunOptions& options, const Calculation& calculation, char** argv) {
  // Charts need fonts and a paint device, not a screen.
  if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr &&
      std::getenv("WAYLAND_DISPLAY") == nullptr) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  }
  int qtArgc = 1;
  QGuiApplication app(qtArgc, argv);
  const ChartSettings settings{options.language, calculation.vehicleClass()};
  for (const ChartRequest& chart : options.charts) {
    const ChartEntry entry = chart.name == "default" ? DefaultChart(calculation.vehicleClass())
                                                     : *FindChart(chart.name);
    std::string error;
    if (!WriteChartPng(calculation.log(), entry, settings, chart.png, error)) {
      return CannotWrite(options.language, chart.png, error);
    }
  }
  return kExitOk;
}

}  // namespace

int RunPreset(const RunOptions& options, char** argv) {
  const Language language = options.language;
  if (options.preset.empty()) return UsageError(kPresetMissing.in(language));

  Scenario record;
  if (!LoadPreset(options.preset, record)) {
    return UsageError(std::string(kNoSuchPreset.in(language)) + " '" + options.preset +
                      "' (zarv-run --list)");
  }
  Calculation calculation;
  calculation.Load(record);
  for (const std::string& set : options.sets) {
    if (const std::string problem = ApplySet(set, calculation, language); !problem.empty()) {
      return UsageError(problem);
    }
  }
  for (const ChartRequest& chart : options.charts) {
    if (chart.png.empty()) {
      return UsageError(std::string(kNoPng.in(language)) + " --chart " + chart.name);
    }
    if (chart.name != "default" && FindChart(chart.name) == nullptr) {
      return UsageError(std::string(kNoSuchChart.in(language)) + " '" + chart.name + "'");
    }
  }

  if (const auto error = calculation.Run()) {
    std::fprintf(stderr, "zarv-run: %s\n", DescribeRunFailure(*error, language).c_str());
    return kExitUsage;
  }
  const FileWriteResult written = calculation.WriteResultFile(options.dir);
  if (!written.ok) return CannotWrite(language, written.path.string(), written.reason);
  if (!options.csv.empty()) {
    const FileWriteResult csv = WriteFileReplacing(options.csv, FormatLogCsv(calculation.log()));
    if (!csv.ok) return CannotWrite(language, csv.path.string(), csv.reason);
  }
  if (!options.charts.empty()) {
    if (const int status = WriteCharts(options, calculation, argv); status != kExitOk) {
      return status;
    }
  }

  const RunSummary& s = calculation.summary();
  std::printf("%s  %s\n", kPreset.in(language), options.preset.c_str());
  std::printf("%s  %s s\n", kFlightTime.in(language), FormatGeneral(s.flightTime, 6).c_str());
  std::printf("%s  %s m\n", kRange.in(language), FormatGeneral(s.range, 6).c_str());
  std::printf("%s  %s m\n", kPeakAltitude.in(language), FormatGeneral(s.peakAltitude, 6).c_str());
  std::printf("%s  %s m/s\n", kPeakSpeed.in(language), FormatGeneral(s.peakSpeed, 6).c_str());
  std::printf("%s  %d\n", kSamples.in(language), s.samplesRecorded);
  std::printf("%s  %s\n", kFile.in(language), written.path.c_str());
  return kExitOk;
}

}  // namespace zarv

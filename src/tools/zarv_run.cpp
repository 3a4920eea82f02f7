// zarv-run: runs a preset without the windows, for scripts and machines without a display.
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <QGuiApplication>

#include "charts/chart_catalogue.h"
#include "charts/chart_png.h"
#include "flight_model/standard_atmosphere.h"
#include "scenario/presets.h"
#include "scenario/scenario_inputs.h"
#include "tools/study_command.h"
#include "trajectory/input_check.h"
#include "trajectory/number_format.h"
#include "trajectory/result_file.h"
#include "trajectory/trajectory_run.h"

namespace {

using zarv::kEnglish;
using zarv::kGerman;
using zarv::kRussian;

constexpr int kExitOk = 0;
constexpr int kExitFile = 1;
constexpr int kExitUsage = 2;

struct Texts {
  const char* ru;
  const char* de;
  const char* en;
};

int gLanguage = kEnglish;  // set once from --lang before anything is printed

const char* Say(const Texts& t) {
  return gLanguage == kRussian ? t.ru : gLanguage == kGerman ? t.de : t.en;
}

constexpr const char* kUsage =
    "usage: zarv-run --list\n"
    "       zarv-run --atmosphere H\n"
    "       zarv-run --preset CLASS:ITEM --sweep ... | --monte-carlo N --vary ...  (studies)\n"
    "       zarv-run --merge A.csv B.csv ... --out ALL.csv\n"
    "       zarv-run --preset CLASS:ITEM [--set NAME=VALUE]... [--dir DIR] [--csv FILE]\n"
    "                [--chart NAME --png FILE]... [--lang ru|de|en]\n";

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

// Log rows with their meaning and their unit before and after rescaling.
struct RowInfo {
  const char* name;
  const char* unit;        // as recorded
  const char* scaledUnit;  // after rescaling by the row's flag (nullptr: never rescaled)
};
constexpr RowInfo kRows[zarv::kRecordedRows] = {
    // name                  unit     rescaled
    {"t",                    "s",     nullptr},
    {"V",                    "m/s",   "km/s"},
    {"q",                    "Pa",    nullptr},
    {"H",                    "m",     "km"},
    {"theta",                "deg",   nullptr},
    {"row5",                 "-",     nullptr},
    {"row6",                 "-",     nullptr},
    {"X",                    "m",     "km"},
    {"lift-weight",          "N",     nullptr},
    {"nx",                   "g",     nullptr},
    {"ny",                   "g",     nullptr},
    {"lift-weight",          "N",     nullptr},
    {"lift",                 "N",     nullptr},
    {"wind",                 "m/s",   nullptr},
    {"heat flux",            "kW/m2", nullptr},
    {"thrust",               "N",     "kN"},
    {"mass",                 "kg",    "t"},
    {"thrust/mass",          "m/s2",  nullptr},
    {"row18",                "-",     nullptr},
    {"envelope volume",      "m3",    nullptr},
    {"lift",                 "N",     nullptr},
    {"drag force",           "N",     nullptr},
    {"aerodynamic lift",     "N",     nullptr},
    {"Cx",                   "-",     nullptr},
    {"Cy",                   "-",     nullptr},
    {"Mach",                 "-",     nullptr},
    {"T",                    "K",     nullptr},
    {"p",                    "bar",   nullptr},
    {"rho",                  "kg/m3", nullptr},
    {"Re/1000",              "1/m",   nullptr},
    {"lift lost",            "N",     nullptr},
};

const char* RowUnit(const zarv::TrajectoryLog& log, int r) {
  const zarv::UnitFlags& u = log.units;
  switch (r) {
    case zarv::row::kTime: return u.TimeUnit == 3 ? "h" : u.TimeUnit == 2 ? "min" : "s";
    case zarv::row::kDynamicPressure:
      return u.PressureUnit == 2 ? "MPa" : u.PressureUnit == 1 ? "kPa" : "Pa";
    case zarv::row::kVelocity: return u.VelocityInKm == 1 ? kRows[r].scaledUnit : kRows[r].unit;
    case zarv::row::kAltitude: return u.AltitudeInKm == 1 ? kRows[r].scaledUnit : kRows[r].unit;
    case zarv::row::kRange: return u.RangeInKm == 1 ? kRows[r].scaledUnit : kRows[r].unit;
    case zarv::row::kThrust: return u.ThrustInKilo == 1 ? kRows[r].scaledUnit : kRows[r].unit;
    case zarv::row::kMass: return u.MassInKilo == 1 ? kRows[r].scaledUnit : kRows[r].unit;
    default: return kRows[r].unit;
  }
}

std::string FormatCsv(const zarv::TrajectoryLog& log) {
  std::string out = "slot";
  for (int r = 0; r < zarv::kRecordedRows; ++r) {
    out += ",row" + std::to_string(r) + " " + kRows[r].name + " [" + RowUnit(log, r) + "]";
  }
  out += "\n";
  for (int j = 1; j <= zarv::kSampleCapacity; ++j) {
    out += std::to_string(j);
    for (int r = 0; r < zarv::kRecordedRows; ++r) {
      char buffer[64];
      const auto result = std::to_chars(buffer, buffer + sizeof buffer, log.at(r, j));
      out += ',';
      out.append(buffer, result.ptr);
    }
    out += "\n";
  }
  return out;
}

int ListPresets() {
  for (const zarv::PresetList& list : zarv::PresetLists()) {
    for (std::size_t i = 0; i < list.items.size(); ++i) {
      if (list.items[i].text[0] == '\0') continue;
      std::printf("%d:%zu  %s\n", list.vehicleClass, i, list.items[i].text);
    }
  }
  return kExitOk;
}

int PrintAtmosphere(std::string_view text) {
  double h = 0.0;
  if (!ParseNumber(text, h) || !std::isfinite(h)) {
    return UsageError(std::string(Say({"неверная высота", "ungültige Höhe", "invalid altitude"})) +
                      " '" + std::string(text) + "'");
  }
  double temperature, pressure, speedOfSound, density, viscosity;
  zarv::StandardAtmosphere(h, temperature, pressure, speedOfSound, density, viscosity);
  std::printf("H               %s m\n", zarv::FormatGeneral(h).c_str());
  std::printf("temperature     %s K\n", zarv::FormatGeneral(temperature).c_str());
  std::printf("pressure        %s bar\n", zarv::FormatGeneral(pressure).c_str());
  std::printf("speed of sound  %s m/s\n", zarv::FormatGeneral(speedOfSound).c_str());
  std::printf("density         %s kg/m3\n", zarv::FormatGeneral(density).c_str());
  std::printf("viscosity       %s poise\n", zarv::FormatGeneral(viscosity).c_str());
  return kExitOk;
}

struct ChartRequest {
  std::string name;
  std::string png;
};

struct Options {
  bool list = false;
  std::string atmosphere;
  std::string preset;
  std::vector<std::string> sets;
  std::filesystem::path dir = ".";
  std::string csv;
  std::vector<ChartRequest> charts;
};

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string_view> args(argv + 1, argv + argc);
  // The language comes first so that every later message uses it.
  for (std::size_t i = 0; i + 1 < args.size(); ++i) {
    if (args[i] != "--lang") continue;
    if (args[i + 1] == "ru") gLanguage = kRussian;
    else if (args[i + 1] == "de") gLanguage = kGerman;
    else if (args[i + 1] == "en") gLanguage = kEnglish;
    else return UsageError("--lang ru|de|en");
  }

  if (zarv::IsStudyCommand(args)) return zarv::RunStudyCommand(args, gLanguage, argv[0]);

  Options options;
  const Texts kNeedsValue = {"требуется значение для", "Wert fehlt für", "missing value for"};
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view a = args[i];
    const bool hasValue = i + 1 < args.size();
    auto value = [&]() { return std::string(args[++i]); };
    if (a == "--list") {
      options.list = true;
    } else if (a == "--help" || a == "-h") {
      std::printf("%s", kUsage);
      return kExitOk;
    } else if (a == "--atmosphere" || a == "--preset" || a == "--set" || a == "--dir" ||
               a == "--csv" || a == "--lang" || a == "--chart" || a == "--png") {
      if (!hasValue) return UsageError(std::string(Say(kNeedsValue)) + " " + std::string(a));
      if (a == "--atmosphere") options.atmosphere = value();
      else if (a == "--preset") options.preset = value();
      else if (a == "--set") options.sets.push_back(value());
      else if (a == "--dir") options.dir = value();
      else if (a == "--csv") options.csv = value();
      else if (a == "--lang") ++i;
      else if (a == "--chart") options.charts.push_back({value(), ""});
      else if (options.charts.empty() || !options.charts.back().png.empty()) {
        return UsageError(Say({"--png должен следовать за --chart", "--png muss auf --chart folgen",
                               "--png must follow --chart"}));
      } else {
        options.charts.back().png = value();
      }
    } else {
      return UsageError(std::string(Say({"неизвестный аргумент", "unbekanntes Argument",
                                         "unknown argument"})) + " '" + std::string(a) + "'");
    }
  }

  if (options.list) return ListPresets();
  if (!options.atmosphere.empty()) return PrintAtmosphere(options.atmosphere);
  if (options.preset.empty()) {
    return UsageError(Say({"не указан --preset", "--preset fehlt", "--preset is missing"}));
  }

  const std::size_t colon = options.preset.find(':');
  int cls = 0, item = 0;
  zarv::Scenario record;
  if (colon == std::string::npos ||
      !ParseInt(std::string_view(options.preset).substr(0, colon), cls) ||
      !ParseInt(std::string_view(options.preset).substr(colon + 1), item) ||
      !zarv::ApplyPreset(record, cls, item)) {
    return UsageError(std::string(Say({"нет такого примера", "kein solches Beispiel",
                                       "no such preset"})) + " '" + options.preset +
                      "' (zarv-run --list)");
  }
  zarv::RunInputs inputs = zarv::InputsFromScenario(record);
  for (const std::string& set : options.sets) {
    const std::size_t eq = set.find('=');
    const std::string name = set.substr(0, eq);
    double* target = eq == std::string::npos ? nullptr : zarv::RunInputByName(inputs, name.c_str());
    if (target == nullptr) {
      return UsageError(std::string(Say({"неизвестный ввод", "unbekannte Eingabe",
                                         "unknown input"})) + " '" + name + "'");
    }
    if (!ParseNumber(std::string_view(set).substr(eq + 1), *target)) {
      return UsageError(std::string(Say({"не число", "keine Zahl", "not a number"})) + ": " +
                        name + "='" + set.substr(eq + 1) + "'");
    }
  }
  for (const ChartRequest& chart : options.charts) {
    if (chart.png.empty()) {
      return UsageError(std::string(Say({"нет --png для", "kein --png für", "no --png for"})) +
                        " --chart " + chart.name);
    }
    if (chart.name != "default" && zarv::FindChart(chart.name) == nullptr) {
      return UsageError(std::string(Say({"нет такого графика", "kein solches Diagramm",
                                         "no such chart"})) + " '" + chart.name + "'");
    }
  }

  zarv::TrajectoryRun run;
  auto log = std::make_unique<zarv::TrajectoryLog>();
  if (auto error = run.Run(inputs, record[zarv::sf::VehicleClass], *log)) {
    std::fprintf(stderr, "zarv-run: %s\n", zarv::DescribeInputError(*error, gLanguage).c_str());
    return kExitUsage;
  }

  const Texts kCannotWrite = {"не удалось записать", "kann nicht schreiben", "cannot write"};
  const zarv::FileWriteResult written = zarv::WriteResultFile(*log, options.dir);
  if (!written.ok) {
    std::fprintf(stderr, "zarv-run: %s %s: %s\n", Say(kCannotWrite), written.path.c_str(),
                 written.reason.c_str());
    return kExitFile;
  }
  if (!options.csv.empty()) {
    const zarv::FileWriteResult csv = zarv::WriteFileReplacing(options.csv, FormatCsv(*log));
    if (!csv.ok) {
      std::fprintf(stderr, "zarv-run: %s %s: %s\n", Say(kCannotWrite), csv.path.c_str(),
                   csv.reason.c_str());
      return kExitFile;
    }
  }
  if (!options.charts.empty()) {
    // Charts need fonts and a paint device, not a screen.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr &&
        std::getenv("WAYLAND_DISPLAY") == nullptr) {
      setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    const zarv::ChartSettings settings{gLanguage, record[zarv::sf::VehicleClass]};
    for (const ChartRequest& chart : options.charts) {
      const zarv::ChartEntry entry = chart.name == "default"
                                         ? zarv::DefaultChart(record[zarv::sf::VehicleClass])
                                         : *zarv::FindChart(chart.name);
      std::string error;
      if (!zarv::WriteChartPng(*log, entry, settings, chart.png, error)) {
        std::fprintf(stderr, "zarv-run: %s %s: %s\n", Say(kCannotWrite), chart.png.c_str(),
                     error.c_str());
        return kExitFile;
      }
    }
  }

  const zarv::RunSummary& s = run.summary();
  std::printf("%s  %s\n", Say({"пример", "Beispiel", "preset"}), options.preset.c_str());
  std::printf("%s  %s s\n", Say({"время полета", "Flugzeit", "flight time"}),
              zarv::FormatGeneral(s.flightTime, 6).c_str());
  std::printf("%s  %s m\n", Say({"дальность", "Reichweite", "range"}),
              zarv::FormatGeneral(s.range, 6).c_str());
  std::printf("%s  %s m\n", Say({"макс. высота", "max. Höhe", "peak altitude"}),
              zarv::FormatGeneral(s.peakAltitude, 6).c_str());
  std::printf("%s  %s m/s\n", Say({"макс. скорость", "max. Geschwindigkeit", "peak speed"}),
              zarv::FormatGeneral(s.peakSpeed, 6).c_str());
  std::printf("%s  %d\n", Say({"записано отсчетов", "aufgezeichnete Werte", "samples recorded"}),
              s.samplesRecorded);
  std::printf("%s  %s\n", Say({"файл", "Datei", "file"}), written.path.c_str());
  return kExitOk;
}

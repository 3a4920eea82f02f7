#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "scenario/calculation.h"
#include "texts/language.h"
#include "trajectory/run_settings.h"

namespace zarv {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFile = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitDiverged = 3;
inline constexpr int kExitCheckFailed = 4;  // a step check or a validation case missed

struct ChartRequest {
  std::string name;
  std::string png;     // the picture file, its format by the extension
  std::string xrange;  // FROM:TO of the abscissa, empty: all
};

// --earth, --integrator, --rtol and --atol as given: each one given replaces what the
// flight file says (the defaults for a preset).
struct RunSettingChoices {
  std::optional<EarthModel> earth;
  std::optional<Integrator> integrator;
  std::optional<double> rtol, atol;
  RunSettings Over(RunSettings settings) const;
};

// What the command line asks for.
struct RunOptions {
  Language language = Language::English;  // of every message, from --lang
  bool list = false;
  std::string atmosphere;
  std::string preset;
  std::string flight;             // a flight file, in place of the preset
  std::string saveFlight;         // where the inputs go as a flight file, instead of a run
  std::vector<std::string> sets;  // NAME=VALUE, in order
  std::filesystem::path dir = ".";
  std::string csv;
  std::vector<ChartRequest> charts;
  std::vector<std::string> compares;  // [CLASS:ITEM|FILE][,NAME=VALUE...], drawn on every chart
  std::vector<std::string> overlays;  // saved runs and measured flights, drawn on every chart
  RunSettingChoices settings;         // --earth, --integrator, --rtol, --atol
  bool checkStep = false;
  std::string tolerance;  // percent, empty: the default
  bool validate = false;
  bool quiet = false;     // no summary; warnings still go to standard error
};

// Reads the arguments after the program name into `options`. Returns the exit status
// when they end the program here (--help, a usage error), after printing why. Each option
// takes a value that is not empty, comes once unless it is one that repeats (--set,
// --chart, --compare, --overlay), and only with the options it goes with.
std::optional<int> ParseRunOptions(std::span<const std::string_view> args, RunOptions& options);

// The language of every message, from --lang (English without one). Returns the exit
// status, after printing why, for a language that is none of ru, de, en.
std::optional<int> ParseLanguage(std::span<const std::string_view> args, Language& language);

// True for an option of the run form (--csv, --chart, ...).
bool IsRunOption(std::string_view option);
// --earth, --integrator, --rtol and --atol, which the runs and the studies share.
bool IsRunSettingOption(std::string_view option);
// Sets the option's value into `settings`; the usage error's text when it is no value
// the option takes, empty when it is.
std::string ApplyRunSetting(std::string_view option, std::string_view value, RunSettingChoices& settings,
                            Language language);
// The choices over the calculation's settings (its flight file's, or the defaults). The
// usage error's text for a tolerance given to a method that takes none, empty when done.
std::string ApplyRunSettings(const RunSettingChoices& choices, Calculation& calculation, Language language);

// Prints "zarv-run: what" and the usage to standard error; returns kExitUsage.
int UsageError(const std::string& what);

// The whole text as one number; false for anything else ("0,5", "", "1x").
bool ParseNumber(std::string_view text, double& value);
bool ParseInt(std::string_view text, int& value);

}  // namespace zarv

#include <cstdio>
#include <string>

#include "flight_model/standard_atmosphere.h"
#include "scenario/presets.h"
#include "texts/validation_report.h"
#include "tools/run_commands.h"
#include "tools/run_outputs.h"
#include "trajectory/number_format.h"
#include "trust/validation.h"

namespace zarv {

int ListPresets(const RunOptions& options) {
  for (const PresetList& list : PresetLists()) {
    for (std::size_t i = 0; i < list.items.size(); ++i) {
      if (list.items[i].text[0] == '\0') continue;
      std::printf("%d:%zu  %s\n", list.vehicleClass, i, list.items[i].text);
    }
  }
  return CheckPrinted(options.language);
}

int PrintAtmosphere(const RunOptions& options) {
  constexpr LanguageText kInvalidAltitude = {"неверная высота", "ungültige Höhe",
                                             "invalid altitude"};
  // Outside its table the atmosphere is an extrapolation, no air anyone measured.
  constexpr LanguageText kTableRange = {"таблица атмосферы охватывает высоты от",
                                        "die Atmosphärentabelle reicht von",
                                        "the atmosphere table covers altitudes from"};
  constexpr LanguageText kTo = {"до", "bis", "to"};
  const Language language = options.language;
  double h = 0.0;
  if (!ParseNumber(options.atmosphere, h) || !(h >= kAtmosphereTableFloor) ||
      !(h <= kAtmosphereTableCeiling)) {
    return UsageError(std::string(kInvalidAltitude.in(language)) + " '" + options.atmosphere +
                      "': " + kTableRange.in(language) + " " + FormatGeneral(kAtmosphereTableFloor) +
                      " " + kTo.in(language) + " " + FormatGeneral(kAtmosphereTableCeiling) + " m");
  }
  double temperature, pressure, speedOfSound, density, viscosity;
  StandardAtmosphere(h, temperature, pressure, speedOfSound, density, viscosity);
  std::printf("H               %s m\n", FormatGeneral(h).c_str());
  std::printf("temperature     %s K\n", FormatGeneral(temperature).c_str());
  std::printf("pressure        %s bar\n", FormatGeneral(pressure).c_str());
  std::printf("speed of sound  %s m/s\n", FormatGeneral(speedOfSound).c_str());
  std::printf("density         %s kg/m3\n", FormatGeneral(density).c_str());
  std::printf("viscosity       %s poise\n", FormatGeneral(viscosity).c_str());
  return CheckPrinted(language);
}

int PrintValidation(const RunOptions& options) {
  const std::vector<ValidationRow> rows = RunValidation();
  std::fputs(FormatValidationReport(rows, options.language).c_str(), stdout);
  if (const int status = CheckPrinted(options.language)) return status;
  for (const ValidationRow& row : rows) {
    if (!row.passed()) return kExitCheckFailed;
  }
  return kExitOk;
}

}  // namespace zarv

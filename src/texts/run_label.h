#pragma once

#include <string>

#include "scenario/scenario.h"
#include "texts/language.h"
#include "trajectory/run_inputs.h"
#include "trajectory/run_settings.h"
#include "trajectory/vehicle_class.h"

namespace zarv {

// The round Earth as charts and run names call it.
inline constexpr LanguageText kRoundEarthLabel = {"круглая Земля", "runde Erde", "round Earth"};

// The text of a preset line with its runs of blanks closed up, e.g. "Launcher V-2"; empty
// for a line that does not exist.
std::string PresetName(int vehicleClass, int item);

// The name of the preset whose click wrote the record; empty when the record matches no
// preset of its class.
std::string PresetText(const Scenario& record);

// What a run is called wherever it is shown or saved: the preset's name, every input the
// run used with another value than `given` (the preset's), then every choice other than
// the default, e.g. "Launcher V-2, dt0 = 0.001, round Earth, rk4". Without a preset only what
// differs is named. The window and zarv-run both name their runs through this.
std::string RunLabel(const std::string& presetName, const RunInputs& ran, const RunInputs& given,
                     VehicleClass vehicleClass, const RunSettings& settings, Language language);

}  // namespace zarv

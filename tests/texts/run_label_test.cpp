// What a run is called in the window's legend, zarv-run's charts and both programs' CSVs.
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "scenario/presets.h"
#include "scenario/scenario_inputs.h"
#include "support/record_codes.h"
#include "texts/run_label.h"

namespace zarv {
namespace {

RunSettings Made(EarthModel earth, Integrator integrator = Integrator::Euler,
                 double rtol = kDefaultRelativeTolerance) {
  RunSettings settings;
  settings.earth = earth;
  settings.integrator = integrator;
  settings.rtol = rtol;
  return settings;
}

TEST(RunLabel, NamesThePresetEveryChangedInputAndEveryChoiceOffTheDefault) {
  struct Case {
    int vehicleClass, item;
    std::vector<std::pair<const char*, double>> edits;  // inputs changed after the click
    bool recordOffPreset;                               // the record was changed after the click
    RunSettings settings;
    Language language;
    const char* label;
  };
  const Case cases[] = {
      {vc::Rocket, 0, {}, false, Made(EarthModel::Flat), Language::English, "Launcher V-2"},
      {vc::Rocket, 0, {{"dt0", 0.001}}, false, Made(EarthModel::Flat), Language::English, "Launcher V-2, dt0 = 0.001"},
      // The same run over the round Earth is another run.
      {vc::Rocket, 0, {}, false, Made(EarthModel::Round), Language::English, "Launcher V-2, round Earth"},
      {vc::Rocket, 0, {{"dt0", 0.001}}, false, Made(EarthModel::Round), Language::Russian,
       "Launcher V-2, dt0 = 0.001, круглая Земля"},
      {vc::Rocket, 0, {{"dt0", 0.001}}, true, Made(EarthModel::Round), Language::German, "dt0 = 0.001, runde Erde"},
      // So is the same run by another integrator, or with another tolerance.
      {vc::Rocket, 0, {}, false, Made(EarthModel::Flat, Integrator::Rk4), Language::English, "Launcher V-2, rk4"},
      {vc::Rocket, 0, {}, false, Made(EarthModel::Round, Integrator::Adaptive, 1e-8), Language::English,
       "Launcher V-2, round Earth, adaptive, rtol = 1e-08"},
      // The second parachute differs from the first in Cx only.
      {vc::Parachute, 1, {}, false, Made(EarthModel::Flat), Language::English,
       "Parachute ( V = 0 m/s, Cx = 1.0, Ho = 4000 m, m = 100kg )"},
      {vc::Reentry, 1, {{"Cx", 0.6}, {"MassaStart", 3000}}, false, Made(EarthModel::Flat), Language::English,
       "Sojuz ( K = 0,25 V = 7,8 km/s ), MassaStart = 3000, Cx = 0.6"},
      // The run sets a balloon's area from its mass and gas.
      {vc::Balloon, 0, {{"MassaStart", 900}, {"S0", 12.3}}, false, Made(EarthModel::Flat), Language::English,
       "Gasballon (Gas - H, m=1000 kg, H=1km), MassaStart = 900"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    Scenario record;
    ASSERT_TRUE(ApplyPreset(record, c.vehicleClass, c.item));
    record[sf::Language] = kEnglish;
    if (c.recordOffPreset) record[sf::H0] += 1.0;
    RunInputs ran = InputsFromScenario(record);
    for (const auto& [name, value] : c.edits) *RunInputByName(ran, name) = value;
    const std::string label = RunLabel(PresetText(record), ran, InputsFromScenario(record, ran),
                                       VehicleClass{c.vehicleClass}, c.settings, c.language);
    EXPECT_EQ(label, c.label) << "class " << c.vehicleClass << " item " << c.item;
    if (!c.recordOffPreset) {
      EXPECT_EQ(PresetText(record), PresetName(c.vehicleClass, c.item)) << "class " << c.vehicleClass;
    }
  }
}

}  // namespace
}  // namespace zarv

// Run names for the legend and the file names of saved results.
#include <string>
#include <utility>
#include <vector>

#include <QString>

#include <gtest/gtest.h>

#include "haupt/results_files.h"
#include "haupt/run_label.h"
#include "scenario/presets.h"
#include "scenario/scenario_inputs.h"
#include "support/record_codes.h"

namespace zarv {
namespace {

TEST(RunLabelTest, NamesThePresetAndTheInputsTheRunChanged) {
  struct Case {
    int vehicleClass, item;
    std::vector<std::pair<const char*, double>> edits;  // inputs changed in the window
    bool recordOffPreset;                               // the record was changed after the click
    const char* label;
  };
  const Case cases[] = {
      {vc::Rocket, 0, {}, false, "Launcher V-2"},
      {vc::Rocket, 0, {{"dt0", 0.001}}, false, "Launcher V-2, dt0 = 0.001"},
      // The second parachute differs from the first in Cx only.
      {vc::Parachute, 1, {}, false, "Parachute ( V = 0 m/s, Cx = 1.0, Ho = 4000 m, m = 100kg )"},
      {vc::Reentry, 1, {{"Cx", 0.6}, {"MassaStart", 3000}}, false,
       "Sojuz ( K = 0,25 V = 7,8 km/s ), MassaStart = 3000, Cx = 0.6"},
      // The run sets a balloon's area from its mass and gas.
      {vc::Balloon, 0, {{"MassaStart", 900}, {"S0", 12.3}}, false,
       "Gasballon (Gas - H, m=1000 kg, H=1km), MassaStart = 900"},
      {vc::Rocket, 0, {{"dt0", 0.001}}, true, "dt0 = 0.001"},
  };
  for (const Case& c : cases) {
    Scenario record;
    ASSERT_TRUE(ApplyPreset(record, c.vehicleClass, c.item));
    record[sf::Language] = kEnglish;
    if (c.recordOffPreset) record[sf::H0] += 1.0;
    RunInputs ran = InputsFromScenario(record);
    for (const auto& [name, value] : c.edits) *RunInputByName(ran, name) = value;
    EXPECT_EQ(RunLabel(record, ran), c.label) << "class " << c.vehicleClass << " item " << c.item;
  }
}

TEST(RunLabelTest, SaveDialogNamesGetTheChosenFiltersExtension) {
  struct Case {
    const char* typed;
    const char* filter;
    const char* path;
  };
  const Case cases[] = {
      {"out/chart", "SVG drawing (*.svg)", "out/chart.svg"},
      {"chart.pdf", "PNG picture (*.png)", "chart.pdf"},
      {"", "PNG picture (*.png)", ""},  // cancelled
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WithFilterSuffix(QString::fromLatin1(c.typed), QString::fromLatin1(c.filter)).toStdString(),
              c.path)
        << "typed \"" << c.typed << "\" with " << c.filter;
  }
}

}  // namespace
}  // namespace zarv

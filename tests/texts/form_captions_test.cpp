#include "texts/form_captions.h"

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "trajectory/run_inputs.h"

namespace zarv {
namespace {

TEST(FormCaptions, EveryInputHasAFieldAndItsLabelHasCaptions) {
  for (const char* name : kRunInputNames) {
    const InputField* field = FindInputField(name);
    ASSERT_NE(field, nullptr) << name << " has no field, so messages cannot name it";
    if (field->label == nullptr) continue;
    bool found = false;
    for (const CaptionRow& row : CaptionTable()) found |= std::strcmp(row.control, field->label) == 0;
    EXPECT_TRUE(found) << name << ": label " << field->label << " is not in the caption table";
  }
}

TEST(FormCaptions, InputsAreNamedAsTheWindowShowsThem) {
  struct Case {
    const char* input;
    Language language;
    VehicleClass vehicleClass;
    const char* expected;
  };
  const Case cases[] = {
      {"dt0",       Language::English, VehicleClass::None,    "step of integration, s"},
      {"dt0",       Language::German,  VehicleClass::None,    "Integrationsschritt, s"},
      {"V0",        Language::Russian, VehicleClass::None,    "Скорость,Vo,м/c"},
      {"Vwind",     Language::German,  VehicleClass::None,    "Windgeschwindigkeit Vw, m/s"},
      {"RSAT",      Language::English, VehicleClass::Reentry, "Radius, m"},  // no English caption
      {"GasDichte", Language::English, VehicleClass::Balloon, "density of gas, kg/m3"},
      {"GasDichte", Language::English, VehicleClass::Rocket,  "gas density,kg/m3"},
      {"AeroModel", Language::English, VehicleClass::None,    "AeroModel"},
      {"nonsense",  Language::German,  VehicleClass::None,    "nonsense"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(InputCaption(c.input, c.language, c.vehicleClass), c.expected)
        << c.input << " in language " << static_cast<int>(c.language);
  }
  EXPECT_EQ(InputWithCaption("dt0", Language::English), "dt0 (step of integration, s)");
  EXPECT_EQ(InputWithCaption("AeroModel", Language::English), "AeroModel")
      << "an input without a caption is not repeated";
}

}  // namespace
}  // namespace zarv

#include "scenario/presets.h"

#include <string>

#include <gtest/gtest.h>

#include "scenario/scenario_inputs.h"

namespace zarv {
namespace {

TEST(Presets, ListsHaveTheirItemsAndEmptyLines) {
  struct Case {
    int vehicleClass;
    const char* listName;
    std::size_t items;
    std::size_t emptyLines;
  };
  const Case cases[] = {
      {1, "ListBoxProjectil", 11, 2},   {2, "ListBoxFallschirm", 2, 0},
      {3, "ListBoxBallon", 6, 2},       {5, "ListBoxGlider", 5, 1},
      {7, "ListBoxLandekapsel", 10, 1}, {8, "ListBoxLauncher", 7, 0},
  };
  std::size_t presets = 0;
  for (const Case& c : cases) {
    const PresetList* list = FindPresetList(c.vehicleClass);
    ASSERT_NE(list, nullptr) << "class " << c.vehicleClass;
    EXPECT_STREQ(list->listName, c.listName);
    EXPECT_EQ(list->items.size(), c.items) << c.listName;
    std::size_t empty = 0;
    for (const Preset& p : list->items) empty += p.text[0] == '\0';
    EXPECT_EQ(empty, c.emptyLines) << c.listName;
    for (std::size_t i = c.items - c.emptyLines; i < c.items; ++i) {
      EXPECT_STREQ(list->items[i].text, "") << c.listName << ": empty lines come last";
    }
    presets += c.items - c.emptyLines;
  }
  EXPECT_EQ(presets, 35u);
  EXPECT_EQ(FindPresetList(4), nullptr) << "no airship presets";
  EXPECT_EQ(FindPresetList(6), nullptr) << "no airplane presets";
}

TEST(Presets, TextsAreStoredExactly) {
  struct Case {
    int vehicleClass, item;
    const char* text;
  };
  const Case cases[] = {
      {1, 2, "Fußball (m=450 g, Umfang = 70 cm)"},
      {2, 0, "Parachute ( V = 0 m/s, Cx = 0.8, Ho = 4000 m,  m = 100kg )"},
      {3, 3, "Luftballon (Gas - He, m=100 g)"},
      {5, 3, "Segelflugzeug  DS-8 (18m, K=48)"},
      {7, 1, "Sojuz                ( K  =  0,25  V  =  7,8 km/s )"},
      {7, 4, "Meterorit           ( K  =  0, V  =  20 km/s,  Density = 2t/m3, D = 10m)"},
      {8, 3, "Globale Glider (Tessard Prinzip) "},
      {8, 5, "Rocket Model (F=86N, Q=85, t=2s))"},
  };
  for (const Case& c : cases) {
    EXPECT_STREQ(FindPresetList(c.vehicleClass)->items[c.item].text, c.text);
  }
  EXPECT_EQ(std::string(FindPresetList(8)->items[4].text).rfind("SpaceShipOne (SS1) ->  ", 0), 0u);
}

TEST(Presets, ClickWritesExactlyItsRange) {
  struct Case {
    int vehicleClass, item, lastField;
  };
  const Case cases[] = {
      {1, 0, 29}, {1, 4, 29}, {1, 5, 21}, {1, 8, 21}, {2, 1, 29},
      {3, 0, 29}, {5, 2, 29}, {7, 8, 29}, {8, 0, 39}, {8, 6, 39},
  };
  for (const Case& c : cases) {
    Scenario record;
    record.field.fill(-1.0);
    ASSERT_TRUE(ApplyPreset(record, c.vehicleClass, c.item));
    EXPECT_EQ(record[sf::VehicleClass], c.vehicleClass);
    EXPECT_EQ(record[sf::Language], 0.0) << "the language is written by START";
    for (int n = 0; n < kScenarioFields; ++n) {
      if (n > c.lastField) {
        EXPECT_EQ(record[n], -1.0) << "class " << c.vehicleClass << " item " << c.item << " field " << n;
      } else {
        EXPECT_NE(record[n], -1.0) << "class " << c.vehicleClass << " item " << c.item << " field " << n;
      }
    }
  }
}

TEST(Presets, NumbersReachTheRecord) {
  Scenario record;
  ASSERT_TRUE(ApplyPreset(record, 8, 0));
  EXPECT_EQ(record[sf::AeroModel], 2.0);
  EXPECT_EQ(record[sf::MassaStart], 12700);
  EXPECT_EQ(record[sf::TTO], 89.3);
  EXPECT_EQ(record[sf::Mt], 8200);
  EXPECT_EQ(record[sf::Iud], 2200);
  EXPECT_EQ(record[sf::Mdv], 2000);
  EXPECT_EQ(record[sf::Schub], 300000);

  ASSERT_TRUE(ApplyPreset(record, 2, 1));
  EXPECT_EQ(record[sf::Cx], 1.0);
  EXPECT_EQ(record[sf::Mt], 8200) << "fields past the parachute range keep the rocket values";
}

TEST(Presets, EmptyLinesAndBadIndicesWriteNothing) {
  Scenario record;
  ASSERT_TRUE(ApplyPreset(record, 7, 0));
  const Scenario before = record;
  EXPECT_FALSE(ApplyPreset(record, 7, 9));
  EXPECT_FALSE(ApplyPreset(record, 1, 10));
  EXPECT_FALSE(ApplyPreset(record, 1, 11));
  EXPECT_FALSE(ApplyPreset(record, 1, -1));
  EXPECT_FALSE(ApplyPreset(record, 4, 0));
  EXPECT_EQ(record.field, before.field);

  // A short projectile preset after a re-entry preset leaves fields 22..29 alone.
  ASSERT_TRUE(ApplyPreset(record, 1, 6));
  EXPECT_EQ(record[sf::RSAT], 1.15);
  EXPECT_EQ(record[sf::MassaStart], 0.0002);
}

TEST(InputsFromScenario, ActivationDefaultsAndClassFields) {
  Scenario record;
  ApplyPreset(record, 3, 0);
  RunInputs previous;
  previous.Mt = 77;
  const RunInputs in = InputsFromScenario(record, previous);
  EXPECT_EQ(in.Auftriebplus, 1.0);
  EXPECT_EQ(in.Gasverlust, 4.4);
  EXPECT_EQ(in.GasDichte, 0.085);
  EXPECT_EQ(in.HFlug, 1000);
  EXPECT_EQ(in.S0, 106.9) << "balloon area as its field shows it";
  EXPECT_EQ(in.Mt, 77) << "rocket fields keep what they had";
  EXPECT_EQ(in.Tk, 3500);
  EXPECT_EQ(in.dt0, 0.1);
}

}  // namespace
}  // namespace zarv

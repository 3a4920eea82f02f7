#pragma once

#include <span>
#include <string_view>

#include "scenario/scenario.h"
#include "trajectory/vehicle_class.h"

namespace zarv {

// One line of a preset list. An empty line has an empty text and writes nothing.
struct Preset {
  const char* text;
  double m0, S0, Cx, Cy, H0, V0, Qo, Tk, dt;  // kg, m2, -, -, m, m/s, deg, s, s
  double GasDichte, HFlug;                    // kg/m3, m
  double RSAT;                                // m
  double Mt, Iud, Mdv, Schub;                 // kg, N*s/kg, kg, N
  double AeroModel;
};

// One preset list of the start window.
struct PresetList {
  int vehicleClass;
  const char* listName;  // object name of the list box, e.g. "ListBoxLauncher"
  std::span<const Preset> items;
};

// The six lists in class order (1, 2, 3, 5, 7, 8).
std::span<const PresetList> PresetLists();

// The list of a class, or nullptr for a class without presets.
const PresetList* FindPresetList(int vehicleClass);

// Last field (inclusive) that a click on item `item` of the class's list overwrites:
// 29, 21 (projectile items 5..8) or 39 (rockets).
int PresetWriteEnd(int vehicleClass, int item);

// A click on an item: overwrites fields 0..PresetWriteEnd with the preset's values (0
// where it has none). Returns false, writing nothing, for an empty line or an index
// outside the list.
bool ApplyPreset(Scenario& record, int vehicleClass, int item);

// The item of the class's list whose click wrote the record (the language aside, which
// START writes over it); -1 when the record matches none.
int FindPresetItem(const Scenario& record);

}  // namespace zarv

#include "haupt/run_label.h"

#include <cmath>
#include <cstddef>

#include "scenario/presets.h"
#include "scenario/scenario_inputs.h"
#include "trajectory/number_format.h"
#include "trajectory/vehicle_class.h"

namespace zarv {

namespace {

// Field texts carry up to 15 digits, so a value typed back unchanged may differ in the last bits.
constexpr double kSameValue = 1e-12;  // relative

bool Same(double a, double b) {
  return a == b || std::abs(a - b) <= kSameValue * std::max(std::abs(a), std::abs(b));
}

std::string SingleBlanks(const char* text) {
  std::string out;
  for (const char* c = text; *c; ++c) {
    if (*c == ' ' && (out.empty() || out.back() == ' ')) continue;
    out += *c;
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

}  // namespace

std::string PresetText(const Scenario& record) {
  const int vehicleClass = static_cast<int>(std::lround(record[sf::VehicleClass]));
  const PresetList* list = FindPresetList(vehicleClass);
  if (!list) return {};
  for (std::size_t item = 0; item < list->items.size(); ++item) {
    Scenario preset;
    if (!ApplyPreset(preset, vehicleClass, static_cast<int>(item))) continue;
    bool same = true;
    // START writes the language over the click, so it is not the preset's.
    for (int field = 0; same && field <= PresetWriteEnd(vehicleClass, static_cast<int>(item)); ++field)
      same = field == sf::Language || preset[field] == record[field];
    if (same) return SingleBlanks(list->items[item].text);
  }
  return {};
}

std::string RunLabel(const Scenario& record, const RunInputs& ran) {
  RunInputs ranCopy = ran;
  // Inputs the class does not take from the record keep the run's values here.
  RunInputs given = InputsFromScenario(record, ran);
  const bool balloon = VehicleClassFromRecord(record[sf::VehicleClass]) == VehicleClass::Balloon;
  std::string label = PresetText(record);
  for (const char* name : kRunInputNames) {
    // A balloon's area follows from its mass and gas; the run sets it.
    if (balloon && std::string_view(name) == "S0") continue;
    const double value = *RunInputByName(ranCopy, name);
    if (Same(value, *RunInputByName(given, name))) continue;
    if (!label.empty()) label += ", ";
    label += std::string(name) + " = " + FormatGeneral(value);
  }
  return label;
}

}  // namespace zarv

#include "texts/run_label.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string_view>

#include "scenario/presets.h"
#include "trajectory/number_format.h"

namespace zarv {

namespace {

// Field texts carry up to 15 digits, so a value typed back unchanged may differ in the last bits.
constexpr double kSameValue = 1e-12;  // relative

bool Same(double a, double b) {
  return a == b || std::abs(a - b) <= kSameValue * std::max(std::abs(a), std::abs(b));
}

}  // namespace

std::string PresetName(int vehicleClass, int item) {
  const PresetList* list = FindPresetList(vehicleClass);
  if (!list || item < 0 || static_cast<std::size_t>(item) >= list->items.size()) return {};
  std::string name;
  for (const char* c = list->items[static_cast<std::size_t>(item)].text; *c; ++c) {
    if (*c == ' ' && (name.empty() || name.back() == ' ')) continue;
    name += *c;
  }
  while (!name.empty() && name.back() == ' ') name.pop_back();
  return name;
}

std::string PresetText(const Scenario& record) {
  const int item = FindPresetItem(record);
  if (item < 0) return {};
  return PresetName(static_cast<int>(VehicleClassFromRecord(record[sf::VehicleClass])), item);
}

std::string RunLabel(const std::string& presetName, const RunInputs& ran, const RunInputs& given,
                     VehicleClass vehicleClass, const RunSettings& settings, Language language) {
  std::string label = presetName;
  const auto add = [&label](const std::string& part) { label += (label.empty() ? "" : ", ") + part; };
  for (const char* name : kRunInputNames) {
    // A balloon's area follows from its mass and gas; the run sets it.
    if (vehicleClass == VehicleClass::Balloon && std::string_view(name) == "S0") continue;
    const double value = *RunInputByName(ran, name);
    if (!Same(value, *RunInputByName(given, name))) add(std::string(name) + " = " + FormatGeneral(value));
  }
  if (settings.earth == EarthModel::Round) add(kRoundEarthLabel.in(language));
  if (settings.integrator != Integrator::Euler) add(IntegratorName(settings.integrator));
  if (settings.integrator == Integrator::Adaptive) {
    if (settings.rtol != kDefaultRelativeTolerance) add("rtol = " + FormatGeneral(settings.rtol));
    if (settings.atol) add("atol = " + FormatGeneral(*settings.atol));
  }
  return label;
}

}  // namespace zarv

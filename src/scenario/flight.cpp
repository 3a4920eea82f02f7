#include "scenario/flight.h"

#include <cmath>
#include <utility>

namespace zarv {
namespace {

constexpr const char* kCommonInputs[] = {"H0", "V0", "TTO", "Tk", "Hk", "Vk", "dt0",
                                         "MassaStart", "Vwind", "S0", "Cx", "Cy"};
constexpr const char* kReentryInputs[] = {"H0", "V0", "TTO", "Tk", "Hk", "Vk", "dt0",
                                          "MassaStart", "Vwind", "S0", "Cx", "Cy", "RSAT"};
constexpr const char* kRocketInputs[] = {"H0", "V0", "TTO", "Tk", "Hk", "Vk", "dt0",
                                         "MassaStart", "Vwind", "S0", "Cx", "Cy",
                                         "Mt", "Iud", "Mdv", "Schub"};
// The envelope gives a balloon its area.
constexpr const char* kBalloonInputs[] = {"H0", "V0", "TTO", "Tk", "Hk", "Vk", "dt0",
                                          "MassaStart", "Vwind", "Cx", "Cy", "Auftriebplus",
                                          "Gasverlust", "GasDichte", "HFlug"};

struct InputNote {
  const char* name;
  const char* note;
  int field;  // in the scenario record; -1: the record has none
};
constexpr InputNote kNotes[] = {
    {"H0", "m, initial altitude", sf::H0},
    {"V0", "m/s, initial speed", sf::V0},
    {"TTO", "deg, initial path angle", sf::TTO},
    {"Tk", "s, end time", sf::Tk},
    {"Hk", "m, end altitude", sf::Hk},
    {"Vk", "m/s, end speed (kept, no stop condition)", sf::Vk},
    {"dt0", "s, integration step", sf::dt0},
    {"MassaStart", "kg, start mass", sf::MassaStart},
    {"Vwind", "m/s, wind speed", sf::Vwind},
    {"S0", "m2, reference (lifting) area", sf::S0},
    {"Cx", "drag coefficient (constant drag law)", sf::Cx},
    {"Cy", "lift coefficient", sf::Cy},
    {"Mt", "kg, propellant mass", sf::Mt},
    {"Iud", "N*s/kg, specific impulse", sf::Iud},
    {"Mdv", "kg, engine dry mass", sf::Mdv},
    {"Schub", "N, thrust", sf::Schub},
    {"RSAT", "m, nose radius", sf::RSAT},
    {"Auftriebplus", "%, lift surplus over weight", -1},
    {"Gasverlust", "litres per m2 per 24 h, gas loss", -1},
    {"GasDichte", "kg/m3, lifting gas density", sf::GasDichte},
    {"HFlug", "m, cruise altitude", sf::HFlug},
};

const InputNote* FindNote(std::string_view name) {
  for (const InputNote& n : kNotes) {
    if (name == n.name) return &n;
  }
  return nullptr;
}

}  // namespace

bool SameFlight(const Flight& a, const Flight& b) {
  if (a.vehicleClass != b.vehicleClass || a.name != b.name || a.notes != b.notes ||
      a.preset != b.preset || !(a.run == b.run) || a.inputs.AeroModel != b.inputs.AeroModel) {
    return false;
  }
  for (const char* name : FlightInputNames(a.vehicleClass)) {
    if (*RunInputByName(a.inputs, name) != *RunInputByName(b.inputs, name)) return false;
  }
  return true;
}

bool IsFlightClass(VehicleClass c) {
  return c == VehicleClass::Projectile || c == VehicleClass::Parachute || c == VehicleClass::Balloon ||
         c == VehicleClass::Glider || c == VehicleClass::Reentry || c == VehicleClass::Rocket;
}

std::span<const char* const> FlightInputNames(VehicleClass c) {
  if (!IsFlightClass(c)) return {};
  if (c == VehicleClass::Balloon) return kBalloonInputs;
  if (c == VehicleClass::Reentry) return kReentryInputs;
  if (c == VehicleClass::Rocket) return kRocketInputs;
  return kCommonInputs;
}

bool IsFlightInput(VehicleClass c, std::string_view name) {
  for (const char* input : FlightInputNames(c)) {
    if (name == input) return true;
  }
  return false;
}

const char* FlightInputNote(std::string_view name) {
  const InputNote* note = FindNote(name);
  return note != nullptr ? note->note : "";
}

Flight FlightOf(const Calculation& calculation, const RunSettings& settings) {
  Flight flight;
  flight.vehicleClass = calculation.vehicleClass();
  flight.inputs = calculation.inputs();
  flight.run = settings;
  return flight;
}

std::optional<InputError> CheckFlight(const Flight& flight) {
  const VehicleClass cls = flight.vehicleClass;
  if (!IsFlightClass(cls)) return InputError{"VehicleClass", InputProblem::NoPhysicsForClass};
  if (auto problem = CheckInputValue("AeroModel", flight.inputs.AeroModel, cls)) return problem;
  for (const char* name : FlightInputNames(cls)) {
    if (auto problem = CheckInputValue(name, *RunInputByName(flight.inputs, name), cls)) return problem;
  }
  for (const auto& [name, value] : {std::pair{"rtol", std::optional<double>(flight.run.rtol)},
                                     std::pair{"atol", flight.run.atol}}) {
    if (!value) continue;
    if (!std::isfinite(*value)) return InputError{name, InputProblem::NotFinite};
    if (*value <= 0.0) return InputError{name, InputProblem::NotPositive};
  }
  return std::nullopt;
}

Scenario RecordOf(const Flight& flight) {
  Scenario record;
  record[sf::VehicleClass] = static_cast<int>(flight.vehicleClass);
  record[sf::AeroModel] = flight.inputs.AeroModel;
  for (const char* name : FlightInputNames(flight.vehicleClass)) {
    const InputNote* note = FindNote(name);
    if (note != nullptr && note->field >= 0) record[note->field] = *RunInputByName(flight.inputs, name);
  }
  return record;
}

void ApplyFlight(const Flight& flight, Calculation& calculation) {
  calculation.Load(RecordOf(flight));
  if (flight.vehicleClass == VehicleClass::Balloon) {
    calculation.inputs().Auftriebplus = flight.inputs.Auftriebplus;
    calculation.inputs().Gasverlust = flight.inputs.Gasverlust;
  }
  calculation.setSettings(flight.run);
}

}  // namespace zarv

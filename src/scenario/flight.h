#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "scenario/calculation.h"
#include "scenario/scenario.h"
#include "trajectory/earth_model.h"
#include "trajectory/input_check.h"
#include "trajectory/run_inputs.h"
#include "trajectory/run_settings.h"
#include "trajectory/vehicle_class.h"

namespace zarv {

// One user's flight: a vehicle of a class, its inputs and how to run it. Only the inputs
// of its class count (FlightInputNames); the others are those a fresh calculation has.
struct Flight {
  VehicleClass vehicleClass = VehicleClass::None;
  std::string name;
  std::string notes;
  std::string preset;  // CLASS:ITEM it started from, informative only; may be empty
  RunInputs inputs;
  RunSettings run;  // Earth model, integrator and its tolerances
};

// Equal in everything a file keeps (the inputs of the class, the texts, the options).
bool SameFlight(const Flight& a, const Flight& b);

// The classes a flight can be: those with presets.
bool IsFlightClass(VehicleClass vehicleClass);

// The inputs a flight of the class holds, in the order its file lists them. AeroModel
// is not among them: the file names the drag law by a word.
std::span<const char* const> FlightInputNames(VehicleClass vehicleClass);
bool IsFlightInput(VehicleClass vehicleClass, std::string_view name);

// The unit and meaning of an input, for the comment beside it in a file.
const char* FlightInputNote(std::string_view name);

// The flight a calculation holds now; the balloon's area is left out, its run sets it.
Flight FlightOf(const Calculation& calculation, const RunSettings& settings);

// The first value a flight file could not hold, as the run's own checks of single values
// see it: a class without presets, an input of the class, a tolerance that is not above 0.
std::optional<InputError> CheckFlight(const Flight& flight);

// What a click on the flight's preset would write in the record: its class and fields,
// the language left 0.
Scenario RecordOf(const Flight& flight);

// Puts the flight into a calculation as a preset click and START would: the record's
// inputs, the balloon's lift surplus and gas loss, and the run settings.
void ApplyFlight(const Flight& flight, Calculation& calculation);

}  // namespace zarv

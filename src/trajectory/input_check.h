#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "trajectory/run_inputs.h"
#include "trajectory/vehicle_class.h"

namespace zarv {

enum class InputProblem {
  NotFinite,             // NaN or infinite
  NotPositive,           // must be > 0
  Negative,              // must be >= 0
  TooManySteps,          // Tk / dt0 above kMaxStepsPerPass
  PropellantNotBelowMass,  // Mt plus one step's burn must stay below MassaStart
  GasNotLighterThanAir,  // GasDichte must be below the sea-level density
  NoPhysicsForClass,     // VehicleClass::None
  SampleIntervalZero,    // dt0 so small that a sample interval (flight time / 500) is 0
  OutOfRange,            // outside InputError::low .. high
  NotADragLaw,           // AeroModel other than 0, 1 or 2
};

inline constexpr double kMaxStepsPerPass = 50e6;
// No vehicle is lighter than a grain or heavier than a mountain; past these the forces
// leave the numbers and the run could only blame some other input.
inline constexpr double kMinStartMass = 1e-6;  // kg
inline constexpr double kMaxStartMass = 1e12;  // kg
inline constexpr int kDragLaws = 3;            // AeroModel 0 constant, 1 Titan-2, 2 A-4

struct InputError {
  std::string input;  // RunInputs name, or "VehicleClass"
  InputProblem problem;
  // When the problem comes from several inputs together: all of them, input first.
  std::vector<std::string> inputs = {};
  double low = 0.0, high = 0.0;  // the allowed range, for OutOfRange
};

// Checks what a run needs before it touches anything.
// The engine words nothing: the interface turns the code and the name into a message.
std::optional<InputError> CheckRunInputs(const RunInputs& inputs, VehicleClass vehicleClass);

// The checks of CheckRunInputs that one value decides alone, for a value read before the
// run (a flight file): the same problems and limits, none that needs a second input.
std::optional<InputError> CheckInputValue(std::string_view name, double value,
                                          VehicleClass vehicleClass);

}  // namespace zarv

#pragma once

#include <optional>
#include <string>

#include "trajectory/run_inputs.h"

namespace zarv {

// Interface languages, as the scenario record codes them.
inline constexpr int kRussian = 1;
inline constexpr int kGerman = 2;
inline constexpr int kEnglish = 3;

enum class InputProblem {
  NotFinite,             // NaN or infinite
  NotPositive,           // must be > 0
  Negative,              // must be >= 0
  TooManySteps,          // Tk / dt0 above kMaxStepsPerPass
  PropellantNotBelowMass,  // Mt (plus one step's burn) must stay below MassaStart
  GasNotLighterThanAir,  // GasDichte must be below the sea-level density
  NoPhysicsForClass,     // vehicle class 0 or outside 1..8
};

inline constexpr double kMaxStepsPerPass = 50e6;

struct InputError {
  std::string input;  // RunInputs name, or "VehicleClass"
  InputProblem problem;
};

// Checks what a run needs before it touches anything.
std::optional<InputError> CheckRunInputs(const RunInputs& inputs, double vehicleClass);

// The message for a rejected input in the given language (1 ru, 2 de, 3 en; UTF-8).
std::string DescribeInputError(const InputError& error, int language);

}  // namespace zarv

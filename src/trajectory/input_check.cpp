#include "trajectory/input_check.h"

#include <cmath>

#include "flight_model/constants.h"
#include "trajectory/trajectory_log.h"

namespace zarv {
namespace {

std::optional<InputError> Reject(const char* input, InputProblem problem) {
  return InputError{input, problem};
}

}  // namespace

std::optional<InputError> CheckRunInputs(const RunInputs& in, VehicleClass cls) {
  // A value cast from an unchecked number is refused like None.
  if (cls < VehicleClass::Projectile || cls > VehicleClass::Rocket) {
    return Reject("VehicleClass", InputProblem::NoPhysicsForClass);
  }
  for (const char* name : kRunInputNames) {
    if (!std::isfinite(*RunInputByName(in, name))) return Reject(name, InputProblem::NotFinite);
  }
  // The values alone, in the order their problems are reported; the step count and the
  // propellant need two inputs.
  const auto value = [&in, cls](const char* name) {
    return CheckInputValue(name, *RunInputByName(in, name), cls);
  };
  if (in.dt0 <= 0.0) return Reject("dt0", InputProblem::NotPositive);
  if (auto problem = value("Tk")) return problem;
  if (in.Tk / in.dt0 > kMaxStepsPerPass) return Reject("dt0", InputProblem::TooManySteps);
  for (const char* name : {"dt0", "MassaStart", "S0", "V0", "Cx", "AeroModel", "Iud", "Schub", "Mt"}) {
    if (auto problem = value(name)) return problem;
  }
  // The step at the end of the burn time still burns, so one more step's propellant
  // must leave a positive mass.
  if (cls == VehicleClass::Rocket &&
      (in.Mt >= in.MassaStart || in.Mt + in.Schub / in.Iud * in.dt0 >= in.MassaStart)) {
    return InputError{"Mt", InputProblem::PropellantNotBelowMass, {"Mt", "Schub", "Iud", "dt0"}};
  }
  for (const char* name : {"GasDichte", "RSAT"}) {
    if (auto problem = value(name)) return problem;
  }
  return std::nullopt;
}

std::optional<InputError> CheckInputValue(std::string_view name, double v, VehicleClass cls) {
  // A speed is a magnitude (the path angle gives the direction), and drag never pushes.
  const auto reject = [name](InputProblem problem) { return InputError{std::string(name), problem}; };
  const auto is = [name](const char* input) { return name == input; };
  if (!std::isfinite(v)) return reject(InputProblem::NotFinite);
  if ((is("dt0") || is("Tk") || is("MassaStart")) && v <= 0.0) return reject(InputProblem::NotPositive);
  if (is("dt0") && !(v / kSampleCapacity > 0.0)) return reject(InputProblem::SampleIntervalZero);
  if (is("MassaStart") && (v < kMinStartMass || v > kMaxStartMass)) {
    return InputError{"MassaStart", InputProblem::OutOfRange, {}, kMinStartMass, kMaxStartMass};
  }
  if ((is("S0") || is("V0") || is("Cx")) && v < 0.0) return reject(InputProblem::Negative);
  if (is("AeroModel") && (v != std::floor(v) || v < 0.0 || v >= kDragLaws)) {
    return reject(InputProblem::NotADragLaw);
  }
  if (cls == VehicleClass::Rocket) {
    if (is("Iud") && v <= 0.0) return reject(InputProblem::NotPositive);
    if ((is("Schub") || is("Mt")) && v < 0.0) return reject(InputProblem::Negative);
  }
  if (cls == VehicleClass::Balloon && is("GasDichte")) {
    if (v < 0.0) return reject(InputProblem::Negative);
    if (v >= kSeaLevelDensity) return reject(InputProblem::GasNotLighterThanAir);
  }
  if (cls == VehicleClass::Reentry && is("RSAT") && v <= 0.0) return reject(InputProblem::NotPositive);
  return std::nullopt;
}

}  // namespace zarv

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
  RunInputs copy = in;
  for (const char* name : kRunInputNames) {
    if (!std::isfinite(*RunInputByName(copy, name))) return Reject(name, InputProblem::NotFinite);
  }
  if (in.dt0 <= 0.0) return Reject("dt0", InputProblem::NotPositive);
  if (in.Tk <= 0.0) return Reject("Tk", InputProblem::NotPositive);
  if (in.Tk / in.dt0 > kMaxStepsPerPass) return Reject("dt0", InputProblem::TooManySteps);
  // A flight lasts at least one step, so its sample interval is at least this.
  if (!(in.dt0 / kSampleCapacity > 0.0)) return Reject("dt0", InputProblem::SampleIntervalZero);
  if (in.MassaStart <= 0.0) return Reject("MassaStart", InputProblem::NotPositive);
  if (in.MassaStart < kMinStartMass || in.MassaStart > kMaxStartMass) {
    return InputError{"MassaStart", InputProblem::OutOfRange, {}, kMinStartMass, kMaxStartMass};
  }
  if (in.S0 < 0.0) return Reject("S0", InputProblem::Negative);
  // A speed is a magnitude (the path angle gives the direction), and drag never pushes.
  if (in.V0 < 0.0) return Reject("V0", InputProblem::Negative);
  if (in.Cx < 0.0) return Reject("Cx", InputProblem::Negative);
  if (in.AeroModel != std::floor(in.AeroModel) || in.AeroModel < 0.0 || in.AeroModel >= kDragLaws) {
    return Reject("AeroModel", InputProblem::NotADragLaw);
  }

  if (cls == VehicleClass::Rocket) {
    if (in.Iud <= 0.0) return Reject("Iud", InputProblem::NotPositive);
    if (in.Schub < 0.0) return Reject("Schub", InputProblem::Negative);
    if (in.Mt < 0.0) return Reject("Mt", InputProblem::Negative);
    // The step at the end of the burn time still burns, so one more step's propellant
    // must leave a positive mass.
    if (in.Mt >= in.MassaStart || in.Mt + in.Schub / in.Iud * in.dt0 >= in.MassaStart) {
      return InputError{"Mt", InputProblem::PropellantNotBelowMass, {"Mt", "Schub", "Iud", "dt0"}};
    }
  }
  if (cls == VehicleClass::Balloon) {
    if (in.GasDichte < 0.0) return Reject("GasDichte", InputProblem::Negative);
    if (in.GasDichte >= kSeaLevelDensity) {
      return Reject("GasDichte", InputProblem::GasNotLighterThanAir);
    }
  }
  if (cls == VehicleClass::Reentry && in.RSAT <= 0.0) return Reject("RSAT", InputProblem::NotPositive);
  return std::nullopt;
}

std::optional<InputError> CheckInputValue(std::string_view name, double v, VehicleClass cls) {
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

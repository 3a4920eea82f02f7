#include "trajectory/input_check.h"

#include <cmath>
#include <cstddef>

#include "flight_model/constants.h"

namespace zarv {
namespace {

constexpr int kProjectile = 1, kBalloon = 3, kReentry = 7, kRocket = 8;

std::optional<InputError> Reject(const char* input, InputProblem problem) {
  return InputError{input, problem};
}

}  // namespace

std::optional<InputError> CheckRunInputs(const RunInputs& in, double vehicleClass) {
  if (!(vehicleClass >= kProjectile && vehicleClass <= kRocket) ||
      vehicleClass != std::floor(vehicleClass)) {
    return Reject("VehicleClass", InputProblem::NoPhysicsForClass);
  }
  RunInputs copy = in;
  for (const char* name : kRunInputNames) {
    if (!std::isfinite(*RunInputByName(copy, name))) return Reject(name, InputProblem::NotFinite);
  }
  if (in.dt0 <= 0.0) return Reject("dt0", InputProblem::NotPositive);
  if (in.Tk <= 0.0) return Reject("Tk", InputProblem::NotPositive);
  if (in.Tk / in.dt0 > kMaxStepsPerPass) return Reject("dt0", InputProblem::TooManySteps);
  if (in.MassaStart <= 0.0) return Reject("MassaStart", InputProblem::NotPositive);
  if (in.S0 < 0.0) return Reject("S0", InputProblem::Negative);

  const int cls = static_cast<int>(vehicleClass);
  if (cls == kRocket) {
    if (in.Iud <= 0.0) return Reject("Iud", InputProblem::NotPositive);
    if (in.Schub < 0.0) return Reject("Schub", InputProblem::Negative);
    if (in.Mt < 0.0) return Reject("Mt", InputProblem::Negative);
    // The step at the end of the burn time still burns, so one more step's propellant
    // must leave a positive mass.
    if (in.Mt >= in.MassaStart || in.Mt + in.Schub / in.Iud * in.dt0 >= in.MassaStart) {
      return Reject("Mt", InputProblem::PropellantNotBelowMass);
    }
  }
  if (cls == kBalloon) {
    if (in.GasDichte < 0.0) return Reject("GasDichte", InputProblem::Negative);
    if (in.GasDichte >= kSeaLevelDensity) {
      return Reject("GasDichte", InputProblem::GasNotLighterThanAir);
    }
  }
  if (cls == kReentry && in.RSAT <= 0.0) return Reject("RSAT", InputProblem::NotPositive);
  return std::nullopt;
}

std::string DescribeInputError(const InputError& error, int language) {
  struct Texts {
    const char* ru;
    const char* de;
    const char* en;
  };
  // Indexed by InputProblem.
  static constexpr Texts kReasons[] = {
      {"значение не является конечным числом", "der Wert ist keine endliche Zahl",
       "the value is not a finite number"},
      {"значение должно быть больше 0", "der Wert muss größer als 0 sein",
       "the value must be greater than 0"},
      {"значение не может быть отрицательным", "der Wert darf nicht negativ sein",
       "the value must not be negative"},
      {"слишком много шагов интегрирования (Tk / dt0 больше 50 миллионов)",
       "zu viele Integrationsschritte (Tk / dt0 über 50 Millionen)",
       "too many integration steps (Tk / dt0 above 50 million)"},
      {"масса топлива должна быть меньше стартовой массы",
       "die Treibstoffmasse muss kleiner als die Startmasse sein",
       "the propellant mass must be less than the start mass"},
      {"газ должен быть легче воздуха у земли (меньше 1.225 кг/м3)",
       "das Gas muss am Boden leichter als Luft sein (unter 1.225 kg/m3)",
       "the gas must be lighter than air at sea level (below 1.225 kg/m3)"},
      {"сначала выберите пример расчета", "bitte zuerst ein Beispiel wählen",
       "choose a preset example first"},
  };
  static constexpr Texts kLead = {"Неверный ввод", "Ungültige Eingabe", "Invalid input"};
  const Texts& reason = kReasons[static_cast<std::size_t>(error.problem)];
  auto pick = [language](const Texts& t) {
    return language == 1 ? t.ru : language == 3 ? t.en : t.de;
  };
  return std::string(pick(kLead)) + " " + error.input + ": " + pick(reason) + ".";
}

}  // namespace zarv

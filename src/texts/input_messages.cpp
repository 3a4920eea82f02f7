#include "texts/input_messages.h"

#include <array>
#include <cstddef>

#include "trajectory/number_format.h"

namespace zarv {
namespace {

// Indexed by InputProblem.
constexpr std::array<LanguageText, 10> kProblems{{
    {"значение не является конечным числом", "der Wert ist keine endliche Zahl",
     "the value is not a finite number"},
    {"значение должно быть больше 0", "der Wert muss größer als 0 sein",
     "the value must be greater than 0"},
    {"значение не может быть отрицательным", "der Wert darf nicht negativ sein",
     "the value must not be negative"},
    {"слишком много шагов интегрирования (Tk / dt0 больше 50 миллионов)",
     "zu viele Integrationsschritte (Tk / dt0 über 50 Millionen)",
     "too many integration steps (Tk / dt0 above 50 million)"},
    {"масса топлива вместе с расходом за один шаг должна быть меньше стартовой массы",
     "die Treibstoffmasse samt dem Verbrauch eines Schritts muss kleiner als die Startmasse sein",
     "the propellant plus one step's burn must stay below the start mass"},
    {"газ должен быть легче воздуха у земли (меньше 1.225 кг/м3)",
     "das Gas muss am Boden leichter als Luft sein (unter 1.225 kg/m3)",
     "the gas must be lighter than air at sea level (below 1.225 kg/m3)"},
    {"сначала выберите пример расчета", "bitte zuerst ein Beispiel wählen",
     "choose a preset example first"},
    {"шаг так мал, что интервал записи (время полета / 500) равен 0",
     "der Schritt ist so klein, dass der Aufzeichnungsabstand (Flugzeit / 500) 0 ist",
     "the step is so small that the sample interval (flight time / 500) is 0"},
    {"значение вне допустимого диапазона", "der Wert liegt außerhalb des erlaubten Bereichs",
     "the value is outside its range"},
    {"значение должно быть 0 (постоянный Cx), 1 (закон Titan-2) или 2 (закон A-4)",
     "der Wert muss 0 (konstantes Cx), 1 (Titan-2-Gesetz) oder 2 (A-4-Gesetz) sein",
     "the value must be 0 (constant Cx), 1 (Titan-2 law) or 2 (A-4 law)"},
}};
static_assert(kProblems.size() == static_cast<std::size_t>(InputProblem::NotADragLaw) + 1,
              "every input problem has its wording");

constexpr LanguageText kLead = {"Неверный ввод", "Ungültige Eingabe", "Invalid input"};
constexpr LanguageText kRangeFrom = {"значение должно быть от ", "der Wert muss zwischen ",
                                     "the value must be from "};
constexpr LanguageText kRangeTo = {" до ", " und ", " to "};
constexpr LanguageText kRangeEnd = {"", " liegen", ""};
constexpr int kRangeDigits = 6;

}  // namespace

const LanguageText& InputProblemText(InputProblem problem) {
  return kProblems[static_cast<std::size_t>(problem)];
}

std::string InputErrorText(const InputError& error, Language language) {
  if (error.problem != InputProblem::OutOfRange) return InputProblemText(error.problem).in(language);
  return std::string(kRangeFrom.in(language)) + FormatGeneral(error.low, kRangeDigits) +
         kRangeTo.in(language) + FormatGeneral(error.high, kRangeDigits) + kRangeEnd.in(language);
}

std::string DescribeInputError(const InputError& error, Language language,
                               const InputNamer& name) {
  const auto named = [&name](const std::string& input) { return name ? name(input) : input; };
  std::string names = error.inputs.empty() ? named(error.input) : std::string();
  for (const std::string& input : error.inputs) names += (names.empty() ? "" : ", ") + named(input);
  return std::string(kLead.in(language)) + " " + names + ": " + InputErrorText(error, language) + ".";
}

}  // namespace zarv

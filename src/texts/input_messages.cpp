#include "texts/input_messages.h"

#include <array>
#include <cstddef>

namespace zarv {
namespace {

// Indexed by InputProblem.
constexpr std::array<LanguageText, 8> kProblems{{
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
}};
static_assert(kProblems.size() == static_cast<std::size_t>(InputProblem::SampleIntervalZero) + 1,
              "every input problem has its wording");

constexpr LanguageText kLead = {"Неверный ввод", "Ungültige Eingabe", "Invalid input"};

}  // namespace

const LanguageText& InputProblemText(InputProblem problem) {
  return kProblems[static_cast<std::size_t>(problem)];
}

std::string DescribeInputError(const InputError& error, Language language) {
  std::string names = error.inputs.empty() ? error.input : std::string();
  for (const std::string& name : error.inputs) names += (names.empty() ? "" : ", ") + name;
  return std::string(kLead.in(language)) + " " + names + ": " +
         InputProblemText(error.problem).in(language) + ".";
}

}  // namespace zarv

#include "texts/step_check_report.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <vector>

#include "texts/format_apart.h"
#include "texts/text_fill.h"
#include "texts/text_table.h"
#include "texts/unit_text.h"
#include "trajectory/input_check.h"
#include "trajectory/number_format.h"

namespace zarv {
namespace {

struct QuantityText {
  LanguageText name;
  const char* unit;
};

// Indexed by StepQuantity.
constexpr std::array<QuantityText, kStepQuantityCount> kQuantities{{
    {{"время полета", "Flugzeit", "flight time"}, "s"},
    {{"дальность", "Reichweite", "range"}, "m"},
    {{"макс. высота", "max. Höhe", "peak altitude"}, "m"},
    {{"макс. скорость", "max. Geschwindigkeit", "peak speed"}, "m/s"},
    {{"макс. |nx|", "max. |nx|", "peak |nx|"}, ""},
    {{"макс. скоростной напор", "max. Staudruck", "peak dynamic pressure"}, "Pa"},
    {{"конечная скорость", "Endgeschwindigkeit", "final speed"}, "m/s"},
}};

constexpr LanguageText kQuantity = {"величина", "Größe", "quantity"};
constexpr LanguageText kExtrapolated = {"экстраполяция", "extrapoliert", "extrapolated"};
constexpr LanguageText kError = {"ошибка, %", "Fehler, %", "error, %"};
constexpr LanguageText kOrder = {"порядок", "Ordnung", "order"};
constexpr LanguageText kLargestStep = {"наиб. dt0, с", "größtes dt0, s", "largest dt0, s"};
constexpr LanguageText kLargestTolerance = {"наиб. rtol", "größtes rtol", "largest rtol"};
constexpr LanguageText kMeets = {"допуск", "Toleranz", "tolerance"};
constexpr LanguageText kYes = {"да", "ja", "met"};
constexpr LanguageText kNo = {"НЕТ", "NEIN", "MISSED"};
constexpr LanguageText kAny = {"любой", "beliebig", "any"};
constexpr std::size_t kProseWidth = 100;  // characters
// Marks an order that is not the method's.
constexpr const char* kOffOrder = "*";
constexpr const char* kNoOrder = "-";

constexpr LanguageText kEuler = {"Метод Эйлера", "Euler-Verfahren", "Euler method"};
constexpr LanguageText kRungeKutta = {"Метод Рунге–Кутта 4", "Runge-Kutta-Verfahren 4",
                                      "Runge-Kutta 4"};

// %1 the method, %2 its order.
constexpr LanguageText kFixedMethod = {
    "%1 (порядок %2): расчеты с dt0, dt0/2 и dt0/4; ошибка величины — ее отклонение при dt0 "
    "от значения, экстраполированного по двум меньшим шагам (Ричардсон).",
    "%1 (Ordnung %2): Läufe mit dt0, dt0/2 und dt0/4; der Fehler einer Größe ist ihr Abstand "
    "bei dt0 vom Wert, der aus den zwei kleineren Schritten extrapoliert ist (Richardson).",
    "%1 (order %2): runs at dt0, dt0/2 and dt0/4; a quantity's error is its distance at dt0 "
    "from the value extrapolated from the two smaller steps (Richardson)."};
constexpr LanguageText kAdaptiveMethod = {
    "Адаптивный метод: его шаг — допуск rtol, ошибка считается пропорциональной rtol. Расчеты "
    "с rtol, rtol/10 и rtol/100; ошибка величины — ее отклонение при rtol от значения, "
    "экстраполированного по двум более точным расчетам (Ричардсон).",
    "Adaptives Verfahren: sein Schritt ist seine Toleranz rtol, der Fehler wird proportional "
    "zu rtol angenommen. Läufe mit rtol, rtol/10 und rtol/100; der Fehler einer Größe ist ihr "
    "Abstand bei rtol vom Wert, der aus den zwei genaueren Läufen extrapoliert ist "
    "(Richardson).",
    "Adaptive method: its step is its tolerance rtol, the error taken as proportional to rtol. "
    "Runs at rtol, rtol/10 and rtol/100; a quantity's error is its distance at rtol from the "
    "value extrapolated from the two finer runs (Richardson)."};
// %1 the quantities, %2 the method's order.
constexpr LanguageText kNotAsymptotic = {
    "* Еще не асимптотическая область (наблюдаемый порядок отличается от порядка метода, %2): "
    "%1. Их ошибки оценены по наблюдаемому порядку (не ниже 0.5) и менее надежны: проверьте "
    "снова с выбранным шагом.",
    "* Noch nicht im asymptotischen Bereich (die beobachtete Ordnung weicht von der des "
    "Verfahrens, %2, ab): %1. Ihre Fehler sind mit der beobachteten Ordnung (mindestens 0.5) "
    "geschätzt und unsicherer: prüfen Sie mit dem gewählten Schritt erneut.",
    "* Not yet in the asymptotic range (the observed order differs from the method's, %2): %1. "
    "Their errors are estimated with the observed order (0.5 at least) and are less certain: "
    "check again at the step you take."};
// %1 the step checked, %2 the tolerance, %3 the largest error, %4 its quantity, %5 the step
// suggested, %6 the name of the step.
constexpr LanguageText kMeetsConfirmed = {
    "Шаг %1 выдерживает допуск %2 %% для всех величин (наибольшая ошибка %3 %%: %4). Расчет с "
    "%6 = %5 остался в пределах половины допуска: годится %6 до %5.",
    "Der Schritt %1 hält die Toleranz von %2 %% für alle Größen ein (größter Fehler %3 %%: %4). "
    "Ein Lauf mit %6 = %5 blieb in der Hälfte davon: %6 bis %5 geht.",
    "The step %1 meets the %2 %% tolerance for every quantity (largest error %3 %%: %4). A run "
    "at %6 = %5 stayed within half of it: %6 up to %5 will do."};
constexpr LanguageText kMeetsHere = {
    "Шаг %1 выдерживает допуск %2 %% для всех величин (наибольшая ошибка %3 %%: %4); больший "
    "шаг не подтвержден.",
    "Der Schritt %1 hält die Toleranz von %2 %% für alle Größen ein (größter Fehler %3 %%: %4); "
    "ein größerer Schritt ist nicht bestätigt.",
    "The step %1 meets the %2 %% tolerance for every quantity (largest error %3 %%: %4); no "
    "larger step was confirmed."};
constexpr LanguageText kMeetsThinly = {
    "Шаг %1 выдерживает допуск %2 %% (наибольшая ошибка %3 %%: %4), но с меньшим запасом, чем "
    "требует проверка: возьмите %6 не более %5.",
    "Der Schritt %1 hält die Toleranz von %2 %% ein (größter Fehler %3 %%: %4), doch mit "
    "weniger Reserve als die Prüfung verlangt: nehmen Sie %6 höchstens %5.",
    "The step %1 meets the %2 %% tolerance (largest error %3 %%: %4) with less than the "
    "check's margin: take %6 at most %5."};
constexpr LanguageText kTooCoarse = {
    "Шаг %1 слишком велик для допуска %2 %% (ошибка %3 %%: %4); возьмите %6 не более %5.",
    "Der Schritt %1 ist für die Toleranz von %2 %% zu grob (Fehler %3 %%: %4); nehmen Sie %6 "
    "höchstens %5.",
    "The step %1 is too coarse for the %2 %% tolerance (error %3 %%: %4); take %6 at most %5."};
constexpr LanguageText kNoStep = {
    "Шаг %1 не выдерживает допуск %2 %%, и эти расчеты не указывают шага.",
    "Der Schritt %1 verfehlt die Toleranz von %2 %%, und diese Läufe ergeben keinen Schritt.",
    "The step %1 misses the %2 %% tolerance, and these runs suggest no step."};
// %1 the step suggested, %2 the least step, %3 Tk with its unit, %4 the most steps.
constexpr LanguageText kBelowLeast = {
    "%1 меньше %2, допускаемых Tk = %3 (не более %4 шагов): сократите Tk до длительности "
    "полета или возьмите адаптивный метод.",
    "%1 liegt unter den %2, die Tk = %3 erlaubt (höchstens %4 Schritte): kürzen Sie Tk "
    "auf die Flugdauer oder nehmen Sie das adaptive Verfahren.",
    "%1 is below the %2 that Tk = %3 allows (%4 steps at most): shorten Tk to the "
    "flight's length, or take the adaptive method."};

bool Adaptive(const StepCheck& check) { return check.step.integrator == Integrator::Adaptive; }

const char* StepName(const StepCheck& check) { return Adaptive(check) ? "rtol" : "dt0"; }

// A step as a number with its unit (seconds for dt0, none for rtol).
std::string WithUnit(const StepCheck& check, const std::string& number, Language language) {
  return Adaptive(check) ? number : number + " " + UnitText("s", language);
}

std::string StepHeading(const StepCheck& check, int refinements) {
  return std::string(StepName(check)) + " = " +
         FormatGeneral(check.step.value / std::pow(check.step.refinement, refinements));
}

// A row's largest step; above what the check would try, only that it is above.
std::string LargestStep(const StepCheck& check, double step, Language language) {
  if (std::isinf(step)) return kAny.in(language);
  const double tried = LargestTried(check.step);
  return step > tried ? "> " + FormatGeneral(tried, 3) : FormatGeneral(step, 3);
}

// The observed order, "-" where the changes are too small or of opposite signs to show
// one; marked where it is not the method's.
std::string Order(const StepCheckRow& r) {
  const bool shown = !r.resolved && std::isfinite(r.observedOrder);
  return (shown ? FormatGeneral(r.observedOrder, 2) : std::string(kNoOrder)) +
         (r.asymptotic ? "" : kOffOrder);
}

// The row with the largest error; NaN counts as the largest.
const StepCheckRow& WorstRow(const StepCheck& check) {
  const StepCheckRow* worst = &check.rows[0];
  for (const StepCheckRow& r : check.rows) {
    if (!(r.error <= worst->error)) worst = &r;
  }
  return *worst;
}

std::string Verdict(const StepCheck& check, Language language) {
  const std::string checked = std::string(StepName(check)) + " = " +
                              WithUnit(check, FormatGeneral(check.step.value), language);
  const std::string tolerance = FormatGeneral(check.tolerance * 100.0);
  const StepCheckRow& worst = WorstRow(check);
  if (std::isnan(check.suggestedStep) || std::isnan(worst.error)) {
    return FillText(kNoStep.in(language), {checked, tolerance});
  }
  const std::string error =
      check.meets ? FormatGeneral(worst.error * 100.0, 3) : PercentApart(worst.error, tolerance);
  const std::string stepNumber = FormatApart(check.suggestedStep, FormatGeneral(check.step.value));
  const std::vector<std::string> values = {checked,
                                           tolerance,
                                           error,
                                           StepQuantityWord(worst.quantity, language),
                                           WithUnit(check, stepNumber, language),
                                           StepName(check)};
  const LanguageText* sentence = &kTooCoarse;
  if (check.meets) {
    sentence = check.confirmed                          ? &kMeetsConfirmed
               : check.suggestedStep < check.step.value ? &kMeetsThinly
                                                        : &kMeetsHere;
  }
  std::string text = FillText(sentence->in(language), values);
  if (check.suggestedStep < check.leastStep) {
    const std::string least = WithUnit(check, FormatApart(check.leastStep, stepNumber), language);
    const std::string endTime =
        WithUnit(check, FormatGeneral(check.leastStep * kMaxStepsPerPass, 6), language);
    text += ' ';
    text += FillText(kBelowLeast.in(language),
                     {values[4], least, endTime, FormatGeneral(kMaxStepsPerPass)});
  }
  return text;
}

}  // namespace

std::string StepQuantityWord(StepQuantity quantity, Language language) {
  return kQuantities[static_cast<std::size_t>(quantity)].name.in(language);
}

const char* StepQuantityUnit(StepQuantity quantity) {
  return kQuantities[static_cast<std::size_t>(quantity)].unit;
}

std::string StepQuantityName(StepQuantity quantity, Language language) {
  const QuantityText& q = kQuantities[static_cast<std::size_t>(quantity)];
  return q.unit[0] == '\0' ? std::string(q.name.in(language))
                           : std::string(q.name.in(language)) + ", " + UnitText(q.unit, language);
}

std::string StepCheckVerdict(const StepCheck& check, Language language) {
  return Verdict(check, language);
}

std::string FormatStepCheck(const StepCheck& check, Language language) {
  std::vector<std::vector<std::string>> table{
      {kQuantity.in(language), StepHeading(check, 0), StepHeading(check, 1), StepHeading(check, 2),
       kExtrapolated.in(language), kError.in(language), kOrder.in(language),
       (Adaptive(check) ? kLargestTolerance : kLargestStep).in(language), kMeets.in(language)}};
  std::string offOrder;
  for (const StepCheckRow& r : check.rows) {
    table.push_back({StepQuantityName(r.quantity, language), FormatGeneral(r.values[0], 7),
                     FormatGeneral(r.values[1], 7), FormatGeneral(r.values[2], 7),
                     FormatGeneral(r.extrapolated, 7), FormatGeneral(r.error * 100.0, 3), Order(r),
                     LargestStep(check, r.largestStep, language),
                     (r.meets ? kYes : kNo).in(language)});
    if (!r.asymptotic) {
      if (!offOrder.empty()) offOrder += ", ";
      offOrder += StepQuantityWord(r.quantity, language);
    }
  }
  const LanguageText& name = check.step.integrator == Integrator::Rk4 ? kRungeKutta : kEuler;
  const std::string order = std::to_string(check.step.order);
  const std::string rows = FormatTextTable(table);
  // The sentences under the table, no wider than a view shows at once.
  const std::size_t width = kProseWidth;
  std::string text = rows;
  const std::string method = Adaptive(check)
                                 ? std::string(kAdaptiveMethod.in(language))
                                 : FillText(kFixedMethod.in(language), {name.in(language), order});
  text += WrapParagraph(method, width);
  if (!offOrder.empty()) {
    text += WrapParagraph(FillText(kNotAsymptotic.in(language), {offOrder, order}), width);
  }
  return text + WrapParagraph(Verdict(check, language), width);
}

}  // namespace zarv

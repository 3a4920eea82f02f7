#include "texts/model_warning_texts.h"

#include <array>
#include <cmath>
#include <cstddef>

#include "texts/format_apart.h"
#include "texts/step_check_report.h"
#include "texts/text_fill.h"
#include "texts/unit_text.h"
#include "trajectory/number_format.h"

namespace zarv {
namespace {

// Indexed by ModelWarningCode.
constexpr std::array<LanguageText, 4> kWarnings{{
    // %1 the quantity, %2 its change, %3 the threshold.
    {"плоская Земля: на круглой Земле «%1» меняется на %2 %%, больше %3 %%: попробуйте круглую "
     "Землю.",
     "Flache Erde: die runde Erde ändert %1 um %2 %%, mehr als %3 %%: versuchen Sie die runde "
     "Erde.",
     "flat Earth: the round Earth changes the %1 by %2 %%, more than %3 %%: try the round Earth."},
    // %1 the altitude, %2 the table's top.
    {"высота %1 выше таблицы атмосферы (%2): значения экстраполированы.",
     "Höhe %1 über der Atmosphärentabelle (%2): die Werte sind extrapoliert.",
     "altitude %1 above the atmosphere table (%2): the values are extrapolated."},
    // %1 the run's step, %2 the other run's, %3 the quantity, %4 its error, %5 the threshold.
    {"шаг dt0 = %1, вероятно, слишком велик: по расчету с шагом %2 ошибка величины «%3» около "
     "%4 %%, больше %5 %%; проверьте шаг.",
     "der Schritt dt0 = %1 ist wohl zu grob: nach einem Lauf mit %2 liegt der Fehler von %3 "
     "bei etwa %4 %%, mehr als %5 %%; prüfen Sie den Schritt.",
     "the step dt0 = %1 is probably too coarse: a run at %2 puts the error of the %3 at about "
     "%4 %%, more than %5 %%; check the step."},
    // %1 the step's name, %2 the step suggested, %3 the run's.
    {"последняя проверка шага этого полета советует %1 не более %2; в этом расчете %1 = %3.",
     "die letzte Schrittprüfung dieses Flugs empfiehlt %1 höchstens %2; dieser Lauf hat %1 = %3.",
     "the last step check of this flight suggests %1 at most %2; this run took %1 = %3."},
}};
static_assert(kWarnings.size() == static_cast<std::size_t>(ModelWarningCode::StepTooCoarse) + 1);

std::string Seconds(const std::string& number, Language language) {
  return number + " " + UnitText("s", language);
}

std::string Metres(double metres, Language language) {
  return FormatGeneral(metres, 3) + " " + UnitText("m", language);
}

std::vector<std::string> Values(const ModelWarning& w, Language language) {
  const std::string threshold = FormatGeneral(w.threshold * 100.0);
  switch (w.code) {
    case ModelWarningCode::FlatEarth: {
      std::string change(1, w.value > 0.0 ? '+' : '-');
      change += PercentApart(std::abs(w.value), threshold, 2);
      return {StepQuantityWord(w.quantity, language), change, threshold};
    }
    case ModelWarningCode::AboveAtmosphereTable:
      return {Metres(w.value, language), FormatGeneral(kAtmosphereTableTop / 1000.0) + " " +
                                             UnitText("km", language)};
    case ModelWarningCode::StepProbablyCoarse:
      return {Seconds(FormatGeneral(w.runStep), language), Seconds(FormatGeneral(w.step), language),
              StepQuantityWord(w.quantity, language), PercentApart(w.value, threshold, 2),
              threshold};
    case ModelWarningCode::StepTooCoarse: {
      const bool adaptive = w.integrator == Integrator::Adaptive;
      const std::string run = FormatGeneral(w.runStep);
      const std::string suggested = FormatApart(w.value, run);
      return {adaptive ? "rtol" : "dt0", adaptive ? suggested : Seconds(suggested, language),
              adaptive ? run : Seconds(run, language)};
    }
  }
  return {};
}

}  // namespace

std::string DescribeModelWarning(const ModelWarning& warning, Language language) {
  return FillText(kWarnings[static_cast<std::size_t>(warning.code)].in(language),
                  Values(warning, language));
}

}  // namespace zarv

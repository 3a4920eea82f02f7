#include "texts/model_warning_texts.h"

#include <array>
#include <cstddef>

#include "trajectory/number_format.h"

namespace zarv {
namespace {

// Indexed by ModelWarningCode; the value goes between the two halves.
struct WarningText {
  LanguageText before;
  LanguageText after;
};

constexpr std::array<WarningText, 3> kWarnings{{
    {{"плоская Земля: V^2 / ((R + H) g) = ",
      "Flache Erde: V^2 / ((R + H) g) = ",
      "flat Earth: V^2 / ((R + H) g) = "},
     {" больше 0.2; перегрузки при входе завышены, дальности занижены: попробуйте круглую Землю.",
      " liegt über 0.2; Eintrittslasten sind zu hoch, Reichweiten zu kurz: versuchen Sie die runde "
      "Erde.",
      " exceeds 0.2; entry loads are overstated and ranges understated: try the round Earth."}},
    {{"высота ", "Höhe ", "altitude "},
     {" м выше таблицы атмосферы (1000 км): значения экстраполированы.",
      " m über der Atmosphärentabelle (1000 km): die Werte sind extrapoliert.",
      " m above the atmosphere table (1000 km): the values are extrapolated."}},
    {{"последняя проверка шага признала dt0 слишком большим; возьмите не более ",
      "die letzte Schrittprüfung fand dt0 zu grob; nehmen Sie höchstens ",
      "the last step check found dt0 too coarse; take at most "},
     {" с.", " s.", " s."}},
}};
static_assert(kWarnings.size() == static_cast<std::size_t>(ModelWarningCode::StepTooCoarse) + 1);

}  // namespace

std::string DescribeModelWarning(const ModelWarning& warning, Language language) {
  const WarningText& text = kWarnings[static_cast<std::size_t>(warning.code)];
  return std::string(text.before.in(language)) + FormatGeneral(warning.value, 3) +
         text.after.in(language);
}

}  // namespace zarv

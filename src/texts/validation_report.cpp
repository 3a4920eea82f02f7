#include "texts/validation_report.h"

#include <array>
#include <cstddef>

#include "texts/text_table.h"
#include "texts/unit_text.h"
#include "trajectory/number_format.h"

namespace zarv {
namespace {

// Indexed by ValidationCase.
constexpr std::array<LanguageText, 11> kCases{{
    {"снаряд без сопротивления", "Geschoss ohne Luftwiderstand", "drag-free projectile"},
    {"парашют", "Fallschirm", "parachute"},
    {"установившееся планирование", "stationärer Gleitflug", "steady glide"},
    {"оболочка аэростата", "Ballonhülle", "balloon envelope"},
    {"аэростат на высоте полета (круглая Земля)", "Ballon auf Flughöhe (runde Erde)",
     "balloon afloat (round Earth)"},
    {"вертикальная ракета без сопротивления", "senkrechte Rakete ohne Luftwiderstand",
     "vertical drag-free rocket"},
    {"торможение по закону Маха", "Abbremsung nach Mach-Gesetz", "Mach-law deceleration"},
    {"круговая орбита (круглая Земля)", "Kreisbahn (runde Erde)", "circular orbit (round Earth)"},
    {"эллиптическая орбита (круглая Земля)", "elliptische Bahn (runde Erde)",
     "eccentric orbit (round Earth)"},
    {"баллистический выстрел (круглая Земля)", "ballistischer Schuss (runde Erde)",
     "ballistic shot (round Earth)"},
    {"крутой баллистический вход", "steiler ballistischer Eintritt", "steep ballistic entry"},
}};
static_assert(kCases.size() == static_cast<std::size_t>(ValidationCase::Entry) + 1);

// Indexed by ValidationQuantity.
constexpr std::array<LanguageText, 11> kQuantities{{
    {"дальность", "Reichweite", "range"},
    {"время полета", "Flugzeit", "flight time"},
    {"макс. высота", "max. Höhe", "peak altitude"},
    {"установившаяся скорость", "Sinkgeschwindigkeit", "terminal speed"},
    {"дальность / потеря высоты", "Strecke / Höhenverlust", "range / height lost"},
    {"объем оболочки", "Hüllenvolumen", "envelope volume"},
    {"скорость в конце работы двигателя", "Brennschlussgeschwindigkeit", "burn-out speed"},
    {"высота, наибольшее отклонение", "Höhe, größte Abweichung", "altitude, farthest off"},
    {"макс. перегрузка торможения", "max. Verzögerung", "peak deceleration"},
    {"конечная скорость", "Endgeschwindigkeit", "final speed"},
    {"период", "Umlaufzeit", "period"},
}};
static_assert(kQuantities.size() == static_cast<std::size_t>(ValidationQuantity::Period) + 1);

// Indexed by Integrator.
constexpr std::array<LanguageText, 3> kIntegrators{{
    {"Эйлер", "Euler", "Euler"},
    {"РК4", "RK4", "RK4"},
    {"адаптивный", "adaptiv", "adaptive"},
}};

constexpr LanguageText kFlight = {"полет", "Flug", "flight"};
constexpr LanguageText kIntegrator = {"метод", "Verfahren", "method"};
constexpr LanguageText kQuantity = {"величина", "Größe", "quantity"};
constexpr LanguageText kSource = {"источник", "Quelle", "source"};
constexpr LanguageText kClosedForm = {"формула", "geschlossen", "closed form"};
constexpr LanguageText kComputed = {"расчет", "berechnet", "computed"};
constexpr LanguageText kDifference = {"разность", "Differenz", "difference"};
constexpr LanguageText kTolerance = {"допуск", "Toleranz", "tolerance"};
constexpr LanguageText kResult = {"итог", "Ergebnis", "result"};
constexpr LanguageText kPass = {"да", "ok", "pass"};
constexpr LanguageText kFail = {"НЕТ", "FEHLER", "FAIL"};
constexpr LanguageText kPassed = {"выдержано", "bestanden", "passed"};

constexpr int kDigits = 7;

std::string WithUnit(const char* name, const char* unit, Language language) {
  return unit[0] == '\0' ? std::string(name) : std::string(name) + ", " + UnitText(unit, language);
}

}  // namespace

const char* ValidationCaseName(ValidationCase flight, Language language) {
  return kCases[static_cast<std::size_t>(flight)].in(language);
}

const char* ValidationQuantityName(ValidationQuantity quantity, Language language) {
  return kQuantities[static_cast<std::size_t>(quantity)].in(language);
}

std::string FormatValidationReport(const std::vector<ValidationRow>& rows, Language language) {
  std::vector<std::vector<std::string>> table{
      {kFlight.in(language), kIntegrator.in(language), kQuantity.in(language),
       kClosedForm.in(language), kComputed.in(language), kDifference.in(language),
       kTolerance.in(language), kResult.in(language), kSource.in(language)}};
  int passed = 0;
  for (const ValidationRow& r : rows) {
    passed += r.passed() ? 1 : 0;
    table.push_back({ValidationCaseName(r.flight, language),
                     kIntegrators[static_cast<std::size_t>(r.integrator)].in(language),
                     WithUnit(ValidationQuantityName(r.quantity, language), r.unit, language),
                     FormatGeneral(r.closedForm, kDigits), FormatGeneral(r.computed, kDigits),
                     FormatGeneral(r.difference(), 3), FormatGeneral(r.tolerance, 3),
                     (r.passed() ? kPass : kFail).in(language), r.source});
  }
  return FormatTextTable(table) + kPassed.in(language) + ": " + std::to_string(passed) + " / " +
         std::to_string(rows.size()) + "\n";
}

}  // namespace zarv

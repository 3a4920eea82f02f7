#include "texts/step_check_report.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <vector>

#include "texts/text_table.h"
#include "texts/unit_text.h"
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
constexpr LanguageText kChange = {"изменение, %", "Änderung, %", "change, %"};
constexpr LanguageText kError = {"ошибка при dt0, %", "Fehler bei dt0, %", "error at dt0, %"};
constexpr LanguageText kLargest = {"наиб. шаг, с", "größter Schritt, s", "largest step, s"};
constexpr LanguageText kMeets = {"допуск", "Toleranz", "tolerance"};
constexpr LanguageText kYes = {"да", "ja", "met"};
constexpr LanguageText kNo = {"НЕТ", "NEIN", "MISSED"};
constexpr LanguageText kAny = {"любой", "beliebig", "any"};

constexpr LanguageText kMeetsAll = {
    "Шаг dt0 = %s с выдерживает допуск %s %% для всех величин; допустим шаг до %s с.",
    "Der Schritt dt0 = %s s hält die Toleranz von %s %% für alle Größen ein; bis %s s ginge es "
    "noch.",
    "The step dt0 = %s s meets the %s %% tolerance for every quantity; up to %s s would still "
    "do."};
constexpr LanguageText kTooCoarse = {
    "Шаг dt0 = %s с слишком велик для допуска %s %%; возьмите dt0 не более %s с.",
    "Der Schritt dt0 = %s s ist für die Toleranz von %s %% zu grob; nehmen Sie dt0 höchstens %s s.",
    "The step dt0 = %s s is too coarse for the %s %% tolerance; take dt0 at most %s s."};

std::string Step(double step, Language language) {
  return std::isinf(step) ? kAny.in(language) : FormatGeneral(step, 3);
}

// The format's three %s filled in order; "%%" is a percent sign.
std::string Fill(const char* format, const std::array<std::string, 3>& values) {
  std::string text;
  std::size_t next = 0;
  for (const char* p = format; *p != '\0'; ++p) {
    if (p[0] == '%' && p[1] == '%') {
      text += '%';
      ++p;
    } else if (p[0] == '%' && p[1] == 's' && next < values.size()) {
      text += values[next++];
      ++p;
    } else {
      text += *p;
    }
  }
  return text;
}

}  // namespace

std::string StepQuantityName(StepQuantity quantity, Language language) {
  const QuantityText& q = kQuantities[static_cast<std::size_t>(quantity)];
  return q.unit[0] == '\0' ? std::string(q.name.in(language))
                           : std::string(q.name.in(language)) + ", " + UnitText(q.unit, language);
}

std::string StepCheckVerdict(const StepCheck& check, Language language) {
  const LanguageText& sentence = check.meets ? kMeetsAll : kTooCoarse;
  return Fill(sentence.in(language), {FormatGeneral(check.step), FormatGeneral(check.tolerance * 100.0),
                                      Step(check.largestStep, language)});
}

std::string FormatStepCheck(const StepCheck& check, Language language) {
  const std::string step = FormatGeneral(check.step);
  std::vector<std::vector<std::string>> table{
      {kQuantity.in(language), "dt0 = " + step, "dt0 = " + FormatGeneral(check.step / 2.0),
       kChange.in(language), kError.in(language), kLargest.in(language), kMeets.in(language)}};
  for (const StepCheckRow& r : check.rows) {
    table.push_back({StepQuantityName(r.quantity, language), FormatGeneral(r.atStep, 7),
                     FormatGeneral(r.atHalfStep, 7), FormatGeneral(r.relativeChange * 100.0, 3),
                     FormatGeneral(r.impliedError * 100.0, 3), Step(r.largestStep, language),
                     (r.meets ? kYes : kNo).in(language)});
  }
  return FormatTextTable(table) + StepCheckVerdict(check, language) + "\n";
}

}  // namespace zarv

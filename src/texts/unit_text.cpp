#include "texts/unit_text.h"

namespace zarv {

namespace {

struct UnitPair {
  std::string_view si;
  const char* russian;
};
constexpr UnitPair kRussianUnits[] = {
    {"m", "м"},   {"km", "км"},   {"s", "с"},   {"m/s", "м/с"}, {"Pa", "Па"},
    {"kg", "кг"}, {"m2", "м2"},   {"m3", "м3"}, {"N", "Н"},
};

}  // namespace

std::string UnitText(std::string_view unit, Language language) {
  if (language == Language::Russian) {
    for (const UnitPair& pair : kRussianUnits)
      if (pair.si == unit) return pair.russian;
  }
  return std::string(unit);
}

}  // namespace zarv

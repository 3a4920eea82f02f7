#include "charts/chart_captions.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace zarv {

namespace {

// Captions that depend on the language only.
struct FixedCaption {
  int row;
  LanguageText text;
  int dx, dy;  // px, from the caption point
};

//   row                          ru, de, en                                   dx,  dy (px)
constexpr std::array<FixedCaption, 9> kPositiveFixed{{
    {row::kPathAngle,             {"Q,град", "Q,grad", "Q,grad"},               0,   0},
    {row::kLoadFactorX,           {"nx,g", "nx,g", "nx,g"},                     0,   0},
    {row::kLoadFactorY,           {"ny,g", "ny,g", "ny,g"},                     0,   0},
    {row::kLiftMinusWeightChart,  {"A-mg,N", "A-mg,N", "A-mg,N"},               0,   0},
    {row::kLiftForce,             {"A,N", "A,N", "A,N"},                        0,   0},
    {row::kThrustPerMass,         {"P/m, N/kg", "P/m, N/kg", "P/m, N/kg"},      0, -15},
    {row::kEnvelopeVolume,        {"Volumen,m3", "Volumen,m3", "Volumen,m3"},   0,   0},
    {row::kDragCoefficient,       {"Cx", "Cx", "Cx"},                           0,   0},
    {row::kMach,                  {"Mах", "Mach", "Mach"},                      0,   0},
}};

//   row                          ru, de, en                                   dx,  dy (px)
constexpr std::array<FixedCaption, 9> kSignedFixed{{
    {row::kPathAngle,             {"Q,град", "Q,grad", "Q,grad"},               0,   0},
    {row::kLoadFactorX,           {"nx,g", "nx,g", "nx,g"},                     0,   0},
    {row::kLoadFactorY,           {"ny,g", "ny,g", "ny,g"},                     0,   0},
    {row::kLiftMinusWeightChart,  {"A-mg,N", "A-mg,N", "A-mg,N"},               0,   0},
    {row::kLiftForce,             {"F,N", "F,N", "F,N"},                      -10,   0},
    {row::kThrust,                {"P,N", "P,N", "P,N"},                        0,   0},
    {row::kMass,                  {"m,kg/s", "m,kg/s", "m,kg/s"},               0,   0},
    {row::kThrustPerMass,         {"P/m,N/kg", "P/m,N/kg", "P/m,N/kg"},         0,   0},
    {row::kAeroLiftForce,         {"L,H", "L,H", "L,H"},                        0,   0},
}};

// Marker shapes and sizes of the curve rows.
//                                  row  legend     curve    interval
//                                       shape size shape size  offset
constexpr std::array<MarkerStyle, 17> kMarkerStyles{{
    {row::kVelocity,                 7, 6,     7, 6,    -3},
    {row::kDynamicPressure,          1, 6,     1, 8,    -2},
    {row::kAltitude,                 6, 6,     6, 6,     0},
    {row::kPathAngle,                5, 4,     5, 6,    -1},
    {row::kLoadFactorX,             13, 6,    13, 7,     0},
    {row::kLoadFactorY,             12, 6,    12, 7,    -1},
    {row::kLiftMinusWeightChart,    18, 8,    18, 9,     1},
    {row::kLiftForce,               16, 8,    16, 9,     2},
    {row::kHeatFlux,                 8, 8,     8, 8,     0},
    {row::kThrust,                   4, 8,     4, 8,     0},
    {row::kMass,                    10, 8,    10, 8,     3},
    {row::kThrustPerMass,           11, 8,    11, 9,    -1},
    {row::kEnvelopeVolume,           2, 8,     2, 7,    -2},
    {row::kDragForce,                9, 8,     9, 8,    -3},
    {row::kAeroLiftForce,            8, 8,     8, 8,    -2},
    {row::kDragCoefficient,         16, 8,    16, 8,    -1},
    {row::kMach,                    18, 8,    18, 8,    -3},
}};

const FixedCaption* FindFixed(std::span<const FixedCaption> table, int rowNumber) {
  const auto it = std::find_if(table.begin(), table.end(),
                               [rowNumber](const FixedCaption& c) { return c.row == rowNumber; });
  return it == table.end() ? nullptr : &*it;
}

// A caption whose German and English texts are the same Latin one.
const char* Pick(Language language, const char* latin, const char* cyrillic) {
  return LanguageText{cyrillic, latin, latin}.in(language);
}

const char* VelocityCaption(const UnitFlags& units, Language language) {
  return units.VelocityInKm == 1 ? Pick(language, "V,km/s", "V,км/с")
                                 : Pick(language, "V,m/s", "V,м/с");
}

}  // namespace

const char* AbscissaCaption(int rowNumber, const UnitFlags& units, Language language) {
  switch (rowNumber) {
    case row::kTime:
      if (units.TimeUnit == 2) return Pick(language, "t,min", "t,мин");
      if (units.TimeUnit == 3) return Pick(language, "t,h", "t,ч");
      return Pick(language, "t,s", "t,с");
    case row::kVelocity:
      return VelocityCaption(units, language);
    case row::kRange:
      return units.RangeInKm == 1 ? Pick(language, "X,km", "X,км") : Pick(language, "X,m", "X,м");
    default:
      return nullptr;
  }
}

std::vector<PlacedCaption> PositiveAxisCaption(int rowNumber, const UnitFlags& units,
                                               Language language, bool firstCurve) {
  switch (rowNumber) {
    case row::kVelocity:
      return {{VelocityCaption(units, language), 0, firstCurve ? -22 : 0}};
    case row::kDynamicPressure:
      if (units.PressureUnit == 1) return {{Pick(language, "q,kPa", "q,КПа")}};
      if (units.PressureUnit == 2) return {{Pick(language, "q,MPa", "q,МПа")}};
      return {{Pick(language, "q,Pa", "q,Па")}};
    case row::kAltitude:
      return {{units.AltitudeInKm == 1 ? Pick(language, "H,km", "H,км")
                                       : Pick(language, "H,m", "H,м"),
               0, 2}};
    case row::kHeatFlux:
      // The unit is kW/m2; the square goes up as a separate digit.
      if (language == Language::Russian) return {{"q,кВт/м", -2, 0}, {"2", 36, -16}};
      return {{"q,kW/m", -7, 0}, {"2", 36, -16}};
    case row::kThrust:
      return {{units.ThrustInKilo == 1 ? Pick(language, "P,kN", "P,кН")
                                       : Pick(language, "P,N", "P,H")}};
    case row::kMass:
      return {{units.MassInKilo == 1 ? Pick(language, "m,t", "m,т")
                                     : Pick(language, "m,kg", "m,кг")}};
    case row::kDragForce:
      return {{LanguageText{"X,H", "W,N", "D,N"}.in(language)}};
    case row::kAeroLiftForce:
      return {{LanguageText{"Y,H", "A,N", "L,N"}.in(language)}};
    default:
      break;
  }
  if (const FixedCaption* c = FindFixed(kPositiveFixed, rowNumber)) {
    return {{c->text.in(language), c->dx, c->dy}};
  }
  return {};
}

PlacedCaption SignedAxisCaption(int rowNumber, const UnitFlags& units, Language language) {
  if (rowNumber == row::kVelocity) return {VelocityCaption(units, language), -4, 0};
  if (const FixedCaption* c = FindFixed(kSignedFixed, rowNumber)) {
    return {c->text.in(language), c->dx, c->dy};
  }
  return {nullptr};
}

const MarkerStyle* FindMarkerStyle(int rowNumber) {
  const auto it = std::find_if(kMarkerStyles.begin(), kMarkerStyles.end(),
                               [rowNumber](const MarkerStyle& s) { return s.row == rowNumber; });
  return it == kMarkerStyles.end() ? nullptr : &*it;
}

int MarkerInterval(int rowNumber) {
  const MarkerStyle* style = FindMarkerStyle(rowNumber);
  if (style == nullptr) return 0;
  const int k = static_cast<int>(std::nearbyint(std::sqrt(500.0)));
  return k + style->intervalOffset;
}

}  // namespace zarv

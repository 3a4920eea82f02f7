#include "trajectory/log_units.h"

#include <array>

namespace zarv {
namespace {

// One shown unit of a flagged row: the flag's value and the unit's size in the recorded one.
struct FlagUnit {
  int flag;
  const char* unit;
  double size;
};

struct FlaggedRow {
  int row;
  int UnitFlags::*flag;
  std::array<FlagUnit, 3> units;  // unit nullptr: no further one
};

constexpr FlaggedRow kFlagged[] = {
    {row::kTime, &UnitFlags::TimeUnit, {{{0, "s", 1.0}, {2, "min", 60.0}, {3, "h", 3600.0}}}},
    {row::kVelocity, &UnitFlags::VelocityInKm, {{{0, "m/s", 1.0}, {1, "km/s", 1000.0}, {0, nullptr, 0}}}},
    {row::kDynamicPressure, &UnitFlags::PressureUnit, {{{0, "Pa", 1.0}, {1, "kPa", 1e3}, {2, "MPa", 1e6}}}},
    {row::kAltitude, &UnitFlags::AltitudeInKm, {{{0, "m", 1.0}, {1, "km", 1000.0}, {0, nullptr, 0}}}},
    {row::kRange, &UnitFlags::RangeInKm, {{{0, "m", 1.0}, {1, "km", 1000.0}, {0, nullptr, 0}}}},
    {row::kThrust, &UnitFlags::ThrustInKilo, {{{0, "N", 1.0}, {1, "kN", 1000.0}, {0, nullptr, 0}}}},
    {row::kMass, &UnitFlags::MassInKilo, {{{0, "kg", 1.0}, {1, "t", 1000.0}, {0, nullptr, 0}}}},
};

// The recorded units of the rows without a flag.
constexpr std::array<const char*, kRecordedRows> kPlainUnits{
    "s",  "m/s",  "Pa", "m",  "deg", "-", "-", "m", "N", "g", "g", "N",   "N",     "m/s", "kW/m2", "N",
    "kg", "m/s2", "-",  "m3", "N",   "N", "N", "-", "-", "-", "K", "bar", "kg/m3", "1/m", "N"};

const FlaggedRow* Flagged(int r) {
  for (const FlaggedRow& f : kFlagged)
    if (f.row == r) return &f;
  return nullptr;
}

const FlagUnit* Shown(const FlaggedRow& f, const UnitFlags& units) {
  for (const FlagUnit& u : f.units)
    if (u.unit != nullptr && u.flag == units.*f.flag) return &u;
  return &f.units[0];
}

}  // namespace

const char* LogRowUnit(int r, const UnitFlags& units) {
  if (const FlaggedRow* f = Flagged(r)) return Shown(*f, units)->unit;
  return r >= 0 && r < kRecordedRows ? kPlainUnits[static_cast<std::size_t>(r)] : "-";
}

bool SetLogRowUnit(int r, std::string_view unit, UnitFlags& units) {
  if (const FlaggedRow* f = Flagged(r)) {
    for (const FlagUnit& u : f->units) {
      if (u.unit != nullptr && unit == u.unit) {
        units.*f->flag = u.flag;
        return true;
      }
    }
    return false;
  }
  return unit == LogRowUnit(r, units);
}

std::string LogRowUnitChoices(int r) {
  const FlaggedRow* f = Flagged(r);
  if (f == nullptr) return LogRowUnit(r, UnitFlags{});
  std::string choices;
  for (const FlagUnit& u : f->units) {
    if (u.unit == nullptr) continue;
    if (!choices.empty()) choices += ", ";
    choices += u.unit;
  }
  return choices;
}

double LogRowUnitSize(int r, const UnitFlags& units) {
  const FlaggedRow* f = Flagged(r);
  return f != nullptr ? Shown(*f, units)->size : 1.0;
}

}  // namespace zarv

#include "trajectory/measured_flight.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>

#include "flight_model/constants.h"
#include "trajectory/table_text.h"
#include "trajectory/trajectory_log.h"

namespace zarv {
namespace {

constexpr double kFoot = 0.3048;                 // m
constexpr double kKilometrePerHour = 1.0 / 3.6;  // m/s
constexpr double kKnot = 1852.0 / 3600.0;        // m/s

struct Unit {
  const char* name;
  double size;  // in the row's recorded unit
};

// What a column heading may name, in lower case; `row` -1 is the time. Names are matched
// without regard to case, units as written.
struct Quantity {
  int row;
  MeasuredQuantity quantity;
  std::array<const char*, 7> names;
  std::array<Unit, 7> units;
};

const std::array<Quantity, 6> kQuantities{{
    {-1,
     MeasuredQuantity::kAltitude,
     {"t", "time", "zeit", "время"},
     {{{"s", 1.0}, {"ms", 0.001}, {"min", 60.0}, {"h", 3600.0}}}},
    {row::kAltitude,
     MeasuredQuantity::kAltitude,
     {"h", "alt", "altitude", "height", "höhe", "hoehe", "высота"},
     {{{"m", 1.0}, {"km", 1000.0}, {"ft", kFoot}}}},
    {row::kRange,
     MeasuredQuantity::kRange,
     {"x", "range", "distance", "reichweite", "дальность"},
     {{{"m", 1.0}, {"km", 1000.0}, {"ft", kFoot}}}},
    {row::kVelocity,
     MeasuredQuantity::kSpeed,
     {"v", "speed", "velocity", "geschwindigkeit", "скорость"},
     {{{"m/s", 1.0}, {"km/h", kKilometrePerHour}, {"km/s", 1000.0}, {"ft/s", kFoot}, {"kn", kKnot}}}},
    // Radians turn into the degrees of the log as the engine turns its own.
    {row::kPathAngle,
     MeasuredQuantity::kPathAngle,
     {"theta", "gamma", "path angle", "bahnwinkel", "угол наклона траектории"},
     {{{"deg", 1.0}, {"°", 1.0}, {"rad", kDegreesPerRadian}}}},
    {row::kLoadFactorX,
     MeasuredQuantity::kAcceleration,
     {"nx", "a", "acceleration", "beschleunigung", "ускорение"},
     {{{"g", 1.0},
       {"m/s2", 1.0 / kGravity},
       {"m/s^2", 1.0 / kGravity},
       {"m/s²", 1.0 / kGravity},
       {"ft/s2", kFoot / kGravity},
       {"ft/s^2", kFoot / kGravity},
       {"ft/s²", kFoot / kGravity}}}},
}};

// Lower case of ASCII, German umlauts and Cyrillic, enough to match the names above.
std::string Lower(std::string_view text) {
  std::string lower(text);
  for (std::size_t i = 0; i < lower.size(); ++i) {
    unsigned char& c = reinterpret_cast<unsigned char&>(lower[i]);
    if (c >= 'A' && c <= 'Z') {
      c = static_cast<unsigned char>(c - 'A' + 'a');
    } else if (i + 1 < lower.size()) {
      unsigned char& next = reinterpret_cast<unsigned char&>(lower[i + 1]);
      if (c == 0xC3 && (next == 0x84 || next == 0x96 || next == 0x9C)) {  // Ä Ö Ü
        next = static_cast<unsigned char>(next + 0x20);
      } else if (c == 0xD0 && next >= 0x90 && next <= 0x9F) {  // А..П
        next = static_cast<unsigned char>(next + 0x20);
      } else if (c == 0xD0 && next >= 0xA0 && next <= 0xAF) {  // Р..Я
        c = 0xD1;
        next = static_cast<unsigned char>(next - 0x20);
      } else if (c == 0xD0 && next == 0x81) {  // Ё
        c = 0xD1;
        next = 0x91;
      }
      if (c >= 0xC0) ++i;
    }
  }
  return lower;
}

const Quantity* FindQuantity(std::string_view name) {
  const std::string lower = Lower(name);
  for (const Quantity& q : kQuantities)
    for (const char* known : q.names)
      if (known != nullptr && lower == known) return &q;
  return nullptr;
}

const Unit* FindUnit(const Quantity& q, std::string_view unit) {
  for (const Unit& u : q.units)
    if (u.name != nullptr && unit == u.name) return &u;
  return nullptr;
}

std::string KnownUnits(const Quantity& q) {
  std::string known;
  for (const Unit& u : q.units) {
    if (u.name == nullptr) continue;
    if (!known.empty()) known += ", ";
    known += u.name;
  }
  return known;
}

// "H [m]" or "H (m)" as name and unit; no unit: empty, `bracketed` false.
void SplitHeading(std::string_view heading, std::string_view& name, std::string_view& unit, bool& bracketed) {
  name = heading;
  unit = {};
  bracketed = false;
  const char close = heading.ends_with(']') ? '[' : heading.ends_with(')') ? '(' : '\0';
  if (close == '\0') return;
  const std::size_t open = heading.rfind(close);
  if (open == std::string_view::npos) return;
  bracketed = true;
  unit = heading.substr(open + 1, heading.size() - open - 2);
  name = heading.substr(0, open);
  while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.remove_suffix(1);
  while (!unit.empty() && unit.front() == ' ') unit.remove_prefix(1);
  while (!unit.empty() && unit.back() == ' ') unit.remove_suffix(1);
}

}  // namespace

std::optional<std::span<const double>> MeasuredFlight::Row(int r) const {
  if (r == row::kTime) return std::span<const double>(times);
  for (const MeasuredColumn& c : columns)
    if (c.row == r) return std::span<const double>(c.values);
  return std::nullopt;
}

int MeasuredRow(MeasuredQuantity quantity) {
  for (const Quantity& q : kQuantities)
    if (q.row >= 0 && q.quantity == quantity) return q.row;
  return row::kTime;
}

std::optional<RunDataProblem> ParseMeasuredFlight(std::string_view text, MeasuredFlight& flight) {
  using Kind = RunDataProblem::Kind;
  flight = {};
  const std::vector<TextLine> lines = SplitLines(text);
  auto line =
      std::find_if(lines.begin(), lines.end(), [](const TextLine& l) { return !IsCommentOrBlank(l.text); });
  if (line == lines.end()) return ProblemAt(Kind::kEmpty, 0, 0);

  const TextLine& headingLine = *line;
  const char separator = FieldSeparator(headingLine.text);
  const std::vector<std::string_view> headings = SplitFields(headingLine.text, separator);
  int timeColumn = -1;
  std::vector<int> columnOf(headings.size(), -1);  // index into flight.columns
  for (std::size_t i = 0; i < headings.size(); ++i) {
    const int column = static_cast<int>(i) + 1;
    std::string_view name, unitName;
    bool bracketed = false;
    SplitHeading(headings[i], name, unitName, bracketed);
    const Quantity* q = FindQuantity(name);
    if (q == nullptr) continue;
    const Unit* unit = FindUnit(*q, unitName);
    if (unit == nullptr) {
      const bool none = !bracketed || unitName.empty();
      RunDataProblem problem =
          ProblemAt(none ? Kind::kNoUnit : Kind::kUnknownUnit, headingLine.number, column, headings[i], unitName);
      problem.known = KnownUnits(*q);
      return problem;
    }
    if (q->row < 0) {
      if (timeColumn >= 0) return ProblemAt(Kind::kSameQuantityTwice, headingLine.number, column, headings[i]);
      timeColumn = static_cast<int>(i);
      flight.timeUnit = unit->name;
      flight.timeUnitSize = unit->size;
      continue;
    }
    const bool twice = std::any_of(flight.columns.begin(), flight.columns.end(),
                                   [&](const MeasuredColumn& c) { return c.row == q->row; });
    if (twice) return ProblemAt(Kind::kSameQuantityTwice, headingLine.number, column, headings[i]);
    columnOf[i] = static_cast<int>(flight.columns.size());
    flight.columns.push_back({q->quantity, q->row, unit->name, unit->size, {}});
  }
  if (timeColumn < 0) return ProblemAt(Kind::kNoTimeColumn, headingLine.number, 0);
  if (flight.columns.empty()) return ProblemAt(Kind::kNoQuantity, headingLine.number, 0);

  for (++line; line != lines.end(); ++line) {
    if (IsCommentOrBlank(line->text)) continue;
    const std::vector<std::string_view> fields = SplitFields(line->text, separator);
    if (fields.size() != headings.size()) {
      RunDataProblem problem = ProblemAt(Kind::kFieldCount, line->number, 0);
      problem.expected = static_cast<long long>(headings.size());
      problem.found = static_cast<long long>(fields.size());
      return problem;
    }
    double time = 0.0;
    const auto t = static_cast<std::size_t>(timeColumn);
    if (!ReadTableNumber(fields[t], separator, time)) {
      return ProblemAt(Kind::kNotANumber, line->number, timeColumn + 1, headings[t], fields[t]);
    }
    time *= flight.timeUnitSize;
    if (!flight.times.empty() && !(time > flight.times.back())) {
      return ProblemAt(Kind::kTimeNotIncreasing, line->number, timeColumn + 1, headings[t], fields[t]);
    }
    flight.times.push_back(time);
    for (std::size_t i = 0; i < fields.size(); ++i) {
      if (columnOf[i] < 0) continue;
      MeasuredColumn& column = flight.columns[static_cast<std::size_t>(columnOf[i])];
      double value = std::numeric_limits<double>::quiet_NaN();
      if (!fields[i].empty() && !ReadTableNumber(fields[i], separator, value)) {
        return ProblemAt(Kind::kNotANumber, line->number, static_cast<int>(i) + 1, headings[i], fields[i]);
      }
      column.values.push_back(value * column.unitSize);
    }
  }
  if (flight.times.empty()) return ProblemAt(Kind::kNoSamples, headingLine.number, 0);
  return std::nullopt;
}

}  // namespace zarv

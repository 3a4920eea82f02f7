#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "trajectory/run_data_problem.h"

namespace zarv {

// The quantities a measured flight may hold besides its time.
enum class MeasuredQuantity { kAltitude, kRange, kSpeed, kPathAngle, kAcceleration };
inline constexpr int kMeasuredQuantities = 5;

// One measured quantity: its values in the recorded unit of the log row it compares with
// (m, m/s, deg, g), one per time of the flight, NaN where the line left it empty.
struct MeasuredColumn {
  MeasuredQuantity quantity = MeasuredQuantity::kAltitude;
  int row = 0;            // log row
  std::string unit;       // as the file names it, e.g. "ft"
  double unitSize = 1.0;  // the file's unit in the row's recorded one (0.3048 for ft over m)
  std::vector<double> values;
};

// A flight measured outside the program (an altimeter log, a GPS track): strictly
// increasing times and some of the quantities a run records.
struct MeasuredFlight {
  std::vector<double> times;            // s
  std::string timeUnit;                 // as the file names it
  double timeUnitSize = 1.0;            // s per the file's unit
  std::vector<MeasuredColumn> columns;  // in the file's order

  // The values of a log row, one per time (row 0: the times); nothing for a row it lacks.
  std::optional<std::span<const double>> Row(int row) const;
};

// The log row a quantity compares with.
int MeasuredRow(MeasuredQuantity quantity);

// A table with a heading that names a time column and any of the quantities with their
// unit in brackets ("t [s], H [ft], V [km/h]"); columns of other names are left aside.
// Separated by ',', or by ';' or tabs with ',' allowed as decimal point; lines starting
// with '#' and blank lines are skipped, an empty field is a value not measured. Refused
// with the place: no time column, no known quantity, a missing or unknown unit, a
// quantity twice, a line of other length, text in a number, a time not after the one
// before, no line of values.
std::optional<RunDataProblem> ParseMeasuredFlight(std::string_view text, MeasuredFlight& flight);

}  // namespace zarv

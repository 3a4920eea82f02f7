#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "trajectory/trajectory_log.h"

namespace zarv {

// The log as comma-separated text: a heading "slot,row0 t [s],..." naming each recorded
// row with its display unit, then one line per slot 1..500. The numbers are the shortest
// text that reads back to the same double, so the text pins the log bit for bit.
std::string FormatLogCsv(const TrajectoryLog& log);

// The comment lines that say how the log was made: "# earth model: flat" and, unless
// it was Euler, "# integrator: rk4".
std::string LogCsvComments(const TrajectoryLog& log);

// Such a text read back: the column headings and, per sample line, its values (the slot
// number first).
struct LogCsv {
  std::vector<std::string> headings;
  std::vector<std::vector<double>> rows;
};

// Lines starting with '#' above the heading are skipped. Nothing when a line is not a row
// of numbers under the heading; then `error` says where.
std::optional<LogCsv> ParseLogCsv(std::string_view text, std::string& error);

}  // namespace zarv

#pragma once

#include <string>

#include "trajectory/trajectory_log.h"

namespace zarv {

// The recorded rows as CSV: a heading with each row's name and display unit, then one
// line per slot with the shortest text that reads back as the same double.
std::string FormatCsv(const TrajectoryLog& log);

}  // namespace zarv

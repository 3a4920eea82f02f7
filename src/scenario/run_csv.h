#pragma once

#include <string>

#include "trajectory/trajectory_log.h"

namespace zarv {

// A run's log as both programs save it: the comments of how it was computed (LogCsvComments),
// "# run: <label>", then the log's table (FormatLogCsv). The label is a single line of the
// file whatever it holds.
std::string FormatRunCsv(const TrajectoryLog& log, const std::string& label);

}  // namespace zarv

#pragma once

#include <string>

#include "scenario/run_choices.h"
#include "trajectory/trajectory_log.h"

namespace zarv {

// A run's log as both programs save it: "# earth model: flat", "# run: <label>", then the
// log's table (FormatLogCsv). The label is a single line of the file whatever it holds.
std::string FormatRunCsv(const TrajectoryLog& log, const RunChoices& choices, const std::string& label);

}  // namespace zarv

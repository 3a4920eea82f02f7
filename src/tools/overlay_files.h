#pragma once

#include <optional>
#include <string>
#include <vector>

#include "charts/chart_view.h"
#include "tools/run_options.h"
#include "trajectory/trajectory_log.h"

namespace zarv {

// What the --overlay files hold: saved runs to draw as kept runs, measured flights to draw
// as points and to hold the run against.
struct Overlays {
  std::vector<KeptRun> runs;  // labelled from the file; made unique when kept
  std::vector<MeasuredOverlay> measured;
};

// Reads every --overlay. Returns the exit status, after printing why, for a file that
// cannot be read or is refused, or for more runs or flights than a chart draws.
std::optional<int> ReadOverlays(const RunOptions& options, Overlays& overlays);

// The deviation of the run from each measured flight, one report after the other.
std::string DeviationReports(const Overlays& overlays, const TrajectoryLog& run, const std::string& runLabel,
                             Language language);

}  // namespace zarv

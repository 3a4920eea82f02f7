#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "charts/chart_view.h"
#include "scenario/calculation.h"
#include "tools/run_options.h"

namespace zarv {

// Refuses, with the usage message and its status, a --chart that names no chart, has no
// --png, a picture format zarv-run cannot write or an --xrange that is no FROM < TO.
std::optional<int> CheckChartRequests(const RunOptions& options);

// Draws every --chart of the main run, with the compared runs and the measured flights,
// into the bytes of its picture, in order. argv0 is the program's, for Qt.
void RenderCharts(const RunOptions& options, const Calculation& main, const std::string& label,
                  std::span<const KeptRun> kept, std::span<const MeasuredOverlay> measured, char* argv0,
                  std::vector<std::string>& pictures);

}  // namespace zarv

#pragma once

#include <optional>
#include <string>
#include <vector>

#include "charts/chart_view.h"
#include "scenario/calculation.h"
#include "tools/run_options.h"
#include "tools/run_source.h"

namespace zarv {

// A --compare RUN read: the preset or flight file it names (the main run when left out)
// and its sets.
struct CompareRequest {
  std::string preset;             // CLASS:ITEM
  std::string flight;             // a flight file; both empty: the main run's inputs
  std::vector<std::string> sets;  // NAME=VALUE
};

// False for a RUN that is not [CLASS:ITEM|FILE][,NAME=VALUE...]. A first part of the form
// digits:digits is a preset, anything else without '=' a file.
bool ParseCompareRequest(const std::string& text, CompareRequest& request);

// Runs every --compare on the main run's Earth model and keeps its log for the charts.
// Returns the exit status when one cannot be run, after printing why.
std::optional<int> RunComparisons(const RunOptions& options, const RunSource& mainSource,
                                  const Calculation& main, std::vector<KeptRun>& kept);

}  // namespace zarv

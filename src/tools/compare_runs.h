#pragma once

#include <optional>
#include <string>
#include <vector>

#include "charts/chart_view.h"
#include "scenario/calculation.h"
#include "tools/run_options.h"

namespace zarv {

// A --compare RUN read: the preset it names (the main one when left out) and its sets.
struct CompareRequest {
  std::string preset;             // CLASS:ITEM, empty: the main run's inputs
  std::vector<std::string> sets;  // NAME=VALUE
};

// False for a RUN that is not [CLASS:ITEM][,NAME=VALUE...].
bool ParseCompareRequest(const std::string& text, CompareRequest& request);

// Runs every --compare on the main run's Earth model and keeps its log for the charts.
// Returns the exit status when one cannot be run, after printing why.
std::optional<int> RunComparisons(const RunOptions& options, const Calculation& main,
                                  std::vector<KeptRun>& kept);

}  // namespace zarv

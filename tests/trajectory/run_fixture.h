#pragma once

#include <optional>

#include "scenario/calculation.h"
#include "scenario/presets.h"

namespace zarv::testing {

// A run of one preset as the calculation window would start it. The members keep the
// names the tests use: `inputs` is the calculation's, `log` and `run` view its log
// (a new object after every accepted run) and its summary.
struct PresetRun {
  struct LogView {
    Calculation& calculation;
    TrajectoryLog* operator->() const { return &calculation.log(); }
    TrajectoryLog& operator*() const { return calculation.log(); }
  };
  struct RunView {
    Calculation& calculation;
    const RunSummary& summary() const { return calculation.summary(); }
    void SetStateCopies(bool keep) const { calculation.SetStateCopies(keep); }
  };

  Scenario record;
  Calculation calculation;
  RunInputs& inputs = calculation.inputs();
  LogView log{calculation};
  RunView run{calculation};

  PresetRun(int vehicleClass, int item) {
    ApplyPreset(record, vehicleClass, item);
    calculation.Load(record);
  }
  PresetRun(const PresetRun&) = delete;
  PresetRun& operator=(const PresetRun&) = delete;

  std::optional<RunFailure> Run() { return calculation.Run(); }
};

}  // namespace zarv::testing

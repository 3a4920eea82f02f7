#pragma once

#include <memory>

#include "study/case_runner.h"
#include "trajectory/run_inputs.h"
#include "trajectory/trajectory_log.h"
#include "trajectory/trajectory_run.h"

namespace zarv {

// Runs one study case of a preset: the preset's inputs with the case's values set by
// name. Each worker thread has its own, with its own run and log.
class PresetCaseRunner : public CaseRunner {
 public:
  PresetCaseRunner(const RunInputs& base, double vehicleClass)
      : base_(base), vehicleClass_(vehicleClass), log_(std::make_unique<TrajectoryLog>()) {}

  CaseOutcome Run(std::span<const CaseInput> inputs) override;

 private:
  RunInputs base_;
  double vehicleClass_;
  TrajectoryRun run_;
  std::unique_ptr<TrajectoryLog> log_;
};

// The outcome of a run that has ended, from its summary, final state and log.
CaseOutcome OutcomeOfRun(const TrajectoryRun& run, const TrajectoryLog& log,
                         const RunInputs& inputs);

}  // namespace zarv

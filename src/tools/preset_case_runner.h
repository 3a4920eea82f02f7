#pragma once

#include <span>

#include "scenario/calculation.h"
#include "study/case_runner.h"
#include "texts/language.h"
#include "trajectory/run_control.h"
#include "trajectory/run_failure.h"
#include "trajectory/run_inputs.h"
#include "trajectory/run_settings.h"
#include "trajectory/trajectory_run.h"

namespace zarv {

// Runs one study case of a preset or flight: its inputs (with the study's fixed changes
// already in `base`) and the case's values set by name, computed as `settings` say. Each
// worker thread has its own,
// with its own calculation; every case starts again from `base` and runs for its outcomes
// only, without the recording pass.
class PresetCaseRunner : public CaseRunner {
 public:
  PresetCaseRunner(VehicleClass vehicleClass, const RunSettings& settings, const RunInputs& base,
                   Language language);

  CaseOutcome Run(std::span<const CaseInput> inputs) override;

 private:
  Calculation calculation_;
  RunControl control_;
  RunInputs base_;
  Language language_;
};

// The outcome of a run that finished, from its summary.
CaseOutcome OutcomeOfRun(const RunSummary& summary);

// The reason a rejected or diverged case gives, naming inputs as the window captions them.
std::string FailureReason(const RunFailure& failure, Language language, VehicleClass vehicleClass);

}  // namespace zarv

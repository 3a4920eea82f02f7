#pragma once

#include <span>

#include "scenario/calculation.h"
#include "scenario/scenario.h"
#include "study/case_runner.h"
#include "texts/language.h"
#include "trajectory/run_inputs.h"

namespace zarv {

// Runs one study case of a preset: the preset's inputs (with the study's fixed changes
// already in `base`) and the case's values set by name. Each worker thread has its own,
// with its own calculation; every case starts again from `base`.
class PresetCaseRunner : public CaseRunner {
 public:
  PresetCaseRunner(const Scenario& record, const RunInputs& base, Language language);

  CaseOutcome Run(std::span<const CaseInput> inputs) override;

 private:
  Calculation calculation_;
  RunInputs base_;
  Language language_;
};

// The outcome of a calculation that has run.
CaseOutcome OutcomeOfRun(const Calculation& calculation);

// The reason a rejected case gives, naming the input as the window captions it.
std::string RejectionReason(const InputError& error, Language language, VehicleClass vehicleClass);

}  // namespace zarv

#include "tools/preset_case_runner.h"

#include <cmath>
#include <limits>
#include <string>

#include "texts/form_captions.h"
#include "texts/input_messages.h"
#include "texts/run_messages.h"
#include "tools/study_words.h"

namespace zarv {
namespace {

CaseOutcome Failed(OutcomeKind kind, std::string reason) {
  CaseOutcome o;
  o.kind = kind;
  o.values.fill(std::numeric_limits<double>::quiet_NaN());
  o.reason = std::move(reason);
  return o;
}

}  // namespace

std::string FailureReason(const RunFailure& failure, Language language, VehicleClass vehicleClass) {
  const auto caption = [&](const std::string& name) {
    return InputWithCaption(name, language, vehicleClass);
  };
  RunFailure named = failure;
  named.rejected.input = caption(failure.rejected.input);
  for (std::string& name : named.rejected.inputs) name = caption(name);
  for (std::string& name : named.diverged.inputs) name = caption(name);
  return DescribeRunFailure(named, language);
}

CaseOutcome OutcomeOfRun(const RunSummary& s) {
  CaseOutcome o;
  o.values = {s.flightTime,      s.range,  s.peakAltitude,
              s.peakSpeed,       s.peakLoadFactorX,
              s.peakDynamicPressure, s.finalSpeed};
  for (int c = 0; c < kOutcomeColumns; ++c) {
    // The run reports a flight that leaves the numbers as diverged; this is the last guard
    // that keeps an infinity out of a finished row.
    if (!std::isfinite(o.values[c])) {
      return Failed(OutcomeKind::Diverged, std::string("not a finite number: ") + kOutcomeColumnNames[c]);
    }
  }
  o.kind = s.stop == RunStop::Ground ? OutcomeKind::Ground : OutcomeKind::EndTime;
  return o;
}

PresetCaseRunner::PresetCaseRunner(VehicleClass vehicleClass, const RunSettings& settings,
                                   const RunInputs& base, Language language)
    : base_(base), language_(language) {
  calculation_.setVehicleClass(vehicleClass);
  calculation_.setSettings(settings);
  control_.recordLog = false;  // a study keeps the outcomes, never the samples
}

CaseOutcome PresetCaseRunner::Run(std::span<const CaseInput> caseInputs) {
  calculation_.inputs() = base_;
  for (const CaseInput& in : caseInputs) {
    if (!calculation_.Set(in.name, in.value)) {
      return Failed(OutcomeKind::Rejected, std::string(study_words::kUnknownInput.in(language_)) + " " +
                                               std::string(in.name));
    }
  }
  if (auto failure = calculation_.Run(control_)) {
    const OutcomeKind kind = failure->kind == RunFailure::Kind::Diverged ? OutcomeKind::Diverged
                                                                         : OutcomeKind::Rejected;
    return Failed(kind, FailureReason(*failure, language_, calculation_.vehicleClass()));
  }
  return OutcomeOfRun(calculation_.summary());
}

}  // namespace zarv

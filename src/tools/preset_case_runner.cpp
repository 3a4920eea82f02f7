#include "tools/preset_case_runner.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "texts/run_messages.h"

namespace zarv {
namespace {

constexpr double kPaPerKiloPa = 1000.0;
constexpr double kPaPerMegaPa = 1e6;

CaseOutcome Failed(OutcomeKind kind, std::string reason) {
  CaseOutcome o;
  o.kind = kind;
  o.values.fill(std::numeric_limits<double>::quiet_NaN());
  o.reason = std::move(reason);
  return o;
}

}  // namespace

CaseOutcome OutcomeOfRun(const TrajectoryRun& run, const TrajectoryLog& log,
                         const RunInputs& inputs) {
  const RunSummary& s = run.summary();
  // Only the slots this run wrote; the others hold an earlier case's samples.
  const int slots = std::min(s.samplesRecorded, kSampleCapacity);
  const double qScale = log.units.PressureUnit == 2   ? kPaPerMegaPa
                        : log.units.PressureUnit == 1 ? kPaPerKiloPa
                                                      : 1.0;
  double peakNx = 0.0, peakQ = 0.0;
  for (int j = 1; j <= slots; ++j) {
    peakNx = std::max(peakNx, std::abs(log.at(row::kLoadFactorX, j)));
    peakQ = std::max(peakQ, log.at(row::kDynamicPressure, j) * qScale);
  }
  CaseOutcome o;
  o.values = {s.flightTime, s.range,  s.peakAltitude, s.peakSpeed,
              peakNx,       peakQ,    run.state().V};
  for (int c = 0; c < kOutcomeColumns; ++c) {
    if (!std::isfinite(o.values[c]) || !std::isfinite(run.state().H)) {
      return Failed(OutcomeKind::Diverged,
                    std::string("not a finite number: ") + kOutcomeColumnNames[c]);
    }
  }
  // The same order as the run's stop test: the altitude first.
  o.kind = run.state().H <= inputs.Hk ? OutcomeKind::Ground : OutcomeKind::EndTime;
  return o;
}

CaseOutcome PresetCaseRunner::Run(std::span<const CaseInput> caseInputs) {
  RunInputs inputs = base_;
  for (const CaseInput& in : caseInputs) {
    double* target = RunInputByName(inputs, std::string(in.name).c_str());
    if (target == nullptr) return Failed(OutcomeKind::Rejected, "unknown input " + std::string(in.name));
    *target = in.value;
  }
  const RunInputs asSet = inputs;
  if (auto failure = run_.Run(inputs, VehicleClassFromRecord(vehicleClass_), *log_)) {
    const OutcomeKind kind = failure->kind == RunFailure::Kind::Diverged ? OutcomeKind::Diverged
                                                                         : OutcomeKind::Rejected;
    return Failed(kind, DescribeRunFailure(*failure, Language::English));
  }
  return OutcomeOfRun(run_, *log_, asSet);
}

}  // namespace zarv

#include "trust/run_outcomes.h"

namespace zarv {

RunOutcomes OutcomesOf(const Calculation& calculation) {
  const RunSummary& s = calculation.summary();
  return RunOutcomes{s.flightTime,      s.range,
                     s.peakAltitude,    s.peakSpeed,
                     s.peakLoadFactorX, s.peakDynamicPressure,
                     s.finalSpeed};
}

std::optional<RunFailure> RunForOutcomes(Calculation& calculation, RunOutcomes& outcomes,
                                         const std::atomic<bool>* cancel) {
  RunControl outcomesOnly;
  outcomesOnly.recordLog = false;
  outcomesOnly.cancel = cancel;
  if (auto problem = calculation.Run(outcomesOnly)) return problem;
  outcomes = OutcomesOf(calculation);
  return std::nullopt;
}

}  // namespace zarv

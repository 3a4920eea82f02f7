#include "trust/run_outcomes.h"

#include <algorithm>
#include <cmath>

namespace zarv {

RunOutcomes OutcomesOf(const Calculation& calculation) {
  const RunSummary& s = calculation.summary();
  const TrajectoryLog& log = calculation.log();
  RunOutcomes o{s.flightTime, s.range, s.peakAltitude, s.peakSpeed, 0.0, 0.0, 0.0};
  // The log holds display units; the slots beyond the last sample repeat it.
  const double speedUnit = log.units.VelocityInKm == 1 ? 1000.0 : 1.0;
  const double pressureUnit = log.units.PressureUnit == 2   ? 1e6
                              : log.units.PressureUnit == 1 ? 1e3
                                                            : 1.0;
  for (int j = 1; j <= kSampleCapacity; ++j) {
    o.peakLoadFactorX = std::max(o.peakLoadFactorX, std::abs(log.at(row::kLoadFactorX, j)));
    o.peakDynamicPressure =
        std::max(o.peakDynamicPressure, log.at(row::kDynamicPressure, j) * pressureUnit);
  }
  o.finalSpeed = log.at(row::kVelocity, kSampleCapacity) * speedUnit;
  return o;
}

std::optional<RunProblem> RunForOutcomes(Calculation& calculation, RunOutcomes& outcomes) {
  if (auto problem = calculation.Run()) return problem;
  outcomes = OutcomesOf(calculation);
  return std::nullopt;
}

}  // namespace zarv

#pragma once

#include <atomic>
#include <optional>

#include "scenario/calculation.h"
#include "trajectory/run_failure.h"

namespace zarv {

// The measures of a finished flight that the step check and the model warnings look at.
struct RunOutcomes {
  double flightTime = 0.0;           // s
  double range = 0.0;                // m
  double peakAltitude = 0.0;         // m
  double peakSpeed = 0.0;            // m/s
  double peakLoadFactorX = 0.0;      // max |nx|
  double peakDynamicPressure = 0.0;  // Pa
  double finalSpeed = 0.0;           // m/s
};

// The outcomes of the calculation's last run.
RunOutcomes OutcomesOf(const Calculation& calculation);

// Runs the calculation for its outcomes only: the log is left as it was. A raised
// `cancel` stops it as Cancelled.
std::optional<RunFailure> RunForOutcomes(Calculation& calculation, RunOutcomes& outcomes,
                                         const std::atomic<bool>* cancel = nullptr);

}  // namespace zarv

#pragma once

#include <atomic>
#include <optional>
#include <vector>

#include "flight_model/standard_atmosphere.h"
#include "scenario/calculation.h"
#include "trust/run_outcomes.h"
#include "trust/step_check.h"

namespace zarv {

enum class ModelWarningCode {
  FlatEarth,             // value: relative change of `quantity` over the round Earth
  AboveAtmosphereTable,  // value: peak altitude, m
  StepProbablyCoarse,    // value: estimated relative error of `quantity` at dt0;
                         // step: the step of the run it was estimated from
  StepTooCoarse,         // value: the step the last check suggests; step: the one checked
};

struct ModelWarning {
  ModelWarningCode code = ModelWarningCode::FlatEarth;
  double value = 0.0;
  StepQuantity quantity = StepQuantity::FlightTime;
  double step = 0.0;       // s, or the adaptive method's tolerance
  double threshold = 0.0;  // relative, what the value is warned above
  Integrator integrator = Integrator::Euler;
  double runStep = 0.0;    // the run's dt0 (s), or its rtol
};

// The flat Earth is warned about where the round Earth changes an outcome by more than this.
inline constexpr double kFlatEarthThreshold = 0.02;  // relative, 2 %
// A step is probably too coarse where its estimated error exceeds the step check's default.
inline constexpr double kStepErrorThreshold = kDefaultStepTolerance;
inline constexpr double kAtmosphereTableTop = kAtmosphereTableCeiling;  // m, extrapolated above

// A fixed-step run's error at dt0 as estimated from a run at another step.
struct StepEstimate {
  double error = 0.0;  // relative, of the quantity it is largest for
  StepQuantity quantity = StepQuantity::FlightTime;
  double step = 0.0;   // s, the other run's step
};

// What the companion runs of a finished run found.
struct RunFindings {
  RunOutcomes outcomes;
  EarthModel earth = EarthModel::Flat;
  Integrator integrator = Integrator::Euler;
  std::optional<RunOutcomes> round;   // a flat run flown again over the round Earth
  std::optional<StepEstimate> step;   // a fixed-step run's error estimate
  const StepCheck* lastCheck = nullptr;  // the last step check of this flight, at any step
  double runStep = 0.0;  // the run's dt0 (s), or the adaptive method's rtol
};

// What the model or the step leave out of a finished run, in the order they are worded.
std::vector<ModelWarning> ModelWarnings(const RunFindings& findings);

// The error of the run whose outcomes are given (the calculation's inputs at its dt0), from
// a run at 2 dt0 and, where that suggests more than the threshold or fails, one at dt0 / 2,
// extrapolated with the observed order as the step check does. None for the adaptive
// method or when no second run succeeds.
std::optional<StepEstimate> EstimateStepError(const Calculation& calculation,
                                              const RunOutcomes& outcomes,
                                              const std::atomic<bool>* cancel, bool& cancelled);

// The companion runs of a finished run with the calculation's inputs, class and settings
// and the given outcomes, on copies: the round Earth for a flat run, and the step estimate
// when asked. Nothing when cancelled.
std::optional<RunFindings> InvestigateRun(const Calculation& calculation,
                                          const RunOutcomes& outcomes, bool estimateStep,
                                          const std::atomic<bool>* cancel = nullptr);

// The warnings of a finished run: its findings, the step estimate only where `lastCheck`
// (of this flight, or nullptr) does not speak for the step. Nothing when cancelled.
std::optional<std::vector<ModelWarning>> AssessRun(const Calculation& calculation,
                                                   const RunOutcomes& outcomes,
                                                   const StepCheck* lastCheck,
                                                   const std::atomic<bool>* cancel = nullptr);

}  // namespace zarv

#pragma once

#include <array>
#include <atomic>
#include <optional>
#include <variant>

#include "scenario/calculation.h"
#include "trust/run_outcomes.h"

namespace zarv {

// The quantities the step check compares, in the order it reports them.
enum class StepQuantity {
  FlightTime,
  Range,
  PeakAltitude,
  PeakSpeed,
  PeakLoadFactorX,
  PeakDynamicPressure,
  FinalSpeed,
};
inline constexpr int kStepQuantityCount = 7;

inline constexpr double kDefaultStepTolerance = 0.01;  // relative, 1 %

struct StepCheckRow {
  StepQuantity quantity = StepQuantity::FlightTime;
  double atStep = 0.0;          // with dt0
  double atHalfStep = 0.0;      // with dt0 / 2
  double relativeChange = 0.0;  // (atHalfStep - atStep) / |atStep|
  // A first-order method's error at dt0 is twice the change to dt0 / 2.
  double impliedError = 0.0;    // relative, >= 0
  double largestStep = 0.0;     // s, the largest step whose implied error meets the tolerance
  bool meets = false;
};

struct StepCheck {
  double step = 0.0;       // s, the dt0 checked
  double tolerance = 0.0;  // relative
  std::array<StepCheckRow, kStepQuantityCount> rows{};
  bool meets = false;         // every row meets the tolerance
  double largestStep = 0.0;   // s, the smallest of the rows' largest steps
};

// Runs the calculation's current inputs, class and Earth model at dt0 and at dt0 / 2 on a
// copy; the calculation, its log and its summary are left as they are. `tolerance` is
// relative (0.01 for 1 %). A raised `cancel` stops it as Cancelled.
std::variant<StepCheck, RunFailure> CheckStep(const Calculation& calculation,
                                              double tolerance = kDefaultStepTolerance,
                                              const std::atomic<bool>* cancel = nullptr);

// The comparison alone, for two sets of outcomes already at hand.
StepCheck CompareSteps(double step, const RunOutcomes& atStep, const RunOutcomes& atHalfStep,
                       double tolerance);

}  // namespace zarv

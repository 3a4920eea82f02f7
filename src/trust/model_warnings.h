#pragma once

#include <vector>

#include "flight_model/standard_atmosphere.h"
#include "trajectory/earth_model.h"
#include "trajectory/run_inputs.h"
#include "trust/run_outcomes.h"
#include "trust/step_check.h"

namespace zarv {

enum class ModelWarningCode {
  FlatEarthTooFast,      // value: V^2 / ((R + H) g)
  AboveAtmosphereTable,  // value: peak altitude, m
  StepTooCoarse,         // value: the largest step the last check allows, s
};

struct ModelWarning {
  ModelWarningCode code;
  double value;
};

inline constexpr double kFlatEarthSpeedRatio = 0.2;    // V^2 / ((R + H) g) above which it warns
inline constexpr double kAtmosphereTableTop = kAtmosphereTableCeiling;  // m, extrapolated above

// What the model leaves out of a finished run, in the order they are worded. `lastCheck`
// is the step check its owner ran last for these inputs (nullptr: none).
std::vector<ModelWarning> ModelWarnings(const RunOutcomes& outcomes, const RunInputs& inputs,
                                        EarthModel earth, const StepCheck* lastCheck);

}  // namespace zarv

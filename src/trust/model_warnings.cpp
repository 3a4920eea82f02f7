#include "trust/model_warnings.h"

#include "flight_model/constants.h"

namespace zarv {

std::vector<ModelWarning> ModelWarnings(const RunOutcomes& o, const RunInputs& inputs,
                                        EarthModel earth, const StepCheck* lastCheck) {
  std::vector<ModelWarning> warnings;
  if (earth == EarthModel::Flat) {
    // Taken at the peak speed and the peak altitude, so it never exceeds the largest value
    // of the flight: a warning means the flight surely went that fast.
    const double ratio = o.peakSpeed * o.peakSpeed / ((kEarthRadius + o.peakAltitude) * kGravity);
    if (ratio > kFlatEarthSpeedRatio) warnings.push_back({ModelWarningCode::FlatEarthTooFast, ratio});
  }
  if (o.peakAltitude > kAtmosphereTableTop) {
    warnings.push_back({ModelWarningCode::AboveAtmosphereTable, o.peakAltitude});
  }
  if (lastCheck != nullptr && !lastCheck->meets && inputs.dt0 > lastCheck->largestStep) {
    warnings.push_back({ModelWarningCode::StepTooCoarse, lastCheck->largestStep});
  }
  return warnings;
}

}  // namespace zarv

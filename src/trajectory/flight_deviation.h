#pragma once

#include <cstddef>
#include <vector>

#include "trajectory/measured_flight.h"
#include "trajectory/trajectory_log.h"

namespace zarv {

// How far a run lies from one measured quantity: computed minus measured at each measured
// time the run covers, the run read linearly between its samples. Values in the row's
// recorded unit (m, m/s, deg, g), times in s.
struct QuantityDeviation {
  std::size_t column = 0;  // of the measured flight
  int measured = 0;        // values the file has
  int compared = 0;        // of those, at times the run covers; nothing below is set without
  double rms = 0.0;
  double largest = 0.0;  // the deviation of largest magnitude, with its sign
  double largestAt = 0.0;
  // The values of largest magnitude, with their sign: the run's over the span of the
  // compared times, the measured one among them.
  double runPeak = 0.0, runPeakAt = 0.0;
  double measuredPeak = 0.0, measuredPeakAt = 0.0;
};

// One entry per column of the flight, in its order.
std::vector<QuantityDeviation> DeviationFromMeasured(const TrajectoryLog& run, const MeasuredFlight& flight);

}  // namespace zarv

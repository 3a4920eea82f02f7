#pragma once

#include <functional>
#include <memory>

#include "trajectory/trajectory_log.h"

namespace zarv::testing {

// A log whose time row counts samples (slot j holds j - 1) and whose other rows are
// filled by `fill(row, slot)`.
inline std::unique_ptr<TrajectoryLog> CountingLog(const std::function<double(int, int)>& fill) {
  auto log = std::make_unique<TrajectoryLog>();
  for (int r = 0; r < kRecordedRows; ++r) {
    for (int j = 1; j <= kSampleCapacity; ++j) log->at(r, j) = r == 0 ? j - 1 : fill(r, j);
  }
  return log;
}

}  // namespace zarv::testing

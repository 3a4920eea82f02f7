// Cancellation and progress as a pass sees them.
#include <algorithm>

#include "trajectory/trajectory_run.h"

namespace zarv {
namespace {

constexpr double kProgressIncrement = 0.01;  // fraction between two reports

}  // namespace

bool RunPoll::Cancelled(double passFraction) {
  if (control_.cancel != nullptr && control_.cancel->load(std::memory_order_relaxed)) return true;
  if (control_.progress) {
    const double fraction = start_ + share_ * std::clamp(passFraction, 0.0, 1.0);
    if (fraction >= nextReport_) {
      control_.progress(fraction);
      nextReport_ = fraction + kProgressIncrement;
    }
  }
  return false;
}

void RunPoll::Finish() {
  if (control_.progress) control_.progress(1.0);
}

}  // namespace zarv

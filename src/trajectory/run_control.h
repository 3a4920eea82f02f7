#pragma once

#include <atomic>
#include <functional>

namespace zarv {

// What a client controls of a running calculation.
struct RunControl {
  // Polled every few thousand steps; once true the run stops as Cancelled.
  const std::atomic<bool>* cancel = nullptr;
  // Called with the fraction done, rising from 0 to 1, at most about 100 times. The first
  // pass reports its t / Tk scaled to its share of the work, the recording pass the rest;
  // a run that succeeds ends with 1.
  std::function<void(double)> progress;
  // Off: only the first pass runs; the summary is filled, the log is left untouched.
  bool recordLog = true;
};

}  // namespace zarv

#pragma once

#include <atomic>
#include <chrono>

namespace zarv {

// Lets Ctrl-C stop a computation that runs without the GIL. Python runs its signal
// handlers only on the main thread and only with the GIL, so there Poll takes the GIL now
// and then and asks; on other threads it does nothing. Made with the GIL held.
class InterruptPoll {
 public:
  InterruptPoll();

  // From the computing thread, without the GIL. Raises cancel() once Python has an
  // exception pending (KeyboardInterrupt); it stays set for the caller to raise.
  void Poll();
  const std::atomic<bool>* cancel() const { return &cancel_; }

 private:
  bool mainThread_ = false;
  std::atomic<bool> cancel_{false};
  std::chrono::steady_clock::time_point next_;
};

}  // namespace zarv

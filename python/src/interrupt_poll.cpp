#include "interrupt_poll.h"

#include <pybind11/pybind11.h>

namespace zarv {
namespace py = pybind11;
namespace {

// Between two looks at the signals; each may wait for the GIL while other threads hold it.
constexpr std::chrono::milliseconds kPollInterval{200};

}  // namespace

InterruptPoll::InterruptPoll()
    : next_(std::chrono::steady_clock::now() + kPollInterval) {
  const py::module_ threading = py::module_::import("threading");
  mainThread_ = threading.attr("current_thread")().is(threading.attr("main_thread")());
}

void InterruptPoll::Poll() {
  if (!mainThread_ || cancel_.load()) return;
  const auto now = std::chrono::steady_clock::now();
  if (now < next_) return;
  next_ = now + kPollInterval;
  const py::gil_scoped_acquire gil;
  if (PyErr_CheckSignals() != 0) cancel_ = true;
}

}  // namespace zarv

#include "tools/stop_signals.h"

namespace zarv {
namespace {

constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

// What a signal handler may touch: flags, and the study's stop request.
volatile std::sig_atomic_t gReaderGone = 0;
volatile std::sig_atomic_t gStopSignal = 0;
std::atomic<bool>* gStop = nullptr;

extern "C" void OnSignal(int signal) {
  if (signal == SIGPIPE) {
    gReaderGone = 1;
  } else if (gStopSignal == 0) {
    gStopSignal = signal;
  }
  if (gStop != nullptr) gStop->store(true);
}

void Install(int signal, int flags, struct sigaction* previous) {
  struct sigaction action {};
  action.sa_handler = OnSignal;
  action.sa_flags = flags;
  sigemptyset(&action.sa_mask);
  sigaction(signal, &action, previous);
}

}  // namespace

static_assert(std::atomic<bool>::is_always_lock_free, "a signal handler sets the stop flag");

void NoteClosedPipes() { Install(SIGPIPE, SA_RESTART, nullptr); }

bool ReaderGone() { return gReaderGone != 0; }

void EndAsReaderGone() {
  std::signal(SIGPIPE, SIG_DFL);
  std::raise(SIGPIPE);
}

StopSignals::StopSignals(std::atomic<bool>& stop) {
  gStopSignal = 0;
  gStop = &stop;
  for (int i = 0; i < 3; ++i) Install(kStopSignals[i], SA_RESETHAND | SA_RESTART, &previous_[i]);
  if (gReaderGone != 0) stop.store(true);
}

StopSignals::~StopSignals() {
  for (int i = 0; i < 3; ++i) sigaction(kStopSignals[i], &previous_[i], nullptr);
  gStop = nullptr;
}

int StopSignals::received() const { return gStopSignal; }

}  // namespace zarv

#pragma once

#include <atomic>
#include <csignal>

namespace zarv {

// A reader that has gone away (`zarv-run --list | head -1`) ends the program quietly, as
// the signal always did, but only after every output is cleaned up: from here on SIGPIPE
// is noted, the write fails with EPIPE, and main ends by the signal once the command has
// returned.
void NoteClosedPipes();
bool ReaderGone();
// Ends the program by SIGPIPE, so a shell sees what it always saw.
void EndAsReaderGone();

// While one lives, SIGINT, SIGTERM and SIGHUP (and a reader gone) set `stop` instead of
// ending the program, so a study can keep the rows it has done. A second SIGINT, SIGTERM
// or SIGHUP ends the program at once.
class StopSignals {
 public:
  explicit StopSignals(std::atomic<bool>& stop);
  ~StopSignals();
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;

  // The first of SIGINT, SIGTERM and SIGHUP that came, 0 for none.
  int received() const;

 private:
  struct sigaction previous_[3] = {};
};

// The exit status a shell reports for a program that a signal ended: 128 + its number.
inline int SignalExitStatus(int signal) { return 128 + signal; }

}  // namespace zarv

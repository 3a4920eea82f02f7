#pragma once

#include <atomic>
#include <functional>
#include <optional>
#include <thread>

#include <QObject>

#include "trajectory/run_failure.h"

namespace zarv {

class Calculation;

// One run of a calculation on a worker thread, so the window keeps answering. While it
// runs the worker alone touches the calculation; `finished` comes on the owner's thread
// after the worker has let go of it.
class BackgroundRun : public QObject {
  Q_OBJECT

 public:
  explicit BackgroundRun(QObject* parent = nullptr);
  ~BackgroundRun() override;  // asks the run to stop and waits for it

  // False, starting nothing, while a run is on.
  bool Start(Calculation& calculation);
  bool running() const { return running_; }

  // Asks the run to stop; its result is to be discarded.
  void Cancel();
  bool cancelled() const { return cancel_.load(); }
  // Blocks until the worker has ended; `finished` is emitted before this returns.
  void Wait();

  // 0..1, or below 0 while the run has reported none.
  double progress() const { return progress_.load(); }
  // Why the last run produced nothing (rejected, diverged, cancelled); empty on success.
  const std::optional<RunFailure>& failure() const { return failure_; }

  // Called on the worker with every progress report and the run's cancel flag, which is
  // notified when raised. Tests hold the worker here, so a run lasts exactly as long as
  // they need on any machine.
  using ProgressHook = std::function<void(double fraction, const std::atomic<bool>& cancel)>;
  void setProgressHook(ProgressHook hook) { hook_ = std::move(hook); }

 signals:
  void finished();

 private:
  void Finish(unsigned generation);
  void RaiseCancel();

  std::thread worker_;
  std::atomic<bool> cancel_{false};
  std::atomic<double> progress_{-1.0};
  std::optional<RunFailure> failure_;
  ProgressHook hook_;
  unsigned generation_ = 0;  // tells a stale queued finish from the current run's
  bool running_ = false;
};

}  // namespace zarv

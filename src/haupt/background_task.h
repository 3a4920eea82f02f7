#pragma once

#include <functional>
#include <thread>

#include <QObject>

namespace zarv {

// A piece of work on a worker thread, so the window keeps answering; `done` runs on the
// owner's thread after the worker has ended. The work must touch nothing the window uses.
class BackgroundTask : public QObject {
  Q_OBJECT

 public:
  explicit BackgroundTask(QObject* parent = nullptr);
  ~BackgroundTask() override;  // waits for the work, drops its `done`

  // False, starting nothing, while a task is on.
  bool Start(std::function<void()> work, std::function<void()> done);
  bool running() const { return running_; }
  // The task's `done` will not run; the work itself goes on to its end.
  void Abandon() { done_ = nullptr; }
  // Blocks until the worker has ended; `done` (unless abandoned) has run when this returns.
  void Wait();

 private:
  void Finish(unsigned generation);

  std::thread worker_;
  std::function<void()> done_;
  unsigned generation_ = 0;  // tells a stale queued finish from the current task's
  bool running_ = false;
};

}  // namespace zarv

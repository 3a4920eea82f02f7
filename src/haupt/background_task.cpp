#include "haupt/background_task.h"

namespace zarv {

BackgroundTask::BackgroundTask(QObject* parent) : QObject(parent) {}

BackgroundTask::~BackgroundTask() {
  if (worker_.joinable()) worker_.join();
}

bool BackgroundTask::Start(std::function<void()> work, std::function<void()> done) {
  if (running_) return false;
  running_ = true;
  done_ = std::move(done);
  const unsigned generation = ++generation_;
  worker_ = std::thread([this, work = std::move(work), generation] {
    work();
    QMetaObject::invokeMethod(this, [this, generation] { Finish(generation); },
                              Qt::QueuedConnection);
  });
  return true;
}

void BackgroundTask::Wait() { Finish(generation_); }

void BackgroundTask::Finish(unsigned generation) {
  if (generation != generation_ || !worker_.joinable()) return;
  worker_.join();
  running_ = false;
  // Taken first: `done` may start the next task.
  std::function<void()> done = std::move(done_);
  done_ = nullptr;
  if (done) done();
}

}  // namespace zarv

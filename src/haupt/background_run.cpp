#include "haupt/background_run.h"

#include "scenario/calculation.h"

namespace zarv {

BackgroundRun::BackgroundRun(QObject* parent) : QObject(parent) {}

BackgroundRun::~BackgroundRun() {
  cancel_ = true;
  if (worker_.joinable()) worker_.join();
}

bool BackgroundRun::Start(Calculation& calculation) {
  if (running_) return false;
  running_ = true;
  cancel_ = false;
  progress_ = -1.0;
  rejected_.reset();
  const unsigned generation = ++generation_;
  worker_ = std::thread([this, &calculation, generation] {
    // The calculation polls no flag yet: a cancelled run goes on to its end and its
    // result is discarded by the owner.
    rejected_ = calculation.Run();
    QMetaObject::invokeMethod(this, [this, generation] { Finish(generation); },
                              Qt::QueuedConnection);
  });
  return true;
}

void BackgroundRun::Cancel() {
  if (running_) cancel_ = true;
}

void BackgroundRun::Wait() { Finish(generation_); }

void BackgroundRun::Finish(unsigned generation) {
  if (generation != generation_ || !worker_.joinable()) return;
  worker_.join();
  running_ = false;
  emit finished();
}

}  // namespace zarv

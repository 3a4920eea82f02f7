#include "haupt/background_run.h"

#include "scenario/calculation.h"

namespace zarv {

BackgroundRun::BackgroundRun(QObject* parent) : QObject(parent) {}

BackgroundRun::~BackgroundRun() {
  RaiseCancel();
  if (worker_.joinable()) worker_.join();
}

bool BackgroundRun::Start(Calculation& calculation) {
  if (running_) return false;
  running_ = true;
  cancel_ = false;
  progress_ = -1.0;
  failure_.reset();
  const unsigned generation = ++generation_;
  worker_ = std::thread([this, &calculation, generation, hook = hook_] {
    RunControl control;
    control.cancel = &cancel_;
    control.progress = [this, &hook](double fraction) {
      progress_ = fraction;
      if (hook) hook(fraction, cancel_);
    };
    failure_ = calculation.Run(control);
    QMetaObject::invokeMethod(this, [this, generation] { Finish(generation); },
                              Qt::QueuedConnection);
  });
  return true;
}

void BackgroundRun::Cancel() {
  if (running_) RaiseCancel();
}

void BackgroundRun::RaiseCancel() {
  cancel_ = true;
  cancel_.notify_all();
}

void BackgroundRun::Wait() { Finish(generation_); }

void BackgroundRun::Finish(unsigned generation) {
  if (generation != generation_ || !worker_.joinable()) return;
  worker_.join();
  running_ = false;
  emit finished();
}

}  // namespace zarv

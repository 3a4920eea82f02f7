#pragma once

#include <filesystem>
#include <memory>

class QGuiApplication;

namespace zarv {

// What drawing a chart needs on a machine without a screen, for as long as it lives: the
// offscreen platform when there is no display, a QGuiApplication, '.' kept as the decimal
// point of every number printed after it, and, when the session has no runtime folder
// (root without a login, a batch job), a private one, since Qt otherwise prints a notice
// about it on every run. The private folder goes with the session.
class PaintSession {
 public:
  explicit PaintSession(char* argv0);
  ~PaintSession();
  PaintSession(const PaintSession&) = delete;
  PaintSession& operator=(const PaintSession&) = delete;

 private:
  std::filesystem::path runtimeFolder_;
  int argc_ = 1;
  char* argv_[2];
  std::unique_ptr<QGuiApplication> app_;
};

}  // namespace zarv

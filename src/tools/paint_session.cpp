#include "tools/paint_session.h"

#include <clocale>
#include <cstdlib>
#include <string>
#include <system_error>

#include <QGuiApplication>

namespace zarv {

PaintSession::PaintSession(char* argv0) : argv_{argv0, nullptr} {
  // Charts need fonts and a paint device, not a screen.
  if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr &&
      std::getenv("WAYLAND_DISPLAY") == nullptr) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  }
  // A folder the session set up, even a wrong one, is left to Qt to judge.
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime == nullptr || *runtime == '\0') {
    std::error_code error;
    std::string pattern = (std::filesystem::temp_directory_path(error) / "zarv-run-XXXXXX").string();
    if (!error && ::mkdtemp(pattern.data()) != nullptr) {  // mode 0700, as Qt wants it
      runtimeFolder_ = pattern;
      setenv("XDG_RUNTIME_DIR", pattern.c_str(), 1);
    }
  }
  app_ = std::make_unique<QGuiApplication>(argc_, argv_);
  // Qt takes the user's locale for the C library too.
  std::setlocale(LC_NUMERIC, "C");
}

PaintSession::~PaintSession() {
  app_.reset();
  if (!runtimeFolder_.empty()) {
    unsetenv("XDG_RUNTIME_DIR");
    std::error_code ignored;
    std::filesystem::remove_all(runtimeFolder_, ignored);
  }
}

}  // namespace zarv

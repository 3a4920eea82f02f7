#pragma once

#include <QDeadlineTimer>
#include <QTest>

#include "haupt/haupt.h"

namespace zarv {

// The event loop turns until the window's run has ended; false when it is still on.
inline bool WaitForRun(const TForm2& window, int timeoutMs = 120000) {
  const QDeadlineTimer deadline(timeoutMs);
  while (window.running() && !deadline.hasExpired()) QTest::qWait(5);
  return !window.running();
}

}  // namespace zarv

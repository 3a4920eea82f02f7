#pragma once

#include <QCoreApplication>

#include "haupt/haupt.h"

namespace zarv {

// The event loop turns until the window's run has ended. No deadline: the run's end comes
// as an event however long the machine takes, and a run that never ends is the test
// runner's timeout to report.
inline void WaitForRun(const TForm2& window) {
  while (window.running()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

}  // namespace zarv

// A long run on the worker thread: the window keeps answering, START takes no second
// run, and a cancelled run leaves the log and the result file as they were.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>
#include <string>

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include "haupt_fixture.h"

namespace zarv {
namespace {

std::string FileText(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool SameLog(const TrajectoryLog& a, const TrajectoryLog& b) {
  return std::equal(a.data(), a.data() + kLogElements, b.data()) &&
         a.CurveCount == b.CurveCount && a.CurveList == b.CurveList;
}

TEST_F(HauptTest, DivergedRunSaysWhenAndWhyAndChangesNothing) {
  Open(vc::Projectile, 0, kEnglish);
  Start();
  ASSERT_TRUE(sink_.messages.empty()) << sink_.messages.front();
  const TrajectoryLog before = window_->log();
  const std::string file = FileText(ResultFile());

  Get<QLineEdit>("edV0")->setText(QStringLiteral("1e160"));
  Start();
  ASSERT_EQ(sink_.messages.size(), 1u);
  EXPECT_EQ(sink_.messages.front().rfind("diverged at t = ", 0), 0u) << sink_.messages.front();
  EXPECT_NE(sink_.messages.front().find("\"velocity,Vo,m/s\""), std::string::npos)
      << "the input out of range is named by its caption: " << sink_.messages.front();
  EXPECT_TRUE(SameLog(window_->log(), before)) << "a diverged run keeps the last log";
  EXPECT_EQ(FileText(ResultFile()), file) << "and the last result file";
}

TEST_F(HauptTest, LongRunKeepsTheWindowAnsweringAndCancelChangesNothing) {
  enum class Stop { Escape, CancelButton, Main, Quit };
  const Stop stops[] = {Stop::Escape, Stop::CancelButton, Stop::Main, Stop::Quit};
  for (const Stop stop : stops) {
    SCOPED_TRACE(::testing::Message() << "stop " << static_cast<int>(stop));
    window_ = std::make_unique<TForm2>(record_, sink_);
    Open(vc::Projectile, 0, kEnglish);
    Start();
    ASSERT_TRUE(sink_.messages.empty()) << sink_.messages.front();
    const TrajectoryLog before = window_->log();
    const std::string fileBefore = FileText(ResultFile());
    ASSERT_FALSE(fileBefore.empty());

    // The run lasts until it is cancelled: the worker is held at its first progress report.
    std::atomic<const std::atomic<bool>*> held{nullptr};
    window_->setProgressDelay(std::chrono::milliseconds(0));
    window_->setRunProgressHook([&held](double, const std::atomic<bool>& cancel) {
      // A run on the window's own thread must not hold it: the test would hang, not fail.
      if (QThread::currentThread() == QCoreApplication::instance()->thread()) return;
      held = &cancel;
      held.notify_all();
      cancel.wait(false);
    });
    QSignalSpy ended(window_.get(), &TForm2::runEnded);
    Get<QLineEdit>("eddt0")->setText(QStringLiteral("0.005"));
    auto* start = Get<QPushButton>("Button1");
    start->click();
    ASSERT_TRUE(window_->running()) << "START returned while the run goes on: it is on the worker";
    EXPECT_FALSE(start->isEnabled());
    for (int click = 0; click < 5; ++click) {
      QTest::mouseClick(start, Qt::LeftButton);
      window_->Button1Click();
    }
    held.wait(nullptr);
    EXPECT_TRUE(Shown("RunPanel")) << "a run past the delay shows its progress";
    EXPECT_EQ(Get<QLabel>("RunLabel")->text().toStdString(), "Computing the trajectory...");
    EXPECT_TRUE(Get<QPushButton>("RunCancel")->isEnabled());

    switch (stop) {
      case Stop::Escape: QTest::keyClick(window_.get(), Qt::Key_Escape); break;
      case Stop::CancelButton: Get<QPushButton>("RunCancel")->click(); break;
      case Stop::Main: Get<QPushButton>("Button5")->click(); break;
      case Stop::Quit: Get<QPushButton>("Button16")->click(); break;
    }
    if (!held.load()->load()) {
      ADD_FAILURE() << "the run was not cancelled";
      window_.reset();  // lets the worker go
      continue;
    }
    WaitForRun(*window_);
    QCoreApplication::processEvents();
    EXPECT_EQ(ended.count(), 1) << "clicks during the run queue no runs";
    EXPECT_TRUE(SameLog(window_->log(), before));
    EXPECT_EQ(FileText(ResultFile()), fileBefore);
    EXPECT_TRUE(sink_.messages.empty()) << sink_.messages.front();
    EXPECT_FALSE(Shown("RunPanel"));
    EXPECT_TRUE(start->isEnabled());
  }
}

}  // namespace
}  // namespace zarv

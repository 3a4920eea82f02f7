// A long run on the worker thread: the window keeps answering, START takes no second
// run, and a cancelled run leaves the log and the result file as they were.
#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "haupt_fixture.h"

namespace zarv {
namespace {

constexpr const char* kFineStep = "3e-6";  // s: a projectile run of about a second

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
    const int which = static_cast<int>(stop);
    window_ = std::make_unique<TForm2>(record_, sink_);
    Open(vc::Projectile, 0, kEnglish);
    Start();
    ASSERT_TRUE(sink_.messages.empty()) << sink_.messages.front();
    const TrajectoryLog before = window_->log();
    const std::string fileBefore = FileText(ResultFile());
    ASSERT_FALSE(fileBefore.empty());

    QSignalSpy ended(window_.get(), &TForm2::runEnded);
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
    ticker.start(10);
    Get<QLineEdit>("eddt0")->setText(QString::fromLatin1(kFineStep));
    auto* start = Get<QPushButton>("Button1");
    start->click();
    ASSERT_TRUE(window_->running()) << "stop " << which;
    EXPECT_FALSE(start->isEnabled());
    for (int click = 0; click < 5; ++click) {
      QTest::mouseClick(start, Qt::LeftButton);
      window_->Button1Click();
    }
    QTest::qWait(450);
    ASSERT_TRUE(window_->running()) << "stop " << which << ": the run ended too soon to test";
    EXPECT_GT(ticks, 10) << "the event loop goes on during the run";
    EXPECT_TRUE(Shown("RunPanel")) << "a run past 0.3 s shows its progress";
    EXPECT_EQ(Get<QLabel>("RunLabel")->text().toStdString(), "Computing the trajectory...");

    switch (stop) {
      case Stop::Escape: QTest::keyClick(window_.get(), Qt::Key_Escape); break;
      case Stop::CancelButton: Get<QPushButton>("RunCancel")->click(); break;
      case Stop::Main: Get<QPushButton>("Button5")->click(); break;
      case Stop::Quit: Get<QPushButton>("Button16")->click(); break;
    }
    ASSERT_TRUE(WaitForRun(*window_));
    QTest::qWait(20);
    EXPECT_EQ(ended.count(), 1) << "stop " << which << ": clicks during the run queue no runs";
    EXPECT_TRUE(SameLog(window_->log(), before)) << "stop " << which;
    EXPECT_EQ(FileText(ResultFile()), fileBefore) << "stop " << which;
    EXPECT_TRUE(sink_.messages.empty()) << sink_.messages.front();
    EXPECT_FALSE(Shown("RunPanel"));
    EXPECT_TRUE(start->isEnabled());
  }
}

}  // namespace
}  // namespace zarv

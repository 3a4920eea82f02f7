// The trust commands through the window: the step check, the Earth model, the validation
// report and the model warnings on the Extras button.
#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <regex>
#include <string>

#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QMenu>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include "haupt/chart_results.h"
#include "haupt/report_view.h"
#include "haupt/trust_commands.h"
#include "haupt_fixture.h"

namespace zarv {
namespace {

std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

bool SameLog(const TrajectoryLog& a, const TrajectoryLog& b) {
  return std::equal(a.data(), a.data() + kLogElements, b.data());
}

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

class TrustTest : public HauptTest {
 protected:
  void SetUp() override {
    HauptTest::SetUp();
    window_->setReportShower([this](QWidget*, const QString& title, const QString& text) {
      reportTitle_ = title.toStdString();
      report_ = text.toStdString();
    });
  }

  bool Checked(const char* caption) {
    std::unique_ptr<QMenu> menu(window_->makeChartMenu(window_.get()));
    QAction* action = Command(*menu, caption);
    return action && action->isCheckable() && action->isChecked();
  }
  // The event loop turns while the check goes on, as the user's window would; its end
  // comes as an event however long the machine takes.
  void WaitForCheck() {
    while (window_->trust().checking())
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  // The run's warnings come from runs on a worker after it is drawn.
  void WaitForWarnings() {
    while (window_->trust().assessing())
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  void SetField(const char* name, const char* text) {
    Get<QLineEdit>(name)->setText(QString::fromLatin1(text));
  }
  bool RoundBanner() {
    const std::optional<ChartView> view = window_->results().ShownView();
    return view && view->settings.roundEarth;
  }

  std::string reportTitle_;
  std::string report_;
};

TEST_F(TrustTest, StepCheckReportsInTheWindowLanguageAndLeavesTheRunAlone) {
  struct Case {
    int vehicleClass, item, language;
    const char* dt0;          // typed before START, nullptr: the preset's
    double rtol;              // > 0: the adaptive method at this tolerance, as a flight file sets it
    const char* quarterStep;  // the third run's heading
    const char* expected;   // in the report's verdict
    const char* absent;
    const char* title;
  };
  const Case cases[] = {
      {vc::Projectile, 0, kEnglish, "0.001", 0.0, "dt0 = 0.00025", "met", "MISSED", "Check the step"},
      {vc::Rocket, 0, kEnglish, nullptr, 0.0, "dt0 = 0.0025", "MISSED", "meets the", "Check the step"},
      {vc::Rocket, 0, kRussian, nullptr, 0.0, "dt0 = 0.0025", "НЕТ", "выдерживает", "Проверить шаг"},
      // The check starts from the tolerance the run took, not the default one.
      {vc::Projectile, 0, kEnglish, nullptr, 1e-3, "rtol = 1e-05", "rtol = 0.001 meets", "MISSED",
       "Check the step"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "class " << c.vehicleClass << " language " << c.language);
    Open(c.vehicleClass, c.item, c.language);
    if (c.dt0) SetField("eddt0", c.dt0);
    RunSettings settings;
    if (c.rtol > 0.0) {
      settings.integrator = Integrator::Adaptive;
      settings.rtol = c.rtol;
    }
    window_->trust().setRunSettings(settings);
    Start();
    const TrajectoryLog log = window_->log();
    const std::string file = FileBytes(ResultFile());
    report_.clear();

    Choose(c.title);
    EXPECT_TRUE(window_->trust().checking()) << "the check runs on the worker";
    EXPECT_TRUE(Shown("CheckPanel")) << "the busy state shows";
    WaitForCheck();
    EXPECT_FALSE(Shown("CheckPanel"));

    EXPECT_EQ(reportTitle_, c.title);
    EXPECT_TRUE(Contains(report_, c.expected)) << report_;
    EXPECT_FALSE(Contains(report_, c.absent)) << report_;
    EXPECT_TRUE(Contains(report_, c.quarterStep)) << "a quarter of the shown step";
    EXPECT_TRUE(sink_.messages.empty()) << sink_.messages.front();
    EXPECT_TRUE(SameLog(window_->log(), log)) << "the log stays the last run's";
    EXPECT_EQ(FileBytes(ResultFile()), file) << "Zarv_500.txt stays the last run's";
    EXPECT_TRUE(window_->chartShown());
    window_->Button5Click();
  }
}

TEST_F(TrustTest, LeavingTheWindowStopsARunningStepCheck) {
  Open(vc::Rocket, 0, kEnglish);
  // The check lasts until it is cancelled: its worker is held before it begins.
  std::atomic<const std::atomic<bool>*> cancel{nullptr};
  window_->trust().setCheckHook([&cancel](const std::atomic<bool>& flag) {
    cancel = &flag;
    flag.wait(false);
  });
  Choose("Check the step");
  ASSERT_TRUE(window_->trust().checking());
  window_->Button5Click();
  EXPECT_TRUE(window_->trust().checking()) << "MAIN returns without waiting for the check";
  WaitForCheck();
  ASSERT_NE(cancel.load(), nullptr);
  EXPECT_TRUE(cancel.load()->load()) << "MAIN cancels the check";
  EXPECT_TRUE(report_.empty()) << "a check left behind shows nothing";
  EXPECT_TRUE(sink_.messages.empty()) << sink_.messages.front();
}

TEST_F(TrustTest, StepCheckRefusesAFieldWithoutANumberAsStartDoes) {
  Open(vc::Projectile, 0, kEnglish);
  SetField("eddt0", "0,01");
  sink_.messages.clear();
  Choose("Check the step");
  EXPECT_FALSE(window_->trust().checking());
  ASSERT_EQ(sink_.messages.size(), 1u);
  Start();
  ASSERT_EQ(sink_.messages.size(), 2u);
  EXPECT_EQ(sink_.messages[0], sink_.messages[1]) << "the same message as START's";
  EXPECT_TRUE(report_.empty()) << report_;
}

TEST_F(TrustTest, RoundEarthChangesTheRunAndItsBannerAndStaysForTheSession) {
  Open(vc::Reentry, 0, kEnglish);
  Start();
  const std::string flat = FileBytes(ResultFile());
  EXPECT_FALSE(RoundBanner());
  EXPECT_FALSE(Checked("Round Earth"));

  Choose("Round Earth");
  EXPECT_TRUE(Checked("Round Earth"));
  EXPECT_FALSE(RoundBanner()) << "the shown run flew over the flat Earth";
  Start();
  const std::string round = FileBytes(ResultFile());
  EXPECT_NE(round, flat) << "the next run flies over the round Earth";
  EXPECT_TRUE(RoundBanner());

  window_->Button5Click();
  window_->showFromStartWindow();
  EXPECT_TRUE(Checked("Round Earth")) << "MAIN and a new activation keep it";
  Start();
  EXPECT_EQ(FileBytes(ResultFile()), round);
  EXPECT_TRUE(RoundBanner());

  Choose("Round Earth");
  window_->Button2Click();
  EXPECT_TRUE(RoundBanner()) << "a chart button redraws the run as it flew";
  Start();
  EXPECT_EQ(FileBytes(ResultFile()), flat);
  EXPECT_FALSE(RoundBanner());
}

TEST_F(TrustTest, ValidationReportPassesEveryCaseInAReadOnlyFixedWidthView) {
  Open(vc::Projectile, 0, kEnglish);
  Choose("Validation report");
  EXPECT_TRUE(window_->trust().checking()) << "the cases run on the worker";
  WaitForCheck();
  EXPECT_EQ(reportTitle_, "Validation report");
  std::smatch count;
  ASSERT_TRUE(std::regex_search(report_, count, std::regex(R"(passed: (\d+) / (\d+))"))) << report_;
  EXPECT_EQ(count[1].str(), count[2].str()) << report_;

  // The window's own view: beside the window, never modal.
  window_ = std::make_unique<TForm2>(record_, sink_);
  Open(vc::Projectile, 0, kRussian);
  Choose("Отчёт о валидации");
  WaitForCheck();
  ReportView* view = window_->trust().reportView();
  ASSERT_NE(view, nullptr);
  EXPECT_TRUE(view->isVisible());
  EXPECT_FALSE(view->isModal());
  auto* text = view->findChild<QPlainTextEdit*>(QStringLiteral("ReportText"));
  ASSERT_NE(text, nullptr);
  EXPECT_TRUE(text->isReadOnly());
  EXPECT_TRUE(QFontInfo(text->font()).fixedPitch()) << "the table's columns line up";
  EXPECT_TRUE(Contains(view->text().toStdString(), count[0].str().substr(8).c_str()));
}

TEST_F(TrustTest, ModelWarningsMarkTheExtrasButtonAndListThemInItsTooltip) {
  struct Case {
    int vehicleClass, item, language;
    bool round;
    bool checkFirst;
    const char* retyped;  // a mass typed after the check, nullptr: none
    const char* warning;  // in the tooltip, nullptr: no warnings at all
    const char* absent;   // not in the tooltip, nullptr: nothing to look for
  };
  const Case cases[] = {
      {vc::Reentry, 0, kEnglish, false, false, nullptr,
       "flat Earth: the round Earth changes the range by +", nullptr},
      {vc::Reentry, 0, kRussian, false, false, nullptr, "плоская Земля", nullptr},
      {vc::Reentry, 0, kGerman, false, false, nullptr, "Flache Erde", nullptr},
      {vc::Reentry, 0, kEnglish, true, false, nullptr, nullptr, nullptr},
      {vc::Rocket, 0, kEnglish, false, false, nullptr,
       "the step dt0 = 0.01 s is probably too coarse", "last step check"},
      // The check outweighs the estimate, for its flight only.
      {vc::Rocket, 0, kEnglish, false, true, nullptr,
       "the last step check of this flight suggests dt0 at most", "probably"},
      {vc::Rocket, 0, kEnglish, false, true, "12000", "probably too coarse", "last step check"},
      {vc::Glider, 3, kEnglish, false, false, nullptr, nullptr, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "class " << c.vehicleClass << " language " << c.language
                                    << (c.round ? " round" : " flat")
                                    << (c.checkFirst ? " checked" : "")
                                    << (c.retyped ? " mass retyped" : ""));
    window_ = std::make_unique<TForm2>(record_, sink_);
    window_->setReportShower([](QWidget*, const QString&, const QString&) {});
    Open(c.vehicleClass, c.item, c.language);
    if (c.round) window_->trust().setEarthModel(EarthModel::Round);
    if (c.checkFirst) {
      window_->trust().CheckTheStep();
      WaitForCheck();
    }
    if (c.retyped) SetField("edMassaStart", c.retyped);
    Start();
    WaitForWarnings();

    QPushButton* extras = window_->ButtonExtras;
    const std::string caption = extras->text().toStdString();
    const std::string tip = extras->toolTip().toStdString();
    EXPECT_EQ(Contains(caption, "⚠"), c.warning != nullptr) << caption;
    if (c.warning) {
      EXPECT_TRUE(Contains(tip, c.warning)) << tip;
    } else {
      EXPECT_EQ(tip, "");
    }
    if (c.absent) {
      EXPECT_FALSE(Contains(tip, c.absent)) << tip;
    }
    EXPECT_LE(QFontMetrics(extras->font()).horizontalAdvance(extras->text()), extras->width() - 6)
        << "the caption fits its button";

    window_->Button5Click();
    EXPECT_FALSE(Contains(extras->text().toStdString(), "⚠")) << "MAIN blanks the chart";
    EXPECT_EQ(extras->toolTip().toStdString(), "");
  }
}

}  // namespace
}  // namespace zarv

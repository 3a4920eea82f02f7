// The chart buttons and the chart picture's menu after a run.
#include <memory>
#include <set>
#include <string>

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "charts/chart_catalogue.h"
#include "haupt_fixture.h"

namespace zarv {
namespace {

TEST_F(HauptTest, EveryChartButtonDrawsItsCurvesFromTheLog) {
  Open(vc::Reentry, 1, kEnglish);  // Sojuz: a lift coefficient, so the lift charts are offered
  Start();
  ASSERT_TRUE(sink_.messages.empty()) << sink_.messages.front();
  std::set<std::string> hidden;
  for (const ChartEntry& chart : ChartCatalogue()) {
    auto* button = Get<QPushButton>(chart.objectName);
    if (button->isHidden()) {
      hidden.insert(chart.objectName);
      continue;
    }
    EXPECT_EQ(button->text().toStdString(),
              chart.objectName == std::string("Button12")   ? "Drag=f(t)"
              : chart.objectName == std::string("Button14") ? "Lift=f(t)"
                                                            : chart.caption);
    const QImage before = window_->chartPicture();
    const bool sameCurves = SameCurves(window_->log(), chart);
    button->click();
    EXPECT_TRUE(SameCurves(window_->log(), chart)) << chart.objectName << " sets its curve list";
    EXPECT_EQ(window_->chartPicture().size(), QSize(700, 500)) << chart.objectName;
    EXPECT_EQ(window_->chartPicture() == before, sameCurves)
        << chart.objectName << ": the picture changes exactly when the curves do";
  }
  EXPECT_EQ(hidden, (std::set<std::string>{"ButtonP", "Button18"}));
  EXPECT_FALSE(Shown("Button13")) << "the atmosphere chart is never offered";
}

TEST_F(HauptTest, ChartMenuSavesAndCopiesThePictureInTheWindowLanguage) {
  Open(vc::Projectile, 0, kRussian);
  Start();
  ASSERT_TRUE(sink_.messages.empty()) << sink_.messages.front();
  std::unique_ptr<QMenu> menu(window_->makeChartMenu(window_.get()));
  ASSERT_GE(menu->actions().size(), 2);
  EXPECT_EQ(menu->actions()[0]->text().toStdString(), "Сохранить рисунок");
  EXPECT_EQ(menu->actions()[1]->text().toStdString(), "Копировать рисунок");

  const QString path = QDir::current().filePath(QStringLiteral("chart"));
  window_->setSavePathAsker([&path](QWidget*, const QString&, const QString&) { return path; });
  menu->actions()[0]->trigger();
  const QImage chart = window_->chartPicture().convertToFormat(QImage::Format_RGB32);
  ASSERT_GT(InkedPixels(chart), 200) << "a drawn chart to save";
  const QImage saved(path + QStringLiteral(".png"));
  EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), chart) << "the file holds the chart";

  menu->actions()[1]->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), chart)
      << "the clipboard holds the chart";
}

// The rocket's and the balloon's own charts, clicked where the user clicks them.
TEST_F(HauptTest, ClassChartButtonsDrawTheirCataloguedCurves) {
  struct Case {
    int vehicleClass, item;
    const char* button;
  };
  const Case cases[] = {
      {vc::Rocket, 0, "ButtonP"},
      {vc::Balloon, 0, "Button18"},
  };
  for (const Case& c : cases) {
    window_ = std::make_unique<TForm2>(record_, sink_);
    Open(c.vehicleClass, c.item, kEnglish);
    auto* button = Get<QPushButton>(c.button);
    const QPoint centre = button->geometry().center();
    QTest::mouseClick(window_->childAt(centre), Qt::LeftButton);
    EXPECT_TRUE(window_->chartPicture().isNull()) << c.button << " is covered before START";

    Start();
    ASSERT_TRUE(sink_.messages.empty()) << sink_.messages.front();
    ASSERT_TRUE(Shown(c.button)) << c.button << " after a run of class " << c.vehicleClass;
    ASSERT_EQ(window_->childAt(centre), button) << c.button << " is uncovered";
    const ChartEntry* chart = FindChart(c.button);
    ASSERT_NE(chart, nullptr) << c.button;
    const QImage before = window_->chartPicture();
    ASSERT_FALSE(SameCurves(window_->log(), *chart)) << "the default chart is another one";

    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(SameCurves(window_->log(), *chart)) << c.button << " sets its curve list";
    EXPECT_NE(window_->chartPicture(), before) << c.button << " redraws the chart";
    EXPECT_GT(InkedPixels(window_->chartPicture()), 200) << c.button << " draws curves";
  }
}

}  // namespace
}  // namespace zarv

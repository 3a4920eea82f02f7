// The Extras commands through the window: kept runs, readout, zoom, saved picture and data.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include <QCoreApplication>
#include <QDir>
#include <QFontMetrics>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

#include <gtest/gtest.h>

#include "charts/chart_legend.h"
#include "charts/chart_scales.h"
#include "haupt/chart_results.h"
#include "haupt_fixture.h"
#include "scenario/run_csv.h"

namespace zarv {
namespace {

std::string FileText(const QString& path) {
  std::ifstream in(path.toStdString(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

int PixelsOf(const QImage& picture, QRgb colour) {
  const QImage image = picture.convertToFormat(QImage::Format_RGB32);
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) count += (image.pixel(x, y) | 0xFF000000) == (colour | 0xFF000000);
  return count;
}

class ResultsTest : public HauptTest {
 protected:
  void RunWithStep(const char* dt0) {
    Get<QLineEdit>("eddt0")->setText(QString::fromLatin1(dt0));
    Start();
    ASSERT_TRUE(sink_.messages.empty()) << sink_.messages.front();
  }
  ChartResults& Results() { return window_->results(); }

  void SaveAs(const QString& path) {
    window_->setSavePathAsker([path, this](QWidget*, const QString&, const QString& filter) {
      lastFilter_ = filter.toStdString();
      return path;
    });
  }

  void Mouse(QEvent::Type type, int x, Qt::MouseButton button = Qt::NoButton) {
    const QPoint at(x, 250);
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::MouseButtons() : Qt::MouseButtons(button);
    QMouseEvent event(type, at, window_->Image1->mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(window_->Image1, &event);
  }
  void Drag(int from, int to) {
    Mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
    Mouse(QEvent::MouseMove, to, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, to, Qt::LeftButton);
  }
  // What the screen shows of the chart: the picture with whatever lies over it.
  QImage Screen() {
    return window_->Image1->grab().toImage().copy(0, 0, kChartWidth, kChartHeight).convertToFormat(
        QImage::Format_RGB32);
  }
  QImage Chart() { return window_->chartPicture().convertToFormat(QImage::Format_RGB32); }

  std::string lastFilter_;
};

TEST_F(ResultsTest, KeptRunsAreDrawnInTheirColoursUpToSixUntilCleared) {
  Open(vc::Rocket, 0, kEnglish);
  const char* steps[] = {"0.04", "0.035", "0.03", "0.025", "0.02", "0.015"};
  for (const char* dt0 : steps) {
    RunWithStep(dt0);
    Choose("Keep this run for comparison");
    EXPECT_FALSE(Enabled("Keep this run for comparison")) << "a run is kept once";
  }
  ASSERT_EQ(Results().keptRuns().size(), 6u);
  EXPECT_EQ(Results().keptRuns().front().label, "Launcher V-2, dt0 = 0.04");
  EXPECT_EQ(Results().keptRuns().back().label, "Launcher V-2, dt0 = 0.015");

  RunWithStep("0.01");
  Choose("Keep this run for comparison");
  ASSERT_EQ(sink_.messages.size(), 1u) << "the seventh run is refused";
  EXPECT_EQ(sink_.messages[0], "6 runs are kept already. Clear the kept runs to keep another one.");
  EXPECT_EQ(Results().keptRuns().front().label, "Launcher V-2, dt0 = 0.04") << "none is dropped";

  // Every chart shows them, the default one and a button's.
  for (QPushButton* button : {static_cast<QPushButton*>(nullptr), window_->Button27}) {
    if (button) button->click();
    for (int k = 0; k < kMaxKeptRuns; ++k)
      EXPECT_GT(PixelsOf(window_->chartPicture(), KeptRunColour(k)), 20)
          << "kept run " << k << (button ? " after V = f (t)" : " on the run's chart");
  }

  Choose("Clear kept runs");
  EXPECT_TRUE(Results().keptRuns().empty());
  EXPECT_FALSE(Enabled("Clear kept runs"));
  QImage plain;
  DrawChart(PlainView(window_->log(), window_->log().CurveList, window_->log().CurveCount,
                      kSampleCapacity, Results().ShownView()->settings),
            plain);
  EXPECT_EQ(Chart(), plain.convertToFormat(QImage::Format_RGB32)) << "no kept curve or legend is left";
}

TEST_F(ResultsTest, ReadoutShowsOnTheScreenOnlyAndLeavesWithThePointer) {
  Open(vc::Rocket, 0, kEnglish);
  RunWithStep("0.02");
  Choose("Keep this run for comparison");
  RunWithStep("0.01");
  const qint64 drawn = window_->chartPicture().cacheKey();
  ASSERT_EQ(Screen(), Chart()) << "nothing over the chart before the pointer comes";

  Mouse(QEvent::MouseMove, 420);
  const QImage withReadout = Screen();
  int lineColumn = 0;
  for (int y = 100; y < 400; ++y) lineColumn += withReadout.pixel(420, y) != Chart().pixel(420, y);
  EXPECT_GT(lineColumn, 100) << "a line at the pointer";
  EXPECT_EQ(window_->chartPicture().cacheKey(), drawn) << "the chart is not redrawn for the readout";

  const QString path = QDir::current().filePath(QStringLiteral("shown.png"));
  SaveAs(path);
  Choose("Save picture");
  EXPECT_EQ(QImage(path).convertToFormat(QImage::Format_RGB32), Chart()) << "the saved picture has no cursor";

  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(window_->Image1, &leave);
  EXPECT_EQ(Screen(), Chart()) << "leaving the chart hides the readout";
}

TEST_F(ResultsTest, DragZoomsUntilResetNewRunOrAnotherAbscissa) {
  Open(vc::Rocket, 0, kEnglish);
  RunWithStep("0.01");
  const QImage whole = Chart();
  const std::optional<AbscissaRange> expected = RangeFromDrag(*Results().ShownView(), 300, 420);
  ASSERT_TRUE(expected);

  Drag(300, 420);
  ASSERT_TRUE(Results().zoom());
  EXPECT_EQ(Results().zoom()->from, expected->from);
  EXPECT_EQ(Results().zoom()->to, expected->to);
  EXPECT_NE(Chart(), whole) << "the chart is drawn for the range";
  Mouse(QEvent::MouseButtonDblClick, 350, Qt::LeftButton);
  EXPECT_FALSE(Results().zoom());
  EXPECT_EQ(Chart(), whole) << "double-click returns to the whole flight";

  struct Step {
    const char* what;
    std::function<void()> act;
    bool zoomStays;
  };
  const Step steps[] = {
      {"a time chart", [&] { window_->Button27->click(); }, true},
      {"a range chart", [&] { window_->Button2->click(); }, false},
      {"Reset zoom", [&] { Choose("Reset zoom"); }, false},
      {"a new run", [&] { RunWithStep("0.02"); }, false},
  };
  for (const Step& step : steps) {
    window_->Button10->click();  // a time chart to zoom in
    Drag(300, 420);
    ASSERT_TRUE(Results().zoom()) << "before " << step.what;
    step.act();
    EXPECT_EQ(Results().zoom().has_value(), step.zoomStays) << "after " << step.what;
  }
}

TEST_F(ResultsTest, SavePictureWritesTheFormatItsNameAsksFor) {
  Open(vc::Projectile, 0, kEnglish);
  RunWithStep("0.005");
  struct Case {
    const char* name;
    const char* begins;  // nullptr: no file
    const char* message;  // nullptr: none
  };
  const Case cases[] = {
      {"chart.svg", "<?xml", nullptr},
      {"chart.PDF", "%PDF-", nullptr},
      {"chart.png", "\x89PNG", nullptr},
      {"chart.jpg", nullptr, "Unknown picture format"},
      {"missing/chart.png", nullptr, "the folder does not exist"},
  };
  for (const Case& c : cases) {
    sink_.messages.clear();
    const QString path = QDir::current().filePath(QString::fromLatin1(c.name));
    SaveAs(path);
    Choose("Save picture");
    const std::string bytes = FileText(path);
    if (c.begins) {
      EXPECT_EQ(bytes.substr(0, std::string(c.begins).size()), c.begins) << c.name;
    } else {
      EXPECT_TRUE(bytes.empty()) << c.name << " is not written";
    }
    if (c.message) {
      ASSERT_EQ(sink_.messages.size(), 1u) << c.name;
      EXPECT_NE(sink_.messages[0].find(c.message), std::string::npos) << sink_.messages[0];
    } else {
      EXPECT_TRUE(sink_.messages.empty()) << c.name << ": " << sink_.messages.front();
    }
  }
  EXPECT_EQ(lastFilter_, "PNG picture (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)");
}

TEST_F(ResultsTest, SaveDataWritesTheWholeSetEachFileNamingItsRun) {
  Open(vc::Rocket, 0, kGerman);
  RunWithStep("0.03");
  Choose("Lauf zum Vergleich behalten");
  RunWithStep("0.02");
  Choose("Lauf zum Vergleich behalten");
  RunWithStep("0.01");
  SaveAs(QDir::current().filePath(QStringLiteral("flight")));
  Choose("Daten speichern");
  ASSERT_TRUE(sink_.messages.empty()) << sink_.messages.front();
  EXPECT_EQ(lastFilter_, "CSV-Tabelle (*.csv)");

  // Each file names its run as the legend does.
  struct Saved {
    const char* file;
    const TrajectoryLog& log;
    const char* label;
  };
  const Saved saved[] = {{"flight.csv", window_->log(), "Launcher V-2"},
                         {"flight_kept1.csv", *Results().keptRuns()[0].log, "Launcher V-2, dt0 = 0.03"},
                         {"flight_kept2.csv", *Results().keptRuns()[1].log, "Launcher V-2, dt0 = 0.02"}};
  for (const Saved& file : saved) {
    EXPECT_EQ(FileText(QString::fromLatin1(file.file)), FormatRunCsv(file.log, file.label)) << file.file;
  }
  EXPECT_FALSE(std::filesystem::exists("flight_kept3.csv"));
  const std::string current = FileText(QStringLiteral("flight.csv"));
  const std::string kept = FileText(QStringLiteral("flight_kept1.csv"));

  // A set that cannot be written whole leaves every file of it as it was.
  RunWithStep("0.015");
  std::filesystem::remove("flight_kept2.csv");
  std::filesystem::create_directory("flight_kept2.csv");
  Choose("Daten speichern");
  ASSERT_EQ(sink_.messages.size(), 1u);
  EXPECT_NE(sink_.messages[0].find("flight_kept2.csv"), std::string::npos) << sink_.messages[0];
  EXPECT_EQ(FileText(QStringLiteral("flight.csv")), current) << "the new run's table is not written alone";
  EXPECT_EQ(FileText(QStringLiteral("flight_kept1.csv")), kept);
  EXPECT_EQ(QDir::current().entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral(".tmp")).size(), 0);

  // Without kept runs a save leaves nothing of the earlier set beside it; a file of such a
  // name that holds no saved run is not ours to remove.
  std::filesystem::remove("flight_kept2.csv");
  std::ofstream(QDir::current().filePath(QStringLiteral("flight_kept2.csv")).toStdString()) << "my notes\n";
  Choose("Behaltene Läufe löschen");
  sink_.messages.clear();
  Choose("Daten speichern");
  ASSERT_TRUE(sink_.messages.empty()) << sink_.messages.front();
  EXPECT_FALSE(std::filesystem::exists("flight_kept1.csv")) << "a kept run no longer shown";
  EXPECT_EQ(FileText(QStringLiteral("flight_kept2.csv")), "my notes\n");

  SaveAs(QDir::current().filePath(QStringLiteral("missing/flight.csv")));
  Choose("Daten speichern");
  ASSERT_EQ(sink_.messages.size(), 1u);
  EXPECT_NE(sink_.messages[0].find("der Ordner existiert nicht"), std::string::npos) << sink_.messages[0];
}

TEST_F(ResultsTest, EveryRunShownHasANameOfItsOwn) {
  Open(vc::Rocket, 0, kEnglish);
  Start();
  Choose("Keep this run for comparison");
  Start();  // unchanged
  Choose("Keep this run for comparison");
  Choose("Round Earth");
  Start();
  Choose("Keep this run for comparison");
  Start();
  ASSERT_TRUE(sink_.messages.empty()) << sink_.messages.front();
  const ChartScales scales = ComputeChartScales(*Results().ShownView());
  std::vector<std::string> legend;
  for (const QString& text : PlaceLegend(scales, Language::English).texts) legend.push_back(text.toStdString());
  const std::vector<std::string> expected{"Launcher V-2, round Earth (current)", "Launcher V-2", "Launcher V-2 (2)",
                                          "Launcher V-2, round Earth"};
  EXPECT_EQ(legend, expected);
}

TEST_F(ResultsTest, ExtrasButtonSitsInTheFreeStripAndOffersTheCommandsWhileAChartIsShown) {
  struct Case {
    int language;
    const char* caption;
    const char* savePicture;
  };
  const Case cases[] = {
      {kRussian, "Сервис", "Сохранить рисунок"},
      {kGerman, "Extras", "Bild speichern"},
      {kEnglish, "Extras", "Save picture"},
  };
  for (const Case& c : cases) {
    window_ = std::make_unique<TForm2>(record_, sink_);
    Open(vc::Rocket, 0, c.language);
    QPushButton* extras = Get<QPushButton>("ButtonExtras");
    EXPECT_EQ(extras->text().toStdString(), c.caption);
    EXPECT_LE(QFontMetrics(extras->font()).horizontalAdvance(extras->text()), extras->width() - 4)
        << c.caption << " fits";
    const QRect place = extras->geometry();
    EXPECT_GE(place.left(), window_->ButtonHELP->geometry().right()) << "right of H E L P";
    EXPECT_LT(place.right(), window_->StartFrame->geometry().left()) << "left of START";
    for (QWidget* other : window_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
      if (other == extras || other->isHidden()) continue;
      EXPECT_FALSE(place.intersects(other->geometry()))
          << c.caption << " overlaps " << other->objectName().toStdString();
    }

    EXPECT_FALSE(Enabled(c.savePicture)) << "no chart before START";
    Start();
    extras->click();
    QMenu* menu = Results().extrasMenu();
    EXPECT_TRUE(menu->isVisible()) << "the button opens the menu";
    for (const QAction* item : menu->actions()) {
      if (item->isSeparator()) continue;
      EXPECT_TRUE(item->text().front().isUpper())
          << "every item is capitalised alike: " << item->text().toStdString();
    }
    QAction* save = Command(*menu, c.savePicture);
    EXPECT_TRUE(save && save->isEnabled()) << c.savePicture << " with a chart";
    menu->hide();
    window_->Button5Click();
    EXPECT_FALSE(Enabled(c.savePicture)) << "MAIN leaves no chart";
  }
}

}  // namespace
}  // namespace zarv

// Open run data through the window: saved runs come back as kept runs, a measured flight
// is drawn as points and held against the shown run.
#include <gtest/gtest.h>

#include <QDir>
#include <QMenu>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "haupt/chart_results.h"
#include "haupt/overlay_commands.h"
#include "haupt/report_view.h"
#include "haupt_fixture.h"
#include "scenario/flight.h"
#include "scenario/flight_file.h"

namespace zarv {
namespace {

int PixelsOf(const QImage& picture, QRgb colour) {
  const QImage image = picture.convertToFormat(QImage::Format_RGB32);
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      count += (image.pixel(x, y) | 0xFF000000) == (colour | 0xFF000000);
  return count;
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

class OverlayTest : public HauptTest {
 protected:
  void RunWithStep(const char* dt0) {
    Get<QLineEdit>("eddt0")->setText(QString::fromLatin1(dt0));
    Start();
    ASSERT_TRUE(sink_.messages.empty()) << sink_.messages.front();
  }
  ChartResults& Results() { return window_->results(); }
  QImage Chart() { return window_->chartPicture().convertToFormat(QImage::Format_RGB32); }
  void OpenFile(const QString& path) {
    Results().overlays().setOpenPathAsker([path](QWidget*, const QString&, const QString&) { return path; });
    ASSERT_TRUE(Choose("Open run data…"));
  }
  QString Write(const char* name, const char* text) {
    const QString path = QDir::current().filePath(QString::fromLatin1(name));
    std::ofstream(path.toStdString()) << text;
    return path;
  }
  std::string Report() {
    const ReportView* view = Results().overlays().reportView();
    return view != nullptr && view->isVisible() ? view->text().toStdString() : std::string();
  }
};

TEST_F(OverlayTest, SavedDataOpensAgainAsTheKeptRunItWas) {
  Open(vc::Rocket, 0, kEnglish);
  RunWithStep("0.03");
  ASSERT_TRUE(Choose("Keep this run for comparison"));
  RunWithStep("0.01");
  const QImage withKept = Chart();
  window_->setSavePathAsker([](QWidget*, const QString&, const QString&) {
    return QDir::current().filePath(QStringLiteral("flight"));
  });
  ASSERT_TRUE(Choose("Save data"));
  ASSERT_TRUE(Choose("Clear kept runs"));
  ASSERT_NE(Chart(), withKept);

  OpenFile(QDir::current().filePath(QStringLiteral("flight_kept1.csv")));
  ASSERT_TRUE(sink_.messages.empty()) << sink_.messages.front();
  ASSERT_EQ(Results().keptRuns().size(), 1u);
  EXPECT_EQ(Results().keptRuns()[0].label, "Launcher V-2, dt0 = 0.03") << "named as the file names it";
  EXPECT_EQ(Chart(), withKept) << "the same curves, colours and legend";
}

TEST_F(OverlayTest, AMeasuredFlightIsDrawnAndHeldAgainstEachRunShown) {
  Open(vc::Rocket, 0, kEnglish);
  RunWithStep("0.01");
  OpenFile(
      Write("balloon track.csv", "# logger\nt [s], H [km], lat [deg]\n10, 1, 1\n50, 30, 1\n100, 60, 1\n"));
  ASSERT_TRUE(sink_.messages.empty()) << sink_.messages.front();
  EXPECT_GT(PixelsOf(Chart(), MeasuredColour(0)), 40) << "points on the chart and in its legend";
  const std::string first = Report();
  EXPECT_TRUE(Contains(first, "Measured flight: balloon track.csv")) << first;
  EXPECT_TRUE(Contains(first, "3/3")) << "three altitudes compared\n" << first;

  RunWithStep("0.02");
  const std::string second = Report();
  EXPECT_TRUE(Contains(second, "Run: Launcher V-2, dt0 = 0.02")) << "the report follows the run shown\n"
                                                                 << second;
  EXPECT_NE(second.substr(second.find("altitude")), first.substr(first.find("altitude")));

  // A bad file changes nothing and says where it is bad.
  const QString bad = Write("bad.csv", "t [s], H [km]\n10, 1\n20, x\n");
  const QImage before = Chart();
  OpenFile(bad);
  ASSERT_EQ(sink_.messages.size(), 1u);
  EXPECT_EQ(sink_.messages[0], bad.toStdString() + ", line 3, column 2 (H [km]): \"x\" is not a number");
  EXPECT_EQ(Chart(), before);

  ASSERT_TRUE(Choose("Remove measured flights"));
  EXPECT_EQ(PixelsOf(Chart(), MeasuredColour(0)), 0);
  EXPECT_FALSE(Choose("Deviation from the measured flight")) << "nothing to hold the run against";
}

TEST_F(OverlayTest, TheDeviationReportClosesWithTheRunItSpeaksOf) {
  Calculation glider;
  glider.setVehicleClass(VehicleClass::Glider);
  glider.inputs().MassaStart = 300.0;
  glider.inputs().Tk = glider.inputs().dt0 = 1.0;
  const QString flight = QDir::current().filePath(QStringLiteral("glider.zarv"));
  ASSERT_TRUE(WriteFlightFile(QFile::encodeName(flight).toStdString(), FlightOf(glider, RunSettings{})).ok);
  struct Case {
    const char* way;
    std::function<void(TForm2&)> leave;
  };
  const Case cases[] = {
      {"MAIN", [](TForm2& w) { w.Button5Click(); }},
      {"QUIT", [](TForm2& w) { w.Button16Click(); }},
      {"another flight opened", [&flight](TForm2& w) { w.OpenFlight(flight); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.way);
    Open(vc::Rocket, 0, kEnglish);
    RunWithStep("0.01");
    OpenFile(Write("track.csv", "t [s], H [km]\n10, 1\n50, 30\n"));
    ASSERT_FALSE(Report().empty());
    c.leave(*window_);
    EXPECT_EQ(Report(), "") << "a report of a run no longer shown";
  }
}

}  // namespace
}  // namespace zarv

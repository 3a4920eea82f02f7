#include "haupt/haupt.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWindow>

#include <gtest/gtest.h>

#include "charts/chart_catalogue.h"
#include "flight_model/standard_atmosphere.h"
#include "haupt/field_text.h"
#include "haupt/message_sink.h"
#include "haupt/window_texts.h"
#include "texts/form_captions.h"
#include "scenario/presets.h"
#include "trajectory/balloon_envelope.h"
#include "texts/input_messages.h"
#include "trajectory/input_check.h"
#include "trajectory/result_file.h"

#include "haupt_fixture.h"

namespace zarv {
namespace {

double DensityAt(double altitude) {
  double temperature = 0, pressure = 0, speedOfSound = 0, density = 0, viscosity = 0;
  StandardAtmosphere(altitude, temperature, pressure, speedOfSound, density, viscosity);
  return density;
}
TEST_F(HauptTest, ActivationShowsTheFieldsAndPictureOfEachClass) {
  const std::vector<const char*> always = {"edMassaStart", "EdS0", "eddt0", "EdTTO",
                                           "edH0",         "edV0", "edTk"};
  const std::vector<const char*> never = {"edHkk", "edVk", "edVwind", "Label7",
                                          "EdMdv", "Label22", "EdRSAT", "Label26"};
  struct Case {
    int vehicleClass, item;
    std::vector<const char*> shown;
    std::vector<const char*> hidden;
  };
  const Case cases[] = {
      {vc::Projectile, 0, {"Image8", "EdCx", "EdCy"}, {"Image4", "Image5", "EdGas", "EdMt", "EdiVopt", "ButtonP", "Button14"}},
      {vc::Parachute, 0, {"EdCx"}, {"Image4", "Image5", "Image8", "EdGas", "EdMt", "EdiVopt"}},
      {vc::Balloon, 0, {"Image5", "EdGas", "Label18", "EdHFlug", "Label20", "EdGasverlust", "Label28", "EdAuftriebplus", "Label27"}, {"EdMt", "EdiVopt"}},
      {vc::Glider, 0, {"EdiVopt", "Button14"}, {"Image4", "Image5", "Image8", "EdGas", "EdMt"}},
      {vc::Reentry, 0, {"Image4"}, {"Image5", "Image8", "EdGas", "EdMt", "Button14"}},
      {vc::Rocket, 0, {"Image6", "Image7", "EdMt", "Label23", "EdIud", "Label6", "EdSchub", "Label24", "ButtonP"}, {"EdGas", "EdiVopt", "EdCx", "EdCy", "Label13", "Label11", "Button14"}},
  };
  for (const Case& c : cases) {
    window_ = std::make_unique<TForm2>(record_, sink_);
    window_->setWindowTitle(QString());
    Open(c.vehicleClass, c.item, kEnglish);
    for (const char* name : always) EXPECT_TRUE(Shown(name)) << name << " in class " << c.vehicleClass;
    for (const char* name : c.shown) EXPECT_TRUE(Shown(name)) << name << " in class " << c.vehicleClass;
    for (const char* name : never) EXPECT_FALSE(Shown(name)) << name << " in class " << c.vehicleClass;
    for (const char* name : c.hidden) EXPECT_FALSE(Shown(name)) << name << " in class " << c.vehicleClass;
    EXPECT_EQ(window_->AerostatLatch, c.vehicleClass == vc::Balloon ? 1 : 0) << "class " << c.vehicleClass;
    EXPECT_EQ(window_->windowTitle().toStdString(), "  ZARV vers 1.17 Beta  ");
  }
  EXPECT_TRUE(sink_.messages.empty());
}

TEST_F(HauptTest, V2SelectsTheA4LawAndHidesTheCoefficients) {
  Open(vc::Rocket, 0, kEnglish);
  EXPECT_EQ(Get<QComboBox>("AeroBox1")->currentIndex(), 2);
  EXPECT_EQ(window_->inputs().AeroModel, 2.0);
  EXPECT_EQ(Text("EdSchub"), "300000");
  EXPECT_EQ(window_->inputs().Schub, 300000.0);
  EXPECT_EQ(window_->inputs().Mdv, 2000.0) << "engine mass comes from the preset";
  EXPECT_EQ(Text("EdBelastung"), "6350");
}

TEST_F(HauptTest, AeroBoxShowsCoefficientsOnlyForTheConstantModel) {
  Open(vc::Projectile, 0, kGerman);
  auto* box = Get<QComboBox>("AeroBox1");
  for (int item : {1, 0, 2, 0}) {
    box->setCurrentIndex(item);
    EXPECT_EQ(window_->inputs().AeroModel, item);
    for (const char* name : {"EdCx", "EdCy", "Label13", "Label11"})
      EXPECT_EQ(Shown(name), item == 0) << name << " with item " << item;
  }
}

TEST_F(HauptTest, HydrogenBalloonShowsTheEnvelopeInFourDigits) {
  Open(vc::Balloon, 0, kEnglish);
  const BalloonEnvelope envelope = ComputeBalloonEnvelope(1000.0, 0.085);
  const QLocale locale;
  EXPECT_EQ(Text("Volumen_Start"), FieldText4(envelope.volume, locale).toStdString());
  EXPECT_EQ(Text("EdS0"), FieldText4(envelope.area, locale).toStdString());
  EXPECT_LE(Text("EdS0").size(), 5u) << "four digits and a point";
  EXPECT_EQ(window_->inputs().S0, envelope.areaShown);
  EXPECT_EQ(Text("EdAuftriebplus"), "1");
  EXPECT_EQ(Text("EdGasverlust"), "4.4");
  EXPECT_EQ(window_->inputs().GasDichte, 0.085);
  EXPECT_EQ(window_->inputs().HFlug, 1000.0);
  EXPECT_EQ(Text("EdBelastung"), FieldText4(1000.0 / envelope.areaShown, locale).toStdString());
  EXPECT_EQ(Caption("Label18"), "    density of gas,         kg/m3");
  EXPECT_EQ(Caption("Label20"), "flight altitude, m");
}

TEST_F(HauptTest, GliderShowsTheSpeedWhereLiftEqualsWeight) {
  Open(vc::Glider, 0, kGerman);
  const double expected = std::sqrt(2 * 300 * 9.8 / (1.5 * DensityAt(2000.0) * 6));
  const std::optional<double> shown = ParseFieldNumber(Get<QLineEdit>("EdiVopt")->text(), QLocale());
  ASSERT_TRUE(shown.has_value()) << Text("EdiVopt");
  EXPECT_NEAR(*shown, expected, 1e-12 * expected);
  EXPECT_NEAR(*shown, 25.5, 0.5) << "about 92 km/h for this glider";
}

TEST_F(HauptTest, ReentryHidesWindAndNoseRadiusButTakesThePresetRadius) {
  Open(vc::Reentry, 0, kRussian);
  EXPECT_FALSE(Shown("edVwind"));
  EXPECT_FALSE(Shown("Label7"));
  EXPECT_FALSE(Shown("EdRSAT"));
  EXPECT_EQ(window_->inputs().RSAT, 1.15);
  EXPECT_EQ(Get("EdRSAT")->pos(), QPoint(128, 50));
  EXPECT_EQ(window_->inputs().H0, 120000.0);
}

TEST_F(HauptTest, CaptionsFollowTheLanguageOfEachActivation) {
  for (int language : {kEnglish, kRussian, kGerman, kEnglish, kGerman}) {
    ASSERT_TRUE(ApplyPreset(record_, vc::Glider, 1));
    record_[sf::Language] = language;
    window_->FormAktivate();
    EXPECT_EQ(window_->WindowLanguage, LanguageFromRecord(language));
    for (const CaptionRow& row : CaptionTable()) {
      const char* expected = row.text.in(LanguageFromRecord(language));
      if (!expected) continue;
      EXPECT_EQ(Caption(row.control), expected) << row.control << " in language " << language;
    }
  }
}

TEST_F(HauptTest, UnparsableTextMarksTheFieldAndKeepsTheInput) {
  Open(vc::Projectile, 0, kEnglish);
  auto* field = Get<QLineEdit>("edH0");
  const QColor plain = field->palette().color(QPalette::Base);
  struct Step {
    const char* text;
    double expectedH0;
    bool marked;
  };
  const Step steps[] = {
      {"12", 12.0, false}, {"12a", 12.0, true}, {"", 12.0, true},
      {"0,5", 12.0, true}, {"0.5", 0.5, false},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(std::string("after '") + step.text + "'");
    field->setText(QString::fromUtf8(step.text));
    EXPECT_EQ(window_->inputs().H0, step.expectedH0);
    EXPECT_EQ(field->palette().color(QPalette::Base) != plain, step.marked) << "the tint";
    const std::string tip = std::string("\"") + step.text +
                            "\" is not a number: the run will not start until this field holds one.";
    EXPECT_EQ(field->toolTip().toStdString(), step.marked ? tip : "");
  }
  EXPECT_TRUE(sink_.messages.empty()) << "no box while typing: " << sink_.messages.front();
}

TEST_F(HauptTest, TypedValueReachesTheRun) {
  Open(vc::Projectile, 0, kEnglish);
  Get<QLineEdit>("edH0")->setText(QStringLiteral("500"));
  Start();
  ASSERT_TRUE(sink_.messages.empty()) << sink_.messages.front();
  const double firstAltitude = window_->log().at(row::kAltitude, 1);
  EXPECT_GT(firstAltitude, 500.0);
  EXPECT_LT(firstAltitude, 501.0);
}

TEST_F(HauptTest, StartUncoversTheButtonsWritesTheFileAndDrawsTheDefaultChart) {
  Open(vc::Parachute, 0, kGerman);
  auto* button = Get<QPushButton>("Button22");
  const QPoint centre = button->geometry().center();
  EXPECT_EQ(window_->childAt(centre), Get("Panel6")) << "covered before START";
  Get<QPushButton>("Button19")->click();
  EXPECT_TRUE(Shown("Memo1"));

  Get<QPushButton>("Button1")->click();
  WaitForRun(*window_);
  ASSERT_TRUE(sink_.messages.empty()) << sink_.messages.front();
  EXPECT_EQ(window_->childAt(centre), button);
  EXPECT_FALSE(Shown("Memo1"));
  const ChartEntry expected = DefaultChart(VehicleClass::Parachute);
  EXPECT_EQ(window_->log().CurveCount, expected.curveCount);
  EXPECT_EQ(window_->chartPicture().size(), QSize(700, 500));
  std::ifstream file(ResultFile());
  ASSERT_TRUE(file) << ResultFile();
  int lines = 0;
  for (std::string line; std::getline(file, line);) ++lines;
  EXPECT_EQ(lines, 503);
  EXPECT_EQ(Text("EdBelastung"), FieldText4(100.0 / 36.0, QLocale()).toStdString());
}

TEST_F(HauptTest, MainHidesTheClassFieldsBlanksTheChartAndHandsBack) {
  int mains = 0;
  QObject::connect(window_.get(), &TForm2::mainRequested, [&mains] { ++mains; });
  Open(vc::Rocket, 0, kEnglish);
  Start();
  ASSERT_TRUE(sink_.messages.empty()) << sink_.messages.front();
  Get<QPushButton>("Button5")->click();
  EXPECT_EQ(mains, 1);
  EXPECT_FALSE(window_->isVisible());
  for (const char* name : {"EdMt", "Label23", "EdIud", "Label6", "EdSchub", "Label24", "ButtonP",
                           "Image6", "Image7", "Memo1", "Memo2"})
    EXPECT_FALSE(Shown(name)) << name;
  const QImage& blank = window_->chartPicture();
  EXPECT_EQ(blank.size(), QSize(770, 515));
  EXPECT_EQ(blank.pixel(350, 250), QColor(Qt::white).rgb());
  EXPECT_EQ(window_->inputs().Schub, 300000.0) << "MAIN resets no input";

  ASSERT_TRUE(ApplyPreset(record_, vc::Balloon, 1));
  record_[sf::Language] = kEnglish;
  window_->showFromStartWindow();
  EXPECT_FALSE(Shown("EdMt"));
  EXPECT_TRUE(Shown("EdGas"));
}

TEST_F(HauptTest, QuitAsksTheStartWindowToEndTheProgram) {
  int quits = 0;
  QObject::connect(window_.get(), &TForm2::quitRequested, [&quits] { ++quits; });
  Open(vc::Projectile, 0, kEnglish);
  window_->ButtonHELPClick();
  EXPECT_TRUE(Shown("Memo2"));
  Get<QPushButton>("Button16")->click();
  EXPECT_EQ(quits, 1);
  EXPECT_FALSE(window_->isVisible());
  EXPECT_FALSE(Shown("Memo2"));
}

TEST_F(HauptTest, RejectedRunShowsTheEngineMessageAndChangesNothing) {
  record_[sf::Language] = kEnglish;  // no preset clicked: class 0
  window_->showFromStartWindow();
  EXPECT_EQ(Text("EdBelastung"), "");
  Start();
  const std::optional<InputError> error = CheckRunInputs(window_->inputs(), VehicleClass::None);
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(sink_.messages,
            std::vector<std::string>{"Invalid input \"vehicle class\": choose a preset example first."});
  EXPECT_TRUE(window_->chartPicture().isNull());
  EXPECT_FALSE(std::filesystem::exists(ResultFile()));
  EXPECT_EQ(window_->log().CurveCount, 0);
}

TEST_F(HauptTest, UnwritableResultFileIsReportedAndTheRunStillShown) {
  std::filesystem::create_directory(ResultFile());  // a directory cannot be replaced by the file
  Open(vc::Projectile, 0, kGerman);
  Start();
  ASSERT_EQ(sink_.messages.size(), 1u);
  EXPECT_NE(
      sink_.messages[0].find("Zarv_500.txt\" kann nicht geschrieben werden: das ist ein Ordner"),
      std::string::npos)
      << "the reason in the window language: " << sink_.messages[0];
  EXPECT_TRUE(window_->chartShown());
  EXPECT_GT(InkedPixels(window_->chartPicture()), 200);
}

TEST_F(HauptTest, OnlyAReturnFromTheStartWindowActivatesAgain) {
  QWidget start;
  QWidget other;  // stands for one of our message boxes
  start.show();
  other.show();
  window_->setStartWindow(&start);
  Open(vc::Projectile, 0, kEnglish);
  QWindow* mine = window_->windowHandle();
  struct Case {
    QWindow* before;  // where the focus was; nullptr: another application
    bool reactivates;
  };
  const Case cases[] = {
      {other.windowHandle(), false},
      {nullptr, false},
      {start.windowHandle(), true},
  };
  for (const Case& c : cases) {
    window_->ProgramFocusMoved(mine);
    Get<QLineEdit>("edH0")->setText(QStringLiteral("777"));
    window_->ProgramFocusMoved(c.before);
    window_->ProgramFocusMoved(mine);
    EXPECT_EQ(Text("edH0"), c.reactivates ? "1" : "777");
    EXPECT_EQ(window_->inputs().H0, c.reactivates ? 1.0 : 777.0);
  }
}

// The same rule through the platform's own focus changes.
TEST_F(HauptTest, FocusComingBackFromTheStartWindowRereadsTheRecord) {
  QWidget start;
  start.show();
  start.activateWindow();
  QCoreApplication::processEvents();
  window_->setStartWindow(&start);
  Open(vc::Projectile, 0, kEnglish);
  QCoreApplication::processEvents();
  if (QGuiApplication::focusWindow() != window_->windowHandle())
    GTEST_SKIP() << "this platform moves no focus";
  Get<QLineEdit>("edH0")->setText(QStringLiteral("777"));
  QCoreApplication::processEvents();
  EXPECT_EQ(Text("edH0"), "777") << "no activation without a return from the start window";

  start.activateWindow();
  QCoreApplication::processEvents();
  window_->activateWindow();
  QCoreApplication::processEvents();
  EXPECT_EQ(Text("edH0"), "1");
}

}  // namespace
}  // namespace zarv

// The whole program through the widgets of both windows.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "haupt/window_texts.h"
#include "program_fixture.h"
#include "scenario/presets.h"

namespace zarv {
namespace {

// Runs a test in a fresh current directory, where the result file lands, and returns to
// the previous one however the test ends.
class InTemporaryDirectory {
 public:
  InTemporaryDirectory() { QDir::setCurrent(dir_.path()); }
  ~InTemporaryDirectory() { QDir::setCurrent(home_); }
  bool isValid() const { return dir_.isValid(); }
  QString filePath(const QString& name) const { return dir_.filePath(name); }

 private:
  QString home_ = QDir::currentPath();
  QTemporaryDir dir_;
};

TEST(WholeProgram, TypicalRequestRunsTheV2) {
  const InTemporaryDirectory dir;
  ASSERT_TRUE(dir.isValid());
  Program p;
  TForm1& f = *p.form1;
  ChooseLanguage(f, 3);
  ChooseClass(f, 3, vc::Rocket);
  ClickRow(&f, f.ListBoxLauncher, 0);
  EXPECT_EQ(p.record[sf::Language], 0);
  ClickButton(&f, f.BitBtn1);

  EXPECT_EQ(p.record[sf::VehicleClass], 8);
  EXPECT_EQ(p.record[sf::AeroModel], 2);
  EXPECT_EQ(p.record[sf::Language], 3);
  const std::pair<int, double> v2[] = {
      {sf::MassaStart, 12700}, {sf::S0, 2},     {sf::Cx, 0.25},     {sf::TTO, 89.3},
      {sf::Tk, 1500},          {sf::dt0, 0.01}, {sf::Mt, 8200},     {sf::Iud, 2200},
      {sf::Mdv, 2000},         {sf::Schub, 300000},
  };
  for (const auto& [field, value] : v2) EXPECT_EQ(p.record[field], value) << "field " << field;
  for (auto* box : f.findChildren<QListWidget*>()) {
    EXPECT_FALSE(box->isVisible());
    EXPECT_TRUE(box->selectedItems().isEmpty());
  }

  TForm2& calc = *p.form2;
  ASSERT_TRUE(calc.isVisible());
  EXPECT_TRUE(f.isVisible()) << "the start window stays open behind";
  const std::tuple<QLineEdit*, QLabel*, const char*, const char*> engine[] = {
      {calc.EdMt, calc.Label23, "Label23", "8200"},
      {calc.EdIud, calc.Label6, "Label6", "2200"},
      {calc.EdSchub, calc.Label24, "Label24", "300000"},
  };
  for (const auto& [field, label, labelName, text] : engine) {
    EXPECT_TRUE(field->isVisible() && label->isVisible()) << labelName;
    EXPECT_EQ(field->text(), QLatin1String(text)) << labelName;
    const auto rows = CaptionTable();
    const auto row = std::find_if(rows.begin(), rows.end(), [&](const CaptionRow& r) {
      return QLatin1String(r.control) == QLatin1String(labelName);
    });
    ASSERT_NE(row, rows.end()) << labelName << " has no captions";
    ASSERT_NE(row->text.en, nullptr) << labelName << " has no English caption";
    EXPECT_EQ(label->text(), QString::fromUtf8(row->text.en)) << labelName;
  }
  EXPECT_FALSE(calc.EdCx->isVisible() || calc.EdCy->isVisible());

  ClickButton(&calc, calc.Button1);
  WaitForRun(calc);
  EXPECT_TRUE(p.sink.messages.empty());
  EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("Zarv_500.txt"))));
  const QImage chart = calc.chartPicture();
  ASSERT_FALSE(chart.isNull());
  int inked = 0;
  for (int y = 0; y < chart.height(); y += 3)
    for (int x = 0; x < chart.width(); x += 3) inked += chart.pixel(x, y) != chart.pixel(0, 0);
  EXPECT_GT(inked, 200) << "the default chart should be drawn";
}

TEST(WholeProgram, StartWithoutPresetOpensTheWindowButRefusesTheRun) {
  const InTemporaryDirectory dir;
  ASSERT_TRUE(dir.isValid());
  Program p;
  TForm1& f = *p.form1;
  ChooseLanguage(f, 3);
  ChooseClass(f, 3, vc::Rocket);
  ClickButton(&f, f.BitBtn1);
  EXPECT_TRUE(p.form2->isVisible());
  EXPECT_EQ(p.record[sf::VehicleClass], 0);
  EXPECT_EQ(p.record[sf::Language], 3);
  ClickButton(p.form2.get(), p.form2->Button1);
  WaitForRun(*p.form2);
  EXPECT_EQ(p.sink.messages.size(), 1u) << "the engine's refusal is shown once";
  EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("Zarv_500.txt"))));
}

TEST(WholeProgram, MainThenStartKeepsRecordAndLanguage) {
  Program p;
  TForm1& f = *p.form1;
  ChooseLanguage(f, 2);
  ChooseClass(f, 2, vc::Glider);
  ClickRow(&f, f.ListBoxGlider, 3);
  ClickButton(&f, f.BitBtn1);
  const Scenario afterStart = p.record;
  ASSERT_EQ(afterStart[sf::Language], 2);

  TForm2& calc = *p.form2;
  ClickButton(&calc, calc.Button5);  // MAIN
  EXPECT_FALSE(calc.isVisible());
  EXPECT_TRUE(f.isVisible());
  const std::pair<QWidget*, bool> states[] = {
      {f.Image1, true},  {f.RadioSprach, true}, {f.Image2, true},  {f.Panel4, true},
      {f.BitBtn1, true}, {f.Memo1, false},      {f.Label1, false}, {f.RadioWahl, false},
  };
  for (const auto& [widget, visible] : states)
    EXPECT_EQ(widget->isVisible(), visible) << widget->objectName().toStdString();
  EXPECT_EQ(CheckedItems(f.RadioSprach), 0) << "no language is selected after MAIN";

  ClickButton(&f, f.BitBtn1);
  EXPECT_TRUE(calc.isVisible());
  EXPECT_EQ(p.record.field, afterStart.field);
  EXPECT_EQ(calc.Label23->isVisible(), false) << "glider shows no rocket fields";
  EXPECT_EQ(calc.edMassaStart->text(), QStringLiteral("525"));
}

TEST(WholeProgram, QuitInEitherWindowClosesBoth) {
  for (bool fromCalcWindow : {false, true}) {
    Program p;
    TForm1& f = *p.form1;
    bool ended = false;
    QObject::connect(&f, &TForm1::closed, [&] { ended = true; });
    ChooseLanguage(f, 3);
    ChooseClass(f, 3, vc::Parachute);
    ClickRow(&f, f.ListBoxFallschirm, 0);
    ClickButton(&f, f.BitBtn1);
    QWidget* window = fromCalcWindow ? static_cast<QWidget*>(p.form2.get()) : &f;
    QPushButton* quit = fromCalcWindow ? p.form2->Button16 : f.Button1;
    ClickButton(window, quit);
    EXPECT_TRUE(ended) << (fromCalcWindow ? "calculation window" : "start window");
    EXPECT_FALSE(f.isVisible() || p.form2->isVisible());
  }
}

}  // namespace
}  // namespace zarv

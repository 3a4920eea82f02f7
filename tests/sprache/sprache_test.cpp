#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include "haupt/haupt.h"
#include "haupt/message_sink.h"
#include "haupt/window_texts.h"
#include "pictures.h"
#include "scenario/presets.h"
#include "sprache/class_names.h"
#include "sprache/sprache.h"

namespace zarv {
namespace {

// The record codes of the classes the tests click.
namespace vc {
constexpr int Projectile = static_cast<int>(VehicleClass::Projectile);
constexpr int Parachute = static_cast<int>(VehicleClass::Parachute);
constexpr int Glider = static_cast<int>(VehicleClass::Glider);
constexpr int Reentry = static_cast<int>(VehicleClass::Reentry);
constexpr int Rocket = static_cast<int>(VehicleClass::Rocket);
}  // namespace vc

class RecordingSink : public MessageSink {
 public:
  void ShowError(const QString& text) override { messages.push_back(text); }
  std::vector<QString> messages;
};

// Both windows wired as the program wires them.
struct Program {
  Scenario record;
  RecordingSink sink;
  std::unique_ptr<TForm1> form1 = std::make_unique<TForm1>(record);
  std::unique_ptr<TForm2> form2 = std::make_unique<TForm2>(record, sink);

  Program() {
    form1->setCalcWindow(form2.get());
    form1->show();
  }
};

// A mouse click where the user points: the topmost widget under the point gets it.
void ClickAt(QWidget* window, QPoint point) {
  QWidget* target = window->childAt(point);
  if (!target) target = window;
  QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(window, point));
}

// Clicks on the indicator of a radio item (its far right half is not part of the button).
void ClickButton(QWidget* window, QWidget* button) {
  ClickAt(window, button->mapTo(window, button->rect().center()));
}

void ClickItem(QWidget* window, QRadioButton* item) {
  ClickAt(window, item->mapTo(window, QPoint(8, item->height() / 2)));
}

void ClickRow(QWidget* window, QListWidget* list, int row) {
  QListWidgetItem* item = list->item(row);
  list->scrollToItem(item);
  ClickAt(window, list->viewport()->mapTo(window, list->visualItemRect(item).center()));
}

QGroupBox* ClassListOf(TForm1& form, int language) {
  return language == 1 ? form.WahlRU : language == 2 ? form.RadioWahl : form.WahlEN;
}

void ChooseLanguage(TForm1& form, int language) {
  ClickItem(&form, TForm1::Item(form.RadioSprach, language - 1));
}

void ChooseClass(TForm1& form, int language, int vehicleClass) {
  ClickItem(&form, TForm1::Item(ClassListOf(form, language), vehicleClass - 1));
}

int CheckedItems(QGroupBox* group) {
  int n = 0;
  for (auto* item : group->findChildren<QRadioButton*>()) n += item->isChecked();
  return n;
}

TEST(Pictures, EveryPictureDecodesAtItsSize) {
  struct Case {
    const char* file;
    int width, height;  // pixels
  };
  const Case cases[] = {
      // file                       width  height
      {picture::Capsule,            218,   115},
      {picture::Balloon,            222,   120},
      {picture::RocketStrip,        58,    117},
      {picture::Rocket,             224,   115},
      {picture::Projectile,         224,   125},
      {picture::Airplane,           220,   127},
      {picture::StartPicture,       264,   155},
      {picture::StartBackground,    683,   475},
  };
  for (const Case& c : cases) {
    const QImage image(QStringLiteral(":/pictures/") + QString::fromLatin1(c.file));
    ASSERT_FALSE(image.isNull()) << c.file << " did not decode (JPEG plugin missing?)";
    EXPECT_EQ(image.size(), QSize(c.width, c.height)) << c.file;
  }
}

TEST(StartWindow, OpensAtTheLanguageStep) {
  Program p;
  TForm1& f = *p.form1;
  EXPECT_EQ(f.windowTitle(), QStringLiteral("  Zarv version 1.17 (Beta)"));
  EXPECT_EQ(f.size(), QSize(630, 455));
  const std::pair<QWidget*, bool> states[] = {
      {f.Memo1, true},         {f.Label1, true},        {f.Image1, true},
      {f.RadioSprach, true},   {f.Button1, true},       {f.Image2, false},
      {f.RadioWahl, false},    {f.WahlRU, false},       {f.WahlEN, false},
      {f.Panel1, false},       {f.Panel3, false},       {f.ListBoxProjectil, false},
      {f.ListBoxFallschirm, false}, {f.ListBoxBallon, false}, {f.ListBoxGlider, false},
      {f.ListBoxLandekapsel, false}, {f.ListBoxLauncher, false}, {f.Panel4, false},
      {f.BitBtn1, false},
  };
  for (const auto& [widget, visible] : states)
    EXPECT_EQ(widget->isVisible(), visible) << widget->objectName().toStdString();
  EXPECT_FALSE(f.Memo1->toPlainText().isEmpty());
  EXPECT_EQ(f.Label1->text(), QStringLiteral("I ACCEPT"));
}

TEST(StartWindow, LanguageShowsItsClassListOverTheBackground) {
  struct Case {
    int language;
    const char* caption;
    const std::array<const char*, kClassCount>* items;
  };
  const Case cases[] = {
      {1, "Выбор", &kRussianClasses},
      {2, "Wahl", &kGermanClasses},
      {3, "Choice", &kEnglishClasses},
  };
  for (const Case& c : cases) {
    Program p;
    TForm1& f = *p.form1;
    ChooseLanguage(f, c.language);
    SCOPED_TRACE(c.caption);
    EXPECT_EQ(f.StartLanguage, c.language);
    EXPECT_EQ(p.record[sf::Language], c.language);
    QGroupBox* shown = ClassListOf(f, c.language);
    for (int language = 1; language <= 3; ++language)
      EXPECT_EQ(ClassListOf(f, language)->isVisible(), language == c.language);
    EXPECT_EQ(shown->title(), QString::fromUtf8(c.caption));
    for (int i = 0; i < kClassCount; ++i)
      EXPECT_EQ(TForm1::Item(shown, i)->text(), QString::fromUtf8((*c.items)[i])) << "item " << i;
    EXPECT_TRUE(f.Image2->isVisible());
    EXPECT_TRUE(f.Panel1->isVisible() && f.Panel3->isVisible());
    EXPECT_FALSE(f.Memo1->isVisible() || f.Label1->isVisible() || f.Image1->isVisible() ||
                 f.RadioSprach->isVisible());
  }
}

TEST(StartWindow, MasksCoverAirshipAndAirplaneAndTheyCannotBeChosen) {
  for (int language = 1; language <= 3; ++language) {
    Program p;
    TForm1& f = *p.form1;
    ChooseLanguage(f, language);
    QGroupBox* list = ClassListOf(f, language);
    const std::pair<QFrame*, int> masks[] = {{f.Panel1, 3}, {f.Panel3, 5}};
    for (const auto& [mask, index] : masks) {
      QRadioButton* item = TForm1::Item(list, index);
      SCOPED_TRACE(item->text().toStdString());
      EXPECT_EQ(mask->geometry(), QRect(item->mapTo(&f, QPoint(0, 0)), item->size()))
          << "the mask must lie exactly over the item";
      EXPECT_FALSE(item->isEnabled());
      ClickItem(&f, item);
      EXPECT_EQ(f.childAt(item->mapTo(&f, QPoint(8, 10))), mask);
      EXPECT_TRUE(list->isVisible()) << "a click on a mask must not choose a class";
      EXPECT_EQ(f.StartClass, 0);
    }
    // Keys step over the disabled items: down from the balloon reaches the glider.
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    QRadioButton* balloon = TForm1::Item(list, 2);
    balloon->setFocus();
    QTest::keyClick(balloon, Qt::Key_Down);
    ASSERT_TRUE(QApplication::focusWidget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(f.StartClass, 5) << "language " << language;
    EXPECT_TRUE(f.ListBoxGlider->isVisible());
  }
}

TEST(StartWindow, ClassShowsItsPresetListAndStart) {
  struct Case {
    int vehicleClass;
    const char* list;
  };
  const Case cases[] = {
      {1, "ListBoxProjectil"},   {2, "ListBoxFallschirm"}, {3, "ListBoxBallon"},
      {5, "ListBoxGlider"},      {7, "ListBoxLandekapsel"}, {8, "ListBoxLauncher"},
  };
  for (const Case& c : cases) {
    Program p;
    TForm1& f = *p.form1;
    ChooseLanguage(f, 2);
    const Scenario before = p.record;
    ChooseClass(f, 2, c.vehicleClass);
    SCOPED_TRACE(c.list);
    EXPECT_EQ(f.StartClass, c.vehicleClass);
    for (auto* box : f.findChildren<QListWidget*>())
      EXPECT_EQ(box->isVisible(), box->objectName() == QLatin1String(c.list))
          << box->objectName().toStdString();
    EXPECT_TRUE(f.Panel4->isVisible() && f.BitBtn1->isVisible());
    EXPECT_FALSE(f.RadioWahl->isVisible() || f.Panel1->isVisible() || f.Panel3->isVisible());
    EXPECT_EQ(CheckedItems(f.RadioWahl), 0) << "the class list keeps no selection";
    EXPECT_EQ(p.record.field, before.field) << "choosing a class writes nothing";
    const PresetList* presets = FindPresetList(c.vehicleClass);
    QListWidget* box = f.findChild<QListWidget*>(QLatin1String(c.list));
    ASSERT_EQ(box->count(), static_cast<int>(presets->items.size()));
    for (int i = 0; i < box->count(); ++i)
      EXPECT_EQ(box->item(i)->text(), QString::fromUtf8(presets->items[i].text));
  }
}

TEST(StartWindow, PresetClicksWriteExactlyTheirRange) {
  // Fields that are in no write range start as a marker, so a stray write shows.
  constexpr double kMarker = -7.5;
  struct Case {
    int vehicleClass;
    int item;
    int lastWritten;  // last field the click overwrites
  };
  const Case cases[] = {
      {1, 0, 29}, {1, 6, 21}, {2, 1, 29}, {3, 3, 29},
      {5, 0, 29}, {7, 4, 29}, {8, 0, 39}, {8, 6, 39},
  };
  for (const Case& c : cases) {
    Program p;
    TForm1& f = *p.form1;
    p.record.field.fill(kMarker);
    ChooseLanguage(f, 3);
    ChooseClass(f, 3, c.vehicleClass);
    QListWidget* box = f.findChild<QListWidget*>(FindPresetList(c.vehicleClass)->listName);
    ClickRow(&f, box, c.item);
    Scenario expected;
    expected.field.fill(kMarker);
    expected[sf::Language] = 3;
    ASSERT_TRUE(ApplyPreset(expected, c.vehicleClass, c.item));
    SCOPED_TRACE(box->item(c.item)->text().toStdString());
    for (int n = 0; n < kScenarioFields; ++n)
      EXPECT_EQ(p.record[n], expected[n]) << "field " << n;
    EXPECT_EQ(p.record[sf::VehicleClass], c.vehicleClass);
    EXPECT_EQ(p.record[sf::Language], 0) << "a preset clears the language until START";
    EXPECT_EQ(p.record[sf::Hk], 0.0);
    for (int n = c.lastWritten + 1; n < kScenarioFields; ++n)
      EXPECT_EQ(p.record[n], kMarker) << "field " << n << " lies past the range";
  }
}

TEST(StartWindow, ParachutesDifferOnlyInCx) {
  Program p;
  TForm1& f = *p.form1;
  ChooseLanguage(f, 2);
  ChooseClass(f, 2, vc::Parachute);
  ClickRow(&f, f.ListBoxFallschirm, 0);
  const Scenario first = p.record;
  ClickRow(&f, f.ListBoxFallschirm, 1);
  EXPECT_EQ(first[sf::Cx], 0.8);
  EXPECT_EQ(p.record[sf::Cx], 1.0);
  for (int n = 0; n < kScenarioFields; ++n)
    if (n != sf::Cx) {
      EXPECT_EQ(p.record[n], first[n]) << "field " << n;
    }
}

TEST(StartWindow, ProjectileDropKeepsTheReentryTail) {
  Program p;
  TForm1& f = *p.form1;
  ChooseLanguage(f, 1);
  ChooseClass(f, 1, vc::Reentry);
  ClickRow(&f, f.ListBoxLandekapsel, 2);
  const Scenario apollo = p.record;
  f.BitBtn1Click();
  p.form2->Button5Click();  // MAIN
  ChooseLanguage(f, 1);
  ChooseClass(f, 1, vc::Projectile);
  ClickRow(&f, f.ListBoxProjectil, 6);
  EXPECT_EQ(p.record[sf::VehicleClass], 1);
  EXPECT_EQ(p.record[sf::MassaStart], 0.0002);
  for (int n = 22; n < kScenarioFields; ++n)
    EXPECT_EQ(p.record[n], apollo[n]) << "field " << n << " lies past the drop's range";
  EXPECT_EQ(p.record[sf::RSAT], 2.8);
}

TEST(StartWindow, EmptyLinesChangeNothing) {
  const std::pair<int, int> cases[] = {{1, 9}, {1, 10}, {3, 4}, {3, 5}, {5, 4}, {7, 9}};
  for (const auto& [vehicleClass, item] : cases) {
    Program p;
    TForm1& f = *p.form1;
    ChooseLanguage(f, 2);
    ChooseClass(f, 2, vehicleClass);
    QListWidget* box = f.findChild<QListWidget*>(FindPresetList(vehicleClass)->listName);
    ClickRow(&f, box, 0);
    const Scenario before = p.record;
    ClickRow(&f, box, item);
    EXPECT_TRUE(box->item(item)->text().isEmpty());
    EXPECT_EQ(p.record.field, before.field) << "class " << vehicleClass << " line " << item;
  }
}

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
    for (const CaptionRow& row : CaptionTable())
      if (QLatin1String(row.control) == QLatin1String(labelName) && row.english) {
        EXPECT_EQ(label->text(), QString::fromUtf8(row.english)) << labelName;
      }
  }
  EXPECT_FALSE(calc.EdCx->isVisible() || calc.EdCy->isVisible());

  ClickButton(&calc, calc.Button1);
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

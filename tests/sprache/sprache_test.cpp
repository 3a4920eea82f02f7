#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include "haupt/haupt.h"
#include "haupt/message_sink.h"
#include "pictures.h"
#include "scenario/presets.h"
#include "sprache/class_names.h"
#include "sprache/sprache.h"

#include "program_fixture.h"

namespace zarv {
namespace {

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

// A row drawn as selected would say a preset is chosen that the record does not hold:
// neither when a list first opens nor when it opens again after a run and MAIN.
TEST(StartWindow, NoPresetRowLooksChosenBeforeItIsClicked) {
  Program p;
  TForm1& f = *p.form1;
  f.activateWindow();
  for (int round = 0; round < 2; ++round) {
    ChooseLanguage(f, 3);
    ChooseClass(f, 3, vc::Rocket);
    QCoreApplication::processEvents();
    QListWidget* box = f.ListBoxLauncher;
    EXPECT_TRUE(box->selectedItems().isEmpty()) << "round " << round;
    EXPECT_EQ(box->currentRow(), -1) << "round " << round << ": the current row is drawn marked";
    ClickRow(&f, box, 2);
    ASSERT_EQ(box->selectedItems().size(), 1);
    ClickButton(&f, f.BitBtn1);
    ASSERT_TRUE(p.form2->isVisible());
    ClickButton(p.form2.get(), p.form2->Button5);  // MAIN
  }
}

}  // namespace
}  // namespace zarv

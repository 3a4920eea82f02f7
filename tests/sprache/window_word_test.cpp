// The windows do what they say, tried as a user tries them: through the start window, the
// mouse and the keys.
#include <atomic>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QWindow>

#include <gtest/gtest.h>

#include "haupt/chart_results.h"
#include "program_fixture.h"
#include "scenario/presets.h"

namespace zarv {
namespace {

// The start window's steps up to START: language, class, a row of its preset list.
void ChoosePreset(Program& p, int language, int vehicleClass, int row) {
  TForm1& f = *p.form1;
  ChooseLanguage(f, language);
  ChooseClass(f, language, vehicleClass);
  auto* list = f.findChild<QListWidget*>(QLatin1String(FindPresetList(vehicleClass)->listName));
  ClickRow(&f, list, row);
  ClickButton(&f, f.BitBtn1);
  // A user's clicks come one at a time: the window changes between them are through.
  QCoreApplication::processEvents();
}

void RunInWindow(Program& p) {
  ClickButton(p.form2.get(), p.form2->Button1);
  WaitForRun(*p.form2);
}

// Replaces a field's text key by key.
void Type(QLineEdit* field, const char* keys) {
  field->setFocus();
  field->selectAll();
  QTest::keyClicks(field, QString::fromUtf8(keys));
}

std::vector<std::string> Messages(const Program& p) {
  std::vector<std::string> texts;
  for (const QString& message : p.sink.messages) texts.push_back(message.toStdString());
  return texts;
}

bool Has(const QString& text, const char* part) { return text.contains(QString::fromUtf8(part)); }

struct Visit {
  int vehicleClass, row;
};

struct Row {
  const char* what;
  int language;                    // of the start window: 1 R, 2 D, 3 E
  std::vector<Visit> earlier;      // presets opened, run and left with MAIN before
  Visit preset;                    // clicked before START
  std::function<void(Program&)> act;     // in the calculation window
  std::function<void(Program&)> expect;
};

TEST(WindowsKeepTheirWord, AsAUserTriesThem) {
  const QLocale previous;
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  const Row rows[] = {
      {"typing 1,5 keeps every key, marks the field in the window language and starts nothing",
       2, {}, {vc::Projectile, 0},
       [](Program& p) {
         Type(p.form2->edH0, "1,5");
         EXPECT_TRUE(p.sink.messages.empty()) << "a box while typing takes the next key";
         RunInWindow(p);
       },
       [](Program& p) {
         EXPECT_EQ(p.form2->edH0->text().toStdString(), "1,5");
         EXPECT_TRUE(Has(p.form2->edH0->toolTip(), "\"1,5\" ist keine Zahl"))
             << p.form2->edH0->toolTip().toStdString();
         ASSERT_EQ(p.sink.messages.size(), 1u) << "START names the field";
         EXPECT_TRUE(Has(p.sink.messages[0],
                         "\"1,5\" ist keine Zahl. Die Rechnung wurde nicht gestartet."))
             << p.sink.messages[0].toStdString();
       }},
      {"typing 1e308 keeps every key", 1, {}, {vc::Projectile, 0},
       [](Program& p) { Type(p.form2->edMassaStart, "1e308"); },
       [](Program& p) {
         EXPECT_EQ(p.form2->edMassaStart->text().toStdString(), "1e308");
         EXPECT_TRUE(p.form2->edMassaStart->toolTip().isEmpty());
         EXPECT_EQ(p.form2->inputs().MassaStart, 1e308);
         EXPECT_EQ(Messages(p), std::vector<std::string>{});
         // No vehicle has that mass: START names the field and its range, and runs nothing.
         RunInWindow(p);
         ASSERT_EQ(p.sink.messages.size(), 1u);
         EXPECT_TRUE(Has(p.sink.messages[0], "m0, кг")) << p.sink.messages[0].toStdString();
         EXPECT_TRUE(Has(p.sink.messages[0], "от 1e-06 до 1e+12")) << p.sink.messages[0].toStdString();
         EXPECT_FALSE(p.form2->chartShown());
       }},
      {"a glider at a step of 500 s is reported as diverged, not drawn as a flight",
       2, {}, {vc::Glider, 0},
       [](Program& p) {
         Type(p.form2->eddt0, "500");
         RunInWindow(p);
       },
       [](Program& p) {
         ASSERT_EQ(p.sink.messages.size(), 1u);
         EXPECT_TRUE(Has(p.sink.messages[0], "t = 1000 s")) << p.sink.messages[0].toStdString();
         EXPECT_TRUE(Has(p.sink.messages[0], "Schritt zu groß")) << p.sink.messages[0].toStdString();
         EXPECT_FALSE(p.form2->chartShown());
       }},
      {"an unwritable Zarv_500.txt still shows the run, with this class's chart buttons only",
       3, {{vc::Reentry, 1}}, {vc::Projectile, 0},
       [](Program& p) {
         // A folder in the result file's place: the earlier run's file cannot be replaced.
         std::filesystem::remove("Zarv_500.txt");
         std::filesystem::create_directory("Zarv_500.txt");
         RunInWindow(p);
       },
       [](Program& p) {
         ASSERT_EQ(p.sink.messages.size(), 1u);
         EXPECT_TRUE(Has(p.sink.messages[0], "Zarv_500.txt\": it is a folder"))
             << p.sink.messages[0].toStdString();
         EXPECT_TRUE(p.form2->chartShown()) << "the run is shown";
         for (QPushButton* lift : {p.form2->ButtonCya, p.form2->Button6, p.form2->Button11})
           EXPECT_TRUE(lift->isHidden()) << lift->objectName().toStdString() << " of the capsule";
         QPushButton* range = p.form2->Button9;
         EXPECT_EQ(p.form2->childAt(range->geometry().center()), range)
             << "the buttons are offered";
       }},
      {"Esc leaves a note that the run was cancelled and which run the chart shows",
       3, {}, {vc::Rocket, 0},
       [](Program& p) {
         RunInWindow(p);
         Type(p.form2->eddt0, "0.001");
         // The run lasts until it is cancelled.
         p.form2->setRunProgressHook([](double, const std::atomic<bool>& cancel) {
           if (QThread::currentThread() != QCoreApplication::instance()->thread())
             cancel.wait(false);
         });
         ClickButton(p.form2.get(), p.form2->Button1);
         ASSERT_TRUE(p.form2->running());
         QTest::keyClick(p.form2.get(), Qt::Key_Escape);
         WaitForRun(*p.form2);
       },
       [](Program& p) {
         EXPECT_EQ(Messages(p), std::vector<std::string>{});
         EXPECT_TRUE(p.form2->chartShown());
         EXPECT_EQ(p.form2->eddt0->text().toStdString(), "0.001") << "the new step stays typed";
         ASSERT_FALSE(p.form2->RunNote->isHidden()) << "the cancel is not silent";
         EXPECT_EQ(p.form2->RunNote->text().toStdString(),
                   "The run was cancelled. The chart shows the previous run: Launcher V-2");
         p.form2->setRunProgressHook({});
         ClickButton(p.form2.get(), p.form2->Button1);
         WaitForRun(*p.form2);
         EXPECT_TRUE(p.form2->RunNote->isHidden()) << "the next run takes the note away";
       }},
      {"closing the window by its title bar returns to the start window as MAIN does",
       3, {}, {vc::Parachute, 0},
       [](Program& p) {
         RunInWindow(p);
         // As the window system sends it: to the platform window, not through close().
         QCloseEvent titleBarClose;
         QCoreApplication::sendEvent(p.form2->windowHandle(), &titleBarClose);
       },
       [](Program& p) {
         TForm1& f = *p.form1;
         EXPECT_FALSE(p.form2->isVisible());
         EXPECT_FALSE(p.form2->chartShown()) << "the chart is blanked as by MAIN";
         for (QWidget* shown : std::initializer_list<QWidget*>{&f, f.RadioSprach, f.Image1})
           EXPECT_TRUE(shown->isVisible()) << shown->objectName().toStdString();
         EXPECT_EQ(CheckedItems(f.RadioSprach), 0);
       }},
      {"START after an empty preset row asks for a preset instead of opening the last one",
       2, {{vc::Rocket, 0}}, {vc::Projectile, 9},
       [](Program&) {},
       [](Program& p) {
         EXPECT_FALSE(p.form2->isVisible());
         EXPECT_EQ(Messages(p), std::vector<std::string>{
                                    "Wählen Sie zuerst ein Beispiel dieser Klasse aus der Liste."});
         EXPECT_TRUE(p.form1->ListBoxProjectil->isVisible()) << "the list stays to choose from";
         EXPECT_EQ(p.record[sf::VehicleClass], vc::Rocket);
       }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString home = QDir::currentPath();
    QDir::setCurrent(dir.path());
    {
      Program p;
      for (const Visit& visit : row.earlier) {
        ChoosePreset(p, row.language, visit.vehicleClass, visit.row);
        RunInWindow(p);
        ClickButton(p.form2.get(), p.form2->Button5);  // MAIN
        QCoreApplication::processEvents();
      }
      p.sink.messages.clear();
      ChoosePreset(p, row.language, row.preset.vehicleClass, row.preset.row);
      row.act(p);
      row.expect(p);
    }
    QDir::setCurrent(home);
  }
  QLocale::setDefault(previous);
}

}  // namespace
}  // namespace zarv

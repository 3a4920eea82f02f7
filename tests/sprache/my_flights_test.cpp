// The user's own flights through the start window: listed by class, opened by START or a
// drop, and kept from being lost when the program ends.
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

#include <gtest/gtest.h>

#include "haupt/flight_folder.h"
#include "program_fixture.h"
#include "scenario/flight_file.h"
#include "scenario/presets.h"
#include "sprache/my_flights.h"

namespace zarv {
namespace {

// Flights in the data folder (the test's own, see test_main.cpp), removed afterwards.
class MyFlightsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(QDir().mkpath(FlightFolder())); }
  void TearDown() override { QDir(FlightFolder()).removeRecursively(); }

  static QString Put(const char* file, int vehicleClass, int item, double startMass) {
    Scenario record;
    ApplyPreset(record, vehicleClass, item);
    Calculation calculation;
    calculation.Load(record);
    Flight flight = FlightOf(calculation, RunSettings{});
    flight.name = "mine";
    flight.inputs.MassaStart = startMass;
    const QString path = FlightFolder() + QLatin1Char('/') + QString::fromLatin1(file);
    EXPECT_TRUE(WriteFlightFile(QFile::encodeName(path).toStdString(), flight).ok);
    return path;
  }
};

TEST_F(MyFlightsTest, ListTheClassOwnFlightsAboveItsPresetsAndStartOpensTheChosen) {
  Put("heavy.zarv", 8, 0, 13000);
  Put("light.zarv", 8, 0, 12000);
  Put("ball.zarv", 1, 2, 0.45);
  QFile junk(FlightFolder() + QStringLiteral("/junk.zarv"));
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write("class = \"rocket\"\n");
  junk.close();

  Program p;
  TForm1& f = *p.form1;
  ChooseLanguage(f, 3);
  ChooseClass(f, 3, vc::Rocket);
  QListWidget* mine = f.myFlights->list;
  ASSERT_TRUE(mine->isVisible());
  ASSERT_EQ(mine->count(), 2) << "the rocket flights, not the ball nor the broken file";
  EXPECT_EQ(mine->item(0)->text().toStdString(), "heavy – mine");
  EXPECT_EQ(f.myFlights->caption->text().toStdString(), "My flights");
  EXPECT_LT(mine->geometry().bottom(), f.ListBoxLauncher->geometry().top()) << "above the presets";

  // One choice at a time, whichever came last.
  ClickRow(&f, mine, 1);
  ClickRow(&f, f.ListBoxLauncher, 2);
  EXPECT_TRUE(f.myFlights->chosen().isEmpty());
  ClickRow(&f, mine, 0);
  EXPECT_TRUE(f.ListBoxLauncher->selectedItems().isEmpty());
  ClickButton(&f, f.BitBtn1);

  TForm2& calc = *p.form2;
  ASSERT_TRUE(calc.isVisible());
  EXPECT_EQ(calc.windowTitle().toStdString(), "heavy.zarv – ZARV vers 1.17 Beta");
  EXPECT_EQ(calc.edMassaStart->text().toStdString(), "13000");
  EXPECT_EQ(calc.WindowLanguage, Language::English);
  EXPECT_FALSE(mine->isVisible());
  EXPECT_TRUE(p.sink.messages.empty());

  // Ending the program from the start window asks about the changes too, and may stay.
  calc.edMassaStart->setText(QStringLiteral("13500"));
  bool ended = false;
  QObject::connect(&f, &TForm1::closed, [&] { ended = true; });
  p.sink.saveAnswer = SaveAnswer::Cancel;
  f.close();
  EXPECT_EQ(p.sink.questions.size(), 1u);
  EXPECT_FALSE(ended);
  EXPECT_TRUE(calc.isVisible());
}

TEST_F(MyFlightsTest, AFlightDroppedOnTheStartWindowOpensInTheCalculationWindow) {
  const QString path = Put("dropped.zarv", 1, 2, 0.45);
  Program p;
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(path)});
  QWidget* target = p.form1->Image1;
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &enter);
  QDropEvent drop(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &drop);
  QCoreApplication::processEvents();
  ASSERT_TRUE(p.form2->isVisible());
  EXPECT_EQ(p.form2->windowTitle().toStdString(), "dropped.zarv – ZARV vers 1.17 Beta");
  EXPECT_EQ(p.form2->WindowClass, VehicleClass::Projectile);
}

}  // namespace
}  // namespace zarv

// Renders flight files in both windows in each language: "My flights" in the start window,
// the calculation window with a flight open and changed, its Extras menu with the recent
// flights, and the question on leaving: render_flights OUTPUT_DIR. Prints the titles.
#include <cstdio>
#include <memory>
#include <optional>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>

#include "haupt/chart_results.h"
#include "haupt/flight_commands.h"
#include "haupt/flight_folder.h"
#include "haupt/haupt.h"
#include "scenario/flight_file.h"
#include "scenario/presets.h"
#include "sprache/my_flights.h"
#include "sprache/sprache.h"
#include "support/render_program.h"

namespace {

// Keeps the question for the picture and keeps the window open.
class QuestionSink : public zarv::testing::PrintingSink {
 public:
  zarv::SaveAnswer AskToSave(const zarv::SaveQuestion& question) override {
    asked = question;
    return zarv::SaveAnswer::Cancel;
  }
  std::optional<zarv::SaveQuestion> asked;
};

void SaveFlight(int vehicleClass, int item, const char* file, const char* name, const char* notes,
                double startMass) {
  zarv::Scenario record;
  zarv::ApplyPreset(record, vehicleClass, item);
  zarv::Calculation calculation;
  calculation.Load(record);
  zarv::Flight flight = zarv::FlightOf(calculation, zarv::RunSettings{});
  flight.name = name;
  flight.notes = notes;
  flight.inputs.MassaStart = startMass;
  const QString path = zarv::FlightFolder() + QLatin1Char('/') + QString::fromLatin1(file);
  zarv::WriteFlightFile(QFile::encodeName(path).toStdString(), flight);
}

}  // namespace

int main(int argc, char** argv) {
  const zarv::testing::RenderProgram program(argc, argv);
  const std::optional<QDir> found = program.Output(argc, argv);
  if (!found) return 2;
  const QDir& output = *found;
  QDir().mkpath(zarv::FlightFolder());
  SaveFlight(8, 0, "v2_heavier.zarv", "Launcher V-2", "", 13000);
  SaveFlight(8, 1, "club_model.zarv", "Club model, second stage", "Flown on 3 May.", 11);

  int failures = 0;
  const auto save = [&](const QPixmap& shot, const QString& name) {
    failures += !zarv::testing::SavePicture(shot, output, name);
  };
  for (int language = 1; language <= 3; ++language) {
    const QString tag = QString::fromLatin1(zarv::testing::kLanguageNames[language]);
    zarv::Scenario record;
    QuestionSink sink;
    zarv::TForm1 start(record, sink);
    zarv::TForm2 window(record, sink);
    start.setCalcWindow(&window);
    start.show();
    zarv::TForm1::Item(start.RadioSprach, language - 1)->click();
    QGroupBox* classes = language == 1 ? start.WahlRU : language == 2 ? start.RadioWahl : start.WahlEN;
    zarv::TForm1::Item(classes, 7)->click();
    QCoreApplication::processEvents();
    save(start.grab(), QStringLiteral("flights_start_%1.png").arg(tag));

    start.myFlights->list->setCurrentRow(1);
    start.BitBtn1Click();
    window.findChild<QLineEdit*>(QStringLiteral("EdSchub"))->setText(QStringLiteral("310000"));
    QCoreApplication::processEvents();
    std::printf("title %s: %s\n", qPrintable(tag), window.windowTitle().toUtf8().constData());
    save(window.grab(), QStringLiteral("flights_window_%1.png").arg(tag));

    window.ButtonExtrasClick();
    QMenu* extras = window.results().extrasMenu();
    QCoreApplication::processEvents();
    save(extras->grab(), QStringLiteral("flights_menu_%1.png").arg(tag));
    QMenu* recent = extras->actions().back()->menu();
    recent->popup(extras->mapToGlobal(QPoint(extras->width(), 0)));
    QCoreApplication::processEvents();
    save(recent->grab(), QStringLiteral("flights_recent_%1.png").arg(tag));
    recent->hide();
    extras->hide();

    window.Button5Click();
    if (!sink.asked) {
      std::fprintf(stderr, "MAIN asked nothing\n");
      ++failures;
      continue;
    }
    const std::unique_ptr<QMessageBox> box = zarv::MakeSaveQuestionBox(*sink.asked, &window);
    box->show();
    QCoreApplication::processEvents();
    save(box->grab(), QStringLiteral("flights_question_%1.png").arg(tag));
  }
  return failures == 0 ? 0 : 1;
}

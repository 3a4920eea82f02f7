// Flight files in the calculation window: open, save, the title and the question on leaving.
#include <QCoreApplication>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include "haupt/chart_results.h"
#include "haupt/flight_commands.h"
#include "haupt/haupt_fixture.h"
#include "haupt/trust_commands.h"
#include "scenario/flight_file.h"
#include "support/scratch_dir.h"

namespace zarv {
namespace {


class FlightWindowTest : public HauptTest {
 protected:
  // A preset's flight as a file in the test's folder, changed by `change`.
  QString Write(const char* name, int vehicleClass, int item, const std::function<void(Flight&)>& change = {}) {
    Scenario record;
    ApplyPreset(record, vehicleClass, item);
    Calculation calculation;
    calculation.Load(record);
    Flight flight = FlightOf(calculation, RunSettings{});
    flight.name = "mine";
    flight.notes = "kept as written";
    if (change) change(flight);
    const QString path = dir_.filePath(QString::fromLatin1(name));
    EXPECT_TRUE(WriteFlightFile(QFile::encodeName(path).toStdString(), flight).ok);
    return path;
  }
  // The file the window shows, with the language chosen in the start window.
  void OpenFile(const QString& path, int language = kEnglish) {
    record_[sf::Language] = language;
    ASSERT_TRUE(window_->OpenFlight(path)) << (sink_.messages.empty() ? "" : sink_.messages.back());
  }
  std::string Title() const { return window_->windowTitle().toStdString(); }
};

TEST_F(FlightWindowTest, LeavingWithUnsavedChangesAsksOnceAndDoesAsAnswered) {
  enum class Leave { Main, Quit, Close };
  struct Case {
    Leave leave;
    SaveAnswer answer;
    bool stays;
    bool written;
  };
  const Case cases[] = {
      {Leave::Main, SaveAnswer::Save, false, true},     {Leave::Main, SaveAnswer::Discard, false, false},
      {Leave::Main, SaveAnswer::Cancel, true, false},   {Leave::Quit, SaveAnswer::Save, false, true},
      {Leave::Quit, SaveAnswer::Discard, false, false}, {Leave::Quit, SaveAnswer::Cancel, true, false},
      {Leave::Close, SaveAnswer::Save, false, true},    {Leave::Close, SaveAnswer::Discard, false, false},
      {Leave::Close, SaveAnswer::Cancel, true, false},
  };
  for (const Case& c : cases) {
    const std::string what = "leave " + std::to_string(static_cast<int>(c.leave)) + ", answer " +
                             std::to_string(static_cast<int>(c.answer));
    window_ = std::make_unique<TForm2>(record_, sink_);
    const QString path = Write("v2.zarv", 8, 0);
    OpenFile(path, kGerman);
    const QSignalSpy main(window_.get(), &TForm2::mainRequested);
    const QSignalSpy quit(window_.get(), &TForm2::quitRequested);
    sink_.questions.clear();
    sink_.saveAnswer = c.answer;
    window_->EdSchub->setText(QStringLiteral("310000"));
    ASSERT_EQ(Title(), "v2.zarv* – ZARV vers 1.17 Beta") << what;

    if (c.leave == Leave::Main) window_->Button5Click();
    if (c.leave == Leave::Quit) window_->Button16Click();
    if (c.leave == Leave::Close) window_->close();

    ASSERT_EQ(sink_.questions.size(), 1u) << what;
    const SaveQuestion& asked = sink_.questions.front();
    EXPECT_EQ(asked.text.toStdString(), "Der Flug „v2.zarv“ wurde geändert. Änderungen speichern?") << what;
    EXPECT_EQ(asked.save.toStdString() + "/" + asked.discard.toStdString() + "/" + asked.cancel.toStdString(),
              "Speichern/Verwerfen/Abbrechen");
    EXPECT_EQ(window_->isVisible(), c.stays) << what;
    EXPECT_EQ(main.count(), c.leave == Leave::Main && !c.stays ? 1 : 0) << what;
    EXPECT_EQ(quit.count(), c.leave == Leave::Quit && !c.stays ? 1 : 0) << what;
    const std::string file = testing::ReadFile(QFile::encodeName(path).toStdString());
    EXPECT_EQ(file.find("Schub = 310000.0") != std::string::npos, c.written) << what << "\n" << file;
    EXPECT_TRUE(file.find("notes = \"kept as written\"") != std::string::npos) << what;
  }
  // Nothing changed: nothing to ask.
  window_ = std::make_unique<TForm2>(record_, sink_);
  OpenFile(Write("v2.zarv", 8, 0));
  sink_.questions.clear();
  window_->Button5Click();
  EXPECT_TRUE(sink_.questions.empty());
  EXPECT_FALSE(window_->isVisible());
  EXPECT_TRUE(sink_.messages.empty()) << sink_.messages.front();
}

TEST_F(FlightWindowTest, AnOpenedFlightRunsAsItsFileSaysAndSavesWhatTheFieldsShow) {
  // A balloon keeps two inputs the record has no place for, and the round Earth.
  const QString path = Write("balloon.zarv", 3, 1, [](Flight& f) {
    f.inputs.Auftriebplus = 3.0;
    f.inputs.Gasverlust = 10.0;
    f.run.earth = EarthModel::Round;
    f.run.integrator = Integrator::Rk4;
  });
  OpenFile(path);
  EXPECT_EQ(Title(), "balloon.zarv – ZARV vers 1.17 Beta");
  EXPECT_EQ(window_->trust().earthModel(), EarthModel::Round);
  EXPECT_EQ(window_->trust().integrator(), Integrator::Rk4);
  Start();
  const FlightRead read = ReadFlightFile(QFile::encodeName(path).toStdString());
  Calculation byFile;
  ApplyFlight(std::get<Flight>(read), byFile);
  ASSERT_FALSE(byFile.Run());
  EXPECT_EQ(testing::ReadFile(ResultFile()), FormatResultFile(byFile.log()))
      << "the window runs otherwise than zarv-run --flight";

  // Save writes the fields, keeps the file's name and notes, and clears the mark.
  window_->EdGasverlust->setText(QStringLiteral("12"));
  EXPECT_EQ(Title(), "balloon.zarv* – ZARV vers 1.17 Beta");
  ASSERT_TRUE(window_->flights().Save());
  EXPECT_EQ(Title(), "balloon.zarv – ZARV vers 1.17 Beta");
  const std::string saved = testing::ReadFile(QFile::encodeName(path).toStdString());
  for (const char* line : {"Gasverlust = 12.0", "Auftriebplus = 3.0", "earth = \"round\"", "integrator = \"rk4\"",
                           "name = \"mine\"",
                           "notes = \"kept as written\"", "class = \"balloon\""}) {
    EXPECT_NE(saved.find(line), std::string::npos) << line << "\n" << saved;
  }
  // Set up again from the record (a return from the start window): still that file, as saved.
  window_->FormAktivate();
  EXPECT_EQ(Title(), "balloon.zarv – ZARV vers 1.17 Beta");
  EXPECT_EQ(window_->inputs().Gasverlust, 12.0);
  EXPECT_EQ(window_->flights().recent().list().front(), QFileInfo(path).absoluteFilePath());

  // Save as from a preset names a new file in the folder the dialog was given.
  window_ = std::make_unique<TForm2>(record_, sink_);
  Open(vc::Rocket, 0, kEnglish);
  EXPECT_EQ(Title(), "  ZARV vers 1.17 Beta  ");
  QString suggested;
  window_->flights().setSavePathAsker([&](QWidget*, const QString&, const QString& proposal, const QString&) {
    suggested = proposal;
    return dir_.filePath(QStringLiteral("copy"));
  });
  window_->EdMt->setText(QStringLiteral("8000"));
  EXPECT_EQ(Title(), "*ZARV vers 1.17 Beta");
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  QTest::keySequence(window_.get(), QKeySequence(QStringLiteral("Ctrl+S")));
  EXPECT_TRUE(suggested.endsWith(QStringLiteral("/zarv/flights/Launcher V-2.zarv"))) << suggested.toStdString();
  const std::string copy = testing::ReadFile(dir_.filePath(QStringLiteral("copy.zarv")).toStdString());
  EXPECT_NE(copy.find("preset = \"8:0\""), std::string::npos) << copy;
  EXPECT_NE(copy.find("Mt = 8000.0"), std::string::npos) << copy;
  EXPECT_EQ(Title(), "copy.zarv – ZARV vers 1.17 Beta");

  // The recent flights outlive the window; the one before opens from the Extras menu.
  window_ = std::make_unique<TForm2>(record_, sink_);
  Open(vc::Rocket, 0, kEnglish);
  QMenu menu;
  window_->results().FillMenu(menu);
  QMenu* recent = menu.actions().back()->menu();
  ASSERT_NE(recent, nullptr);
  ASSERT_EQ(recent->actions().size(), 2);
  recent->actions()[1]->trigger();
  EXPECT_EQ(Title(), "balloon.zarv – ZARV vers 1.17 Beta");
  EXPECT_EQ(window_->inputs().Gasverlust, 12.0);
}

TEST_F(FlightWindowTest, AFileThatCannotBeOpenedChangesNothing) {
  OpenFile(Write("v2.zarv", 8, 0));
  const QString broken = dir_.filePath(QStringLiteral("broken.zarv"));
  {
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("format = 1\nclass = \"rocket\"\n[inputs]\ndrag = \"a4\"\nH0 = -\n");
  }
  struct Case {
    QString path;
    const char* message;
  };
  const Case cases[] = {
      {dir_.filePath(QStringLiteral("missing.zarv")), "missing.zarv: cannot read the flight file"},
      {broken, "broken.zarv, line 5: not a TOML file"},
  };
  for (const Case& c : cases) {
    sink_.messages.clear();
    EXPECT_FALSE(window_->OpenFlight(c.path)) << c.message;
    ASSERT_EQ(sink_.messages.size(), 1u) << c.message;
    EXPECT_NE(sink_.messages.front().find(c.message), std::string::npos) << sink_.messages.front();
    EXPECT_EQ(Title(), "v2.zarv – ZARV vers 1.17 Beta") << c.message;
    EXPECT_EQ(window_->WindowClass, VehicleClass::Rocket) << c.message;
    EXPECT_TRUE(Shown("EdSchub")) << c.message;
  }
  EXPECT_TRUE(sink_.questions.empty());
}

TEST_F(FlightWindowTest, AFlightDroppedOnAFieldOpensInsteadOfBecomingItsText) {
  Open(vc::Rocket, 0, kEnglish);
  const QString path = Write("drop.zarv", 1, 2);
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(path)});
  data.setText(path);
  const QPoint at = window_->EdSchub->rect().center();
  QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(window_->EdSchub, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(window_->EdSchub, &drop);
  QCoreApplication::processEvents();
  EXPECT_EQ(window_->WindowClass, VehicleClass::Projectile);
  EXPECT_EQ(Title(), "drop.zarv – ZARV vers 1.17 Beta");
  EXPECT_FALSE(Shown("EdSchub")) << "the rocket's fields go with the rocket";
  EXPECT_EQ(Text("edMassaStart"), "0.41");
}

}  // namespace
}  // namespace zarv

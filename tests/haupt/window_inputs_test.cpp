// What the window runs is what it shows: activation through the one record mapping,
// START reading every shown field, messages naming inputs by their captions.
#include <bit>
#include <cstdint>
#include <fstream>
#include <string>

#include <QDialogButtonBox>
#include <QLocale>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include "haupt_fixture.h"
#include "scenario/calculation.h"
#include "trajectory/file_writer.h"
#include "trajectory/run_inputs.h"

namespace zarv {
namespace {

TEST_F(HauptTest, ActivationGivesEveryPresetTheInputsOfTheOneMapping) {
  Calculation reference;
  int presets = 0;
  for (int vehicleClass = 1; vehicleClass <= 8; ++vehicleClass) {
    const PresetList* list = FindPresetList(vehicleClass);
    if (!list) continue;
    for (int item = 0; item < static_cast<int>(list->items.size()); ++item) {
      // Empty lines of a list write nothing: the record stays that of the item before.
      ApplyPreset(record_, vehicleClass, item);
      record_[sf::Language] = 1 + (item % 3);
      window_->FormAktivate();
      reference.Load(record_);
      RunInputs shown = window_->inputs();
      RunInputs loaded = reference.inputs();
      for (const char* name : kRunInputNames) {
        EXPECT_EQ(std::bit_cast<std::uint64_t>(*RunInputByName(shown, name)),
                  std::bit_cast<std::uint64_t>(*RunInputByName(loaded, name)))
            << name << " of class " << vehicleClass << " item " << item << ": window "
            << *RunInputByName(shown, name) << ", record mapping " << *RunInputByName(loaded, name);
      }
      EXPECT_EQ(window_->WindowClass, reference.vehicleClass());
      EXPECT_EQ(window_->WindowLanguage, LanguageFromRecord(record_[sf::Language]));
      ++presets;
    }
  }
  EXPECT_GT(presets, 30);
  EXPECT_TRUE(sink_.messages.empty()) << sink_.messages.front();
}

// Typed key by key, as a user types; the handlers' per-keystroke messages are not the point.
void Type(QLineEdit* field, const char* text) {
  field->selectAll();
  QTest::keyClick(field, Qt::Key_Delete);
  QTest::keyClicks(field, QString::fromUtf8(text));
}

TEST_F(HauptTest, StartRunsOnlyWhatEveryShownFieldSays) {
  struct Case {
    QLocale::Language locale;
    int language;
    const char* field;
    const char* typed;
    const char* caption;  // nullptr: the text is a number and the run takes it
    double runs;          // the input the run takes
  };
  const Case cases[] = {
      {QLocale::German,  kGerman,  "eddt0",        "0.5",   "Integrationsschritt, s", 0},
      {QLocale::German,  kGerman,  "edMassaStart", "1.000", "Gewicht, mo,kg",         0},
      {QLocale::English, kEnglish, "edH0",         "1e400", "altitude,Ho,m",          0},
      {QLocale::English, kRussian, "edV0",         "",      "Скорость,Vo,м/c",        0},
      {QLocale::German,  kGerman,  "eddt0",        "0,005", nullptr,                  0.005},
  };
  const QLocale previous;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.field) + " '" + c.typed + "'");
    QLocale::setDefault(QLocale(c.locale));
    window_ = std::make_unique<TForm2>(record_, sink_);
    Open(vc::Projectile, 0, c.language);
    auto* field = Get<QLineEdit>(c.field);
    Type(field, c.typed);
    sink_.messages.clear();
    Start();
    if (c.caption) {
      ASSERT_EQ(sink_.messages.size(), 1u);
      EXPECT_NE(sink_.messages[0].find(std::string("\"") + c.caption + "\""), std::string::npos)
          << "the message names the field by its caption: " << sink_.messages[0];
      EXPECT_EQ(window_->focusWidget(), field) << "the focus goes to the field";
      EXPECT_EQ(window_->log().CurveCount, 0) << "no run";
      EXPECT_FALSE(std::filesystem::exists(ResultFile()));
    } else {
      EXPECT_TRUE(sink_.messages.empty()) << sink_.messages.front();
      EXPECT_EQ(window_->inputs().dt0, c.runs);
      EXPECT_TRUE(std::filesystem::exists(ResultFile()));
    }
  }
  QLocale::setDefault(previous);
}

TEST_F(HauptTest, RefusedInputIsNamedByItsCaptionInTheWindowLanguage) {
  struct Case {
    int vehicleClass, language;
    const char* field;
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {vc::Projectile, kEnglish, "eddt0", "0",
       "Invalid input \"step of integration, s\": the value must be greater than 0."},
      {vc::Projectile, kGerman, "edTk", "-1",
       "Ungültige Eingabe \"Zeit, s\": der Wert muss größer als 0 sein."},
      {vc::Rocket, kRussian, "EdMt", "1e9",
       "Неверный ввод \"mt,kg\", \"Тяга,P,N\", \"Iуд,N*s/kg\", \"t интегр.,с\": масса топлива "
       "вместе с расходом за один шаг должна быть меньше стартовой массы."},
  };
  for (const Case& c : cases) {
    window_ = std::make_unique<TForm2>(record_, sink_);
    Open(c.vehicleClass, 0, c.language);
    Get<QLineEdit>(c.field)->setText(QString::fromLatin1(c.text));
    sink_.messages.clear();
    Start();
    EXPECT_EQ(sink_.messages, std::vector<std::string>{c.message}) << c.field;
  }
}

TEST_F(HauptTest, QtDialogsSpeakTheWindowLanguage) {
  const std::pair<int, const char*> cases[] = {
      {kGerman, "Abbrechen"}, {kEnglish, "Cancel"}, {kRussian, "Отмена"}, {kEnglish, "Cancel"}};
  for (const auto& [language, cancel] : cases) {
    Open(vc::Projectile, 0, language);
    EXPECT_EQ(window_->dialogTranslation(), language != kEnglish) << "language " << language;
    const QDialogButtonBox box(QDialogButtonBox::Cancel);
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&')).toStdString(),
              cancel)
        << "language " << language;
  }
}

TEST_F(HauptTest, GliderSpeedIsShownForGlidersOnly) {
  const int classes[] = {vc::Glider, vc::Projectile, vc::Glider, vc::Rocket, vc::Balloon};
  for (int vehicleClass : classes) {
    Open(vehicleClass, 0, kEnglish);
    EXPECT_EQ(Shown("EdiVopt"), vehicleClass == vc::Glider) << "class " << vehicleClass;
  }
}

TEST_F(HauptTest, PictureCommandsNeedAShownChart) {
  const auto enabled = [this] {
    std::unique_ptr<QMenu> menu(window_->makeChartMenu(window_.get()));
    return menu->actions()[0]->isEnabled() && menu->actions()[1]->isEnabled();
  };
  Open(vc::Projectile, 0, kEnglish);
  EXPECT_FALSE(enabled()) << "before the first run";
  Start();
  EXPECT_TRUE(enabled()) << "with the chart of the run";
  window_->Button5Click();
  Open(vc::Projectile, 0, kEnglish);
  EXPECT_FALSE(enabled()) << "MAIN blanked the chart";
}

TEST_F(HauptTest, FailedPictureSaveSaysWhyInTheWindowLanguage) {
  Open(vc::Projectile, 0, kGerman);
  Start();
  const std::string path = (std::filesystem::path(dir_.path().toStdString()) / "no" / "chart.png").string();
  window_->setSavePathAsker([&path](QWidget*, const QString&, const QString&) {
    return QString::fromStdString(path);
  });
  sink_.messages.clear();
  window_->SaveChartPicture();
  ASSERT_FALSE(WriteWholeFile(path, "x").ok);
  EXPECT_EQ(sink_.messages, std::vector<std::string>{"Die Datei \"" + path +
                                                     "\" kann nicht geschrieben werden: "
                                                     "der Ordner existiert nicht"});
}

}  // namespace
}  // namespace zarv

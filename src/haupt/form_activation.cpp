// Set-up from the scenario record on every activation: which fields, labels and
// pictures the class needs, the captions of the language and the derived display values.
#include <cmath>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "charts/chart_catalogue.h"
#include "flight_model/constants.h"
#include "flight_model/standard_atmosphere.h"
#include "haupt/chart_results.h"
#include "haupt/field_text.h"
#include "haupt/form_widgets.h"
#include "haupt/haupt.h"
#include "haupt/window_texts.h"
#include "scenario/program_info.h"

namespace zarv {

namespace {

constexpr int kLabelWidth = 111;  // px, every caption of the input column

double SeaLevelDensity() {
  double temperature = 0, pressure = 0, speedOfSound = 0, density = 0, viscosity = 0;
  StandardAtmosphere(0.0, temperature, pressure, speedOfSound, density, viscosity);
  return density;
}

}  // namespace

void TForm2::ShowAeroFields() {
  const bool constant = inputs_.AeroModel == 0.0;
  for (QWidget* widget : {static_cast<QWidget*>(EdCx), static_cast<QWidget*>(EdCy),
                          static_cast<QWidget*>(Label13), static_cast<QWidget*>(Label11)})
    widget->setVisible(constant);
}

void TForm2::FormAktivate() {
  const Scenario& r = record_;
  const VehicleClass vehicleClass = VehicleClassFromRecord(r[sf::VehicleClass]);
  const bool balloon = vehicleClass == VehicleClass::Balloon;

  WindowLanguage = static_cast<int>(std::lround(r[sf::Language]));
  AerostatLatch = 0;
  setWindowTitle(QString::fromUtf8(kBanner));
  for (QLabel* label : {Label18, Label20, Label8, Label9, Label7, Label10, Label14, Label25,
                        Label3, Label2, Label23, Label27, Label28, Label6, Label22, Label24,
                        Label26}) {
    label->resize(kLabelWidth, label->height());
  }
  if (vehicleClass == VehicleClass::Balloon || vehicleClass == VehicleClass::Airship) AerostatLatch = 1;

  inputs_.AeroModel = r[sf::AeroModel];
  for (int item = 0; item < AeroBox1->count(); ++item) {
    if (inputs_.AeroModel == item) {
      const QSignalBlocker quiet(AeroBox1);
      AeroBox1->setCurrentIndex(item);
    }
  }
  ShowAeroFields();

  inputs_.MassaStart = r[sf::MassaStart];
  PutNumber(edMassaStart, r[sf::MassaStart]);
  inputs_.H0 = r[sf::H0];
  PutNumber(edH0, r[sf::H0]);
  inputs_.V0 = r[sf::V0];
  PutNumber(edV0, r[sf::V0]);

  if (vehicleClass == VehicleClass::Reentry) {
    inputs_.RSAT = r[sf::RSAT];
    EdRSAT->move(128, 50);
    Label26->move(16, 50);
    PutNumber(EdRSAT, r[sf::RSAT]);
  }

  Volumen_Start->setText(QStringLiteral("100000"));

  inputs_.MassaStart = r[sf::MassaStart];
  PutNumber(edMassaStart, r[sf::MassaStart]);
  inputs_.S0 = r[sf::S0];
  PutNumber(EdS0, r[sf::S0]);
  inputs_.Cx = r[sf::Cx];
  PutNumber(EdCx, r[sf::Cx]);
  inputs_.Cy = r[sf::Cy];
  PutNumber(EdCy, r[sf::Cy]);
  inputs_.TTO = r[sf::TTO];
  PutNumber(EdTTO, r[sf::TTO]);
  PutNumber(edTk, r[sf::Tk]);
  inputs_.Hk = r[sf::Hk];
  PutNumber(edHkk, r[sf::Hk]);
  inputs_.Vk = r[sf::Vk];
  PutNumber(edVk, r[sf::Vk]);
  PutNumber(eddt0, r[sf::dt0]);
  PutNumber(edVwind, r[sf::Vwind]);

  edVwind->show();
  Label7->show();

  inputs_.Auftriebplus = 1.0;
  PutNumber(EdAuftriebplus, 1.0);
  inputs_.Gasverlust = 4.4;
  PutNumber(EdGasverlust, 4.4);

  if (vehicleClass == VehicleClass::Projectile) Image8->show();
  if (vehicleClass == VehicleClass::Balloon || vehicleClass == VehicleClass::Airplane) Image5->show();
  if (vehicleClass == VehicleClass::Reentry) Image4->show();
  if (vehicleClass == VehicleClass::Rocket) Image6->show();

  if (vehicleClass == VehicleClass::Rocket) {
    EdMt->move(128, 30);
    EdMt->show();
    PutNumber(EdMt, r[sf::Mt]);
    Label23->move(12, 30);
    Label23->show();
    EdMdv->move(128, 55);
    PutNumber(EdMdv, r[sf::Mdv]);
    EdMdv->hide();
    Label22->move(12, 55);
    Label22->hide();
    EdIud->move(128, 80);
    EdIud->show();
    PutNumber(EdIud, r[sf::Iud]);
    Label6->move(12, 80);
    Label6->show();
    EdSchub->move(128, 105);
    EdSchub->show();
    PutNumber(EdSchub, r[sf::Schub]);
    Label24->move(12, 105);
    Label24->show();
    ButtonP->show();
    Image7->show();
  }

  if (vehicleClass == VehicleClass::Glider) {
    EdiVopt->show();
    double temperature = 0, pressure = 0, speedOfSound = 0, density = 0, viscosity = 0;
    StandardAtmosphere(inputs_.H0, temperature, pressure, speedOfSound, density, viscosity);
    const double lift = inputs_.Cy * density * inputs_.S0;
    Vopt = lift > 0.0 ? std::sqrt(2.0 * inputs_.MassaStart * kGravity / lift) : 0.0;
    EdiVopt->setText(lift > 0.0 ? FieldText(Vopt, locale_) : QString());
  }

  if (vehicleClass == VehicleClass::Reentry) {
    Label7->hide();
    edVwind->hide();
  }

  ApplyCaptions();
  Panel6->raise();

  if (balloon) {
    EdGasverlust->move(128, 90);
    EdGasverlust->show();
    Label28->move(12, 90);
    Label28->show();
    EdAuftriebplus->move(128, 110);
    EdAuftriebplus->show();
    Label27->move(12, 110);
    Label27->show();
    EdGas->show();
    Label18->show();
    if (LanguageFromRecord(WindowLanguage) == Language::English) SetCaption(Label18, QString::fromUtf8(kBalloonGasDensityEnglish));
    inputs_.GasDichte = r[sf::GasDichte];
    PutNumber(EdGas, r[sf::GasDichte]);
    EdHFlug->show();
    Label20->show();
    if (LanguageFromRecord(WindowLanguage) == Language::English) SetCaption(Label20, QString::fromUtf8(kBalloonFlightAltitudeEnglish));
    inputs_.HFlug = r[sf::HFlug];
    PutNumber(EdHFlug, r[sf::HFlug]);
    EdAuftriebplusChange();
    // A gas no lighter than air carries nothing; the run will refuse it with its reason.
    if (inputs_.GasDichte < SeaLevelDensity()) {
      Envelope = ComputeBalloonEnvelope(inputs_.MassaStart, inputs_.GasDichte);
      PutText(EdS0, FieldText4(Envelope.area, locale_));
      inputs_.S0 = Envelope.areaShown;
      Volumen_Start->setText(FieldText4(Envelope.volume, locale_));
    }
  }

  ShowWingLoading();

  if (r[sf::Cy] != 0.0) Button14->show();
  if (vehicleClass == VehicleClass::Reentry && FindChart("Button17")) Button17->show();

  Label7->hide();
  edVwind->hide();
}

void TForm2::ApplyCaptions() {
  for (const CaptionRow& row : CaptionTable()) {
    const char* text = CaptionFor(row, WindowLanguage);
    if (!text) continue;
    QWidget* control = findChild<QWidget*>(QString::fromLatin1(row.control));
    if (auto* label = qobject_cast<QLabel*>(control)) {
      SetCaption(label, QString::fromUtf8(text));
    } else if (auto* button = qobject_cast<QPushButton*>(control)) {
      button->setText(QString::fromUtf8(text));
      FitButton(button);
    }
  }
  const WindowTexts& texts = TextsFor(WindowLanguage);
  Memo1->setPlainText(QString::fromUtf8(texts.usageTerms));
  Memo2->setPlainText(QString::fromUtf8(texts.troubleshooting));
  results_->ApplyLanguage();
}

void TForm2::ShowWingLoading() {
  // No class or no area: nothing to divide, so the box stays empty.
  if (record_[sf::VehicleClass] == 0.0 || inputs_.S0 == 0.0) {
    WingLoading = 0.0;
    EdBelastung->clear();
    return;
  }
  WingLoading = inputs_.MassaStart / inputs_.S0;
  EdBelastung->setText(FieldText4(WingLoading, locale_));
}

}  // namespace zarv

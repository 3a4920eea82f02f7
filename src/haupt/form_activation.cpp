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
#include "trajectory/balloon_envelope.h"
#include "haupt/chart_results.h"
#include "haupt/field_text.h"
#include "haupt/flight_commands.h"
#include "haupt/form_widgets.h"
#include "haupt/haupt.h"
#include "haupt/window_texts.h"
#include "texts/form_captions.h"
#include "scenario/program_info.h"

namespace zarv {

namespace {

constexpr int kLabelWidth = 111;  // px, every caption of the input column

}  // namespace

void TForm2::ShowAeroFields(double aeroModel) {
  const bool constant = aeroModel == 0.0;
  for (QWidget* widget : {static_cast<QWidget*>(EdCx), static_cast<QWidget*>(EdCy),
                          static_cast<QWidget*>(Label13), static_cast<QWidget*>(Label11)})
    widget->setVisible(constant);
}

void TForm2::FormAktivate() {
  // The worker owns the calculation; the set-up follows when the run has ended.
  if (running()) {
    activationPending_ = true;
    return;
  }
  // The one record -> inputs mapping; the fields show what it gives.
  calc_.Load(record_);
  const RunInputs in = calc_.inputs();
  WindowClass = calc_.vehicleClass();
  const bool balloon = WindowClass == VehicleClass::Balloon;

  WindowLanguage = LanguageFromRecord(record_[sf::Language]);
  dialogLanguage_.Use(WindowLanguage);
  AerostatLatch = 0;
  setWindowTitle(QString::fromUtf8(kBanner));
  for (QLabel* label : {Label18, Label20, Label8, Label9, Label7, Label10, Label14, Label25,
                        Label3, Label2, Label23, Label27, Label28, Label6, Label22, Label24,
                        Label26}) {
    label->resize(kLabelWidth, label->height());
  }
  if (IsAerostat(WindowClass)) AerostatLatch = 1;

  for (int item = 0; item < AeroBox1->count(); ++item) {
    if (in.AeroModel == item) {
      const QSignalBlocker quiet(AeroBox1);
      AeroBox1->setCurrentIndex(item);
    }
  }
  ShowAeroFields(in.AeroModel);

  PutNumber(edMassaStart, in.MassaStart);
  PutNumber(edH0, in.H0);
  PutNumber(edV0, in.V0);

  if (WindowClass == VehicleClass::Reentry) {
    EdRSAT->move(128, 50);
    Label26->move(16, 50);
    PutNumber(EdRSAT, in.RSAT);
  }

  Volumen_Start->setText(QStringLiteral("100000"));

  PutNumber(edMassaStart, in.MassaStart);
  PutNumber(EdS0, in.S0);
  PutNumber(EdCx, in.Cx);
  PutNumber(EdCy, in.Cy);
  PutNumber(EdTTO, in.TTO);
  PutNumber(edTk, in.Tk);
  PutNumber(edHkk, in.Hk);
  PutNumber(edVk, in.Vk);
  PutNumber(eddt0, in.dt0);
  PutNumber(edVwind, in.Vwind);

  edVwind->show();
  Label7->show();

  PutNumber(EdAuftriebplus, in.Auftriebplus);
  PutNumber(EdGasverlust, in.Gasverlust);

  if (WindowClass == VehicleClass::Projectile) Image8->show();
  if (WindowClass == VehicleClass::Balloon || WindowClass == VehicleClass::Airplane) Image5->show();
  if (WindowClass == VehicleClass::Reentry) Image4->show();
  if (WindowClass == VehicleClass::Rocket) Image6->show();

  if (WindowClass == VehicleClass::Rocket) {
    EdMt->move(128, 30);
    EdMt->show();
    PutNumber(EdMt, in.Mt);
    Label23->move(12, 30);
    Label23->show();
    EdMdv->move(128, 55);
    PutNumber(EdMdv, in.Mdv);
    EdMdv->hide();
    Label22->move(12, 55);
    Label22->hide();
    EdIud->move(128, 80);
    EdIud->show();
    PutNumber(EdIud, in.Iud);
    Label6->move(12, 80);
    Label6->show();
    EdSchub->move(128, 105);
    EdSchub->show();
    PutNumber(EdSchub, in.Schub);
    Label24->move(12, 105);
    Label24->show();
    ButtonP->show();
    Image7->show();
  }

  // Only a glider has the speed; any other class would show the last glider's, unlabelled.
  EdiVopt->setVisible(WindowClass == VehicleClass::Glider);
  if (WindowClass == VehicleClass::Glider) {
    double temperature = 0, pressure = 0, speedOfSound = 0, density = 0, viscosity = 0;
    StandardAtmosphere(in.H0, temperature, pressure, speedOfSound, density, viscosity);
    const double lift = in.Cy * density * in.S0;
    Vopt = lift > 0.0 ? std::sqrt(2.0 * in.MassaStart * kGravity / lift) : 0.0;
    EdiVopt->setText(lift > 0.0 ? FieldText(Vopt, locale_) : QString());
  }

  if (WindowClass == VehicleClass::Reentry) {
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
    PutNumber(EdGas, in.GasDichte);
    EdHFlug->show();
    Label20->show();
    PutNumber(EdHFlug, in.HFlug);
    // A gas no lighter than air carries nothing; the run will refuse it with its reason.
    if (in.GasDichte < kSeaLevelDensity) {
      Envelope = ComputeBalloonEnvelope(in.MassaStart, in.GasDichte);
      PutText(EdS0, FieldText4(Envelope.area, locale_));
      Volumen_Start->setText(FieldText4(Envelope.volume, locale_));
    }
  }

  ShowWingLoading();

  if (in.Cy != 0.0) Button14->show();
  if (WindowClass == VehicleClass::Reentry && FindChart("Button17")) Button17->show();

  Label7->hide();
  edVwind->hide();
  flights_->Activated();
}

void TForm2::ApplyCaptions() {
  for (const CaptionRow& row : CaptionTable()) {
    const char* text = ControlCaption(row.control, WindowLanguage, WindowClass);
    if (!text) continue;
    QWidget* control = findChild<QWidget*>(QString::fromLatin1(row.control));
    if (auto* label = qobject_cast<QLabel*>(control)) {
      SetCaption(label, QString::fromUtf8(text));
    } else if (auto* button = qobject_cast<QPushButton*>(control)) {
      button->setText(QString::fromUtf8(text));
      FitButton(button);
    }
  }
  Memo1->setPlainText(QString::fromUtf8(Texts().usageTerms.in(WindowLanguage)));
  Memo2->setPlainText(QString::fromUtf8(Texts().troubleshooting.in(WindowLanguage)));
  RunCancel->setText(QString::fromUtf8(Texts().cancelRun.in(WindowLanguage)));
  results_->ApplyLanguage();
}

void TForm2::ShowWingLoading() {
  // No class or no area: nothing to divide, so the box stays empty.
  const RunInputs& in = calc_.inputs();
  if (WindowClass == VehicleClass::None || in.S0 == 0.0) {
    WingLoading = 0.0;
    EdBelastung->clear();
    return;
  }
  WingLoading = in.MassaStart / in.S0;
  EdBelastung->setText(FieldText4(WingLoading, locale_));
}

}  // namespace zarv

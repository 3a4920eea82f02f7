// The input fields: each change of a field's text stores its number into its run input.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "haupt/field_text.h"
#include "haupt/form_widgets.h"
#include "haupt/haupt.h"
#include "haupt/message_sink.h"
#include "haupt/window_texts.h"
#include "texts/form_captions.h"

namespace zarv {

namespace {

const QColor kNotANumberColour(0xFF, 0xD0, 0xD0);  // pale red under the text

}  // namespace

void TForm2::PutText(QLineEdit* field, const QString& text) {
  if (field->text() != text) {
    field->setText(text);
  } else {
    for (const auto& [edit, handler] : handlers_) {
      if (edit == field) (this->*handler)();
    }
  }
  field->setCursorPosition(0);
}

void TForm2::PutNumber(QLineEdit* field, double value) {
  PutText(field, FieldText(value, locale_));
}

void TForm2::StoreField(QLineEdit* field, double& input) {
  const std::optional<double> value = ParseFieldNumber(field->text(), locale_);
  // "1," and "1e" are half-typed numbers: a box now would take the next key. The field is
  // marked instead, and START names it if it still holds no number.
  MarkField(field, !value);
  // The worker owns the inputs during a run; START reads the field again anyway.
  if (value && !running()) input = *value;
}

void TForm2::MarkField(QLineEdit* field, bool notANumber) {
  if (!notANumber) {
    field->setPalette(QPalette());
    field->setToolTip(QString());
    return;
  }
  SetColour(field, QPalette::Base, kNotANumberColour);
  field->setToolTip(QString::fromUtf8(Texts().notANumber.in(WindowLanguage)).arg(field->text()));
}

bool TForm2::ReadFields() {
  RunInputs& in = calc_.inputs();
  for (const InputField& place : InputFields()) {
    auto* field = findChild<QLineEdit*>(QString::fromLatin1(place.field));
    // Hidden fields keep what the activation gave them.
    if (field == nullptr || field->isHidden()) continue;
    const std::optional<double> value = ParseFieldNumber(field->text(), locale_);
    if (!value) {
      const std::string caption = InputCaption(place.input, WindowLanguage, WindowClass);
      messages_.ShowError(QString::fromUtf8(Texts().fieldNotANumber.in(WindowLanguage))
                              .arg(QString::fromStdString(caption), field->text()));
      field->setFocus(Qt::OtherFocusReason);
      field->selectAll();
      return false;
    }
    *RunInputByName(in, place.input) = *value;
  }
  if (AeroBox1->currentIndex() >= 0) in.AeroModel = AeroBox1->currentIndex();
  return true;
}

void TForm2::EdGasChange() { StoreField(EdGas, calc_.inputs().GasDichte); }
void TForm2::EdHFlugChange() { StoreField(EdHFlug, calc_.inputs().HFlug); }
void TForm2::EdGasverlustChange() { StoreField(EdGasverlust, calc_.inputs().Gasverlust); }
void TForm2::EdAuftriebplusChange() { StoreField(EdAuftriebplus, calc_.inputs().Auftriebplus); }
void TForm2::EdMtChange() { StoreField(EdMt, calc_.inputs().Mt); }
void TForm2::EdMdvChange() { StoreField(EdMdv, calc_.inputs().Mdv); }
void TForm2::EdIudChange() { StoreField(EdIud, calc_.inputs().Iud); }
void TForm2::EdSchubChange() { StoreField(EdSchub, calc_.inputs().Schub); }
void TForm2::EdRSATChange() { StoreField(EdRSAT, calc_.inputs().RSAT); }
void TForm2::EdCxChange() { StoreField(EdCx, calc_.inputs().Cx); }
void TForm2::EdCyChange() { StoreField(EdCy, calc_.inputs().Cy); }
void TForm2::edMassaStartChange() { StoreField(edMassaStart, calc_.inputs().MassaStart); }
void TForm2::EdS0Change() { StoreField(EdS0, calc_.inputs().S0); }
void TForm2::edVwindChange() { StoreField(edVwind, calc_.inputs().Vwind); }
void TForm2::eddt0Change() { StoreField(eddt0, calc_.inputs().dt0); }
void TForm2::EdTTOChange() { StoreField(EdTTO, calc_.inputs().TTO); }
void TForm2::edH0Change() { StoreField(edH0, calc_.inputs().H0); }
void TForm2::edV0Change() { StoreField(edV0, calc_.inputs().V0); }
void TForm2::edTkChange() { StoreField(edTk, calc_.inputs().Tk); }
void TForm2::edHkkChange() { StoreField(edHkk, calc_.inputs().Hk); }
void TForm2::edVkChange() { StoreField(edVk, calc_.inputs().Vk); }
void TForm2::Volumen_StartChange() {}

void TForm2::AeroBox1Change() {
  const int item = AeroBox1->currentIndex();
  if (item < 0) return;
  if (!running()) calc_.inputs().AeroModel = item;
  ShowAeroFields(item);
}

}  // namespace zarv

// The input fields: each change of a field's text stores its number into its run input.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "haupt/field_text.h"
#include "haupt/haupt.h"
#include "haupt/message_sink.h"

namespace zarv {

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
  const QString text = field->text();
  if (const std::optional<double> value = ParseFieldNumber(text, locale_)) {
    input = *value;
  } else {
    messages_.ShowError(NotAFloatMessage(text));
  }
}

void TForm2::EdGasChange() { StoreField(EdGas, inputs_.GasDichte); }
void TForm2::EdHFlugChange() { StoreField(EdHFlug, inputs_.HFlug); }
void TForm2::EdGasverlustChange() { StoreField(EdGasverlust, inputs_.Gasverlust); }
void TForm2::EdAuftriebplusChange() { StoreField(EdAuftriebplus, inputs_.Auftriebplus); }
void TForm2::EdMtChange() { StoreField(EdMt, inputs_.Mt); }
void TForm2::EdMdvChange() { StoreField(EdMdv, inputs_.Mdv); }
void TForm2::EdIudChange() { StoreField(EdIud, inputs_.Iud); }
void TForm2::EdSchubChange() { StoreField(EdSchub, inputs_.Schub); }
void TForm2::EdRSATChange() { StoreField(EdRSAT, inputs_.RSAT); }
void TForm2::EdCxChange() { StoreField(EdCx, inputs_.Cx); }
void TForm2::EdCyChange() { StoreField(EdCy, inputs_.Cy); }
void TForm2::edMassaStartChange() { StoreField(edMassaStart, inputs_.MassaStart); }
void TForm2::EdS0Change() { StoreField(EdS0, inputs_.S0); }
void TForm2::edVwindChange() { StoreField(edVwind, inputs_.Vwind); }
void TForm2::eddt0Change() { StoreField(eddt0, inputs_.dt0); }
void TForm2::EdTTOChange() { StoreField(EdTTO, inputs_.TTO); }
void TForm2::edH0Change() { StoreField(edH0, inputs_.H0); }
void TForm2::edV0Change() { StoreField(edV0, inputs_.V0); }
void TForm2::edTkChange() { StoreField(edTk, inputs_.Tk); }
void TForm2::edHkkChange() { StoreField(edHkk, inputs_.Hk); }
void TForm2::edVkChange() { StoreField(edVk, inputs_.Vk); }
void TForm2::Volumen_StartChange() {}

void TForm2::AeroBox1Change() {
  const int item = AeroBox1->currentIndex();
  if (item < 0) return;
  inputs_.AeroModel = item;
  ShowAeroFields();
}

}  // namespace zarv

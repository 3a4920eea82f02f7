#include "sprache/sprache.h"

#include <cmath>

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "haupt/haupt.h"
#include "haupt/message_sink.h"
#include "scenario/presets.h"
#include "sprache/start_texts.h"

namespace zarv {
namespace {

int CheckedIndex(QGroupBox* group) {
  const auto items = group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
  for (int i = 0; i < items.size(); ++i)
    if (items[i]->isChecked()) return i;
  return -1;
}

}  // namespace

QRadioButton* TForm1::Item(QGroupBox* group, int index) {
  const auto items = group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
  return index >= 0 && index < items.size() ? items[index] : nullptr;
}

void TForm1::ClearSelection(QGroupBox* group) {
  for (QRadioButton* item : group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
    // Auto-exclusive buttons refuse to uncheck one by one.
    item->setAutoExclusive(false);
    item->setChecked(false);
    item->setAutoExclusive(true);
  }
}

void TForm1::setCalcWindow(TForm2* form2) {
  form2_ = form2;
  form2->setStartWindow(this);
  connect(form2, &TForm2::mainRequested, this, &TForm1::ShowAfterMain);
  connect(form2, &TForm2::quitRequested, this, &TForm1::close);
}

void TForm1::RadioSprachClick() {
  const int index = CheckedIndex(RadioSprach);
  if (index < 0) return;
  StartLanguage = index + 1;
  record_[sf::Language] = StartLanguage;
  QGroupBox* list = StartLanguage == 1 ? WahlRU : StartLanguage == 2 ? RadioWahl : WahlEN;
  if (StartLanguage == 1) WahlRU->setTitle(QStringLiteral("Выбор"));
  list->show();
  Panel1->show();
  Panel3->show();
  Memo1->hide();
  Label1->hide();
  Image1->hide();
  RadioSprach->hide();
  Image2->show();
}

void TForm1::RadioWahlClick() { ClassChosen(RadioWahl); }
void TForm1::WahlRUClick() { ClassChosen(WahlRU); }
void TForm1::WahlENClick() { ClassChosen(WahlEN); }

void TForm1::ClassChosen(QGroupBox* list) {
  const int index = CheckedIndex(list);
  if (index < 0) return;
  StartClass = index + 1;
  QListWidget* presets = PresetListOf(StartClass);
  if (presets) presets->show();
  Panel4->show();
  BitBtn1->show();
  // Hiding the class list would hand its focus on to the preset list, which then marks a
  // row as if it had been clicked; no row is chosen until the user clicks one.
  BitBtn1->setFocus(Qt::OtherFocusReason);
  if (presets) presets->setCurrentItem(nullptr);
  list->hide();
  Panel1->hide();
  Panel3->hide();
  ClearSelection(list);
}

void TForm1::ListBoxProjectilClick() { PresetClicked(ListBoxProjectil, static_cast<int>(VehicleClass::Projectile)); }
void TForm1::ListBoxFallschirmClick() { PresetClicked(ListBoxFallschirm, static_cast<int>(VehicleClass::Parachute)); }
void TForm1::ListBoxBallonClick() { PresetClicked(ListBoxBallon, static_cast<int>(VehicleClass::Balloon)); }
void TForm1::ListBoxGliderClick() { PresetClicked(ListBoxGlider, static_cast<int>(VehicleClass::Glider)); }
void TForm1::ListBoxLandekapselClick() { PresetClicked(ListBoxLandekapsel, static_cast<int>(VehicleClass::Reentry)); }
void TForm1::ListBoxLauncherClick() { PresetClicked(ListBoxLauncher, static_cast<int>(VehicleClass::Rocket)); }

void TForm1::PresetClicked(QListWidget* list, int vehicleClass) {
  const auto selected = list->selectedItems();
  if (selected.isEmpty()) return;
  ApplyPreset(record_, vehicleClass, list->row(selected.front()));
}

std::array<QListWidget*, 6> TForm1::PresetListBoxes() const {
  return {ListBoxProjectil, ListBoxFallschirm, ListBoxBallon,
          ListBoxGlider,    ListBoxLandekapsel, ListBoxLauncher};
}

QListWidget* TForm1::PresetListOf(int vehicleClass) const {
  const PresetList* presets = FindPresetList(vehicleClass);
  if (!presets) return nullptr;
  for (QListWidget* box : PresetListBoxes())
    if (box->objectName() == QLatin1String(presets->listName)) return box;
  return nullptr;
}

bool TForm1::PresetReady() const {
  const QListWidget* presets = PresetListOf(StartClass);
  if (!presets) return true;
  const auto selected = presets->selectedItems();
  if (!selected.isEmpty()) return !selected.front()->text().isEmpty();
  // Nothing clicked: the record must hold this class's preset, or none at all, for which
  // the calculation window's START asks.
  const int recordClass = static_cast<int>(std::lround(record_[sf::VehicleClass]));
  return recordClass == 0 || recordClass == StartClass;
}

void TForm1::BitBtn1Click() {
  // Otherwise the window would open the last preset's inputs, of another class or of an
  // earlier row, as if they were the chosen ones.
  if (!PresetReady()) {
    const Language language = LanguageFromRecord(StartLanguage);
    messages_.ShowError(QString::fromUtf8(start_text::kChoosePreset.in(language)));
    return;
  }
  for (QListWidget* box : PresetListBoxes()) {
    box->setCurrentItem(nullptr);
    box->clearSelection();
    box->hide();
  }
  record_[sf::Language] = StartLanguage;
  if (form2_) form2_->showFromStartWindow();
}

void TForm1::Button1Click() { close(); }

void TForm1::ShowAfterMain() {
  ClearSelection(RadioSprach);
  Image1->show();
  RadioSprach->show();
  show();
  raise();
  activateWindow();
}

void TForm1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (centred_) return;
  centred_ = true;
  if (QScreen* s = screen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(s->availableGeometry().center());
    move(frame.topLeft());
  }
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (form2_) form2_->close();
  event->accept();
  emit closed();
}

}  // namespace zarv

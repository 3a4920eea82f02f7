#include "sprache/sprache.h"

#include <QCloseEvent>
#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPalette>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <algorithm>
#include <string_view>

#include "haupt/haupt.h"
#include "pictures.h"
#include "scenario/presets.h"
#include "scenario/program_info.h"
#include "sprache/class_names.h"

namespace zarv {
namespace {

constexpr int kClientWidth = 630;
constexpr int kClientHeight = 455;
constexpr int kFontPixels = 11;
const QColor kLight3D(227, 227, 227);

// The class lists are opaque white, like the masks, so the masks hide their items; the
// title sits on the frame line so the first item has room under it.
constexpr const char* kClassListStyle =
    "QGroupBox { background-color: white; border: 1px solid #a0a0a0; border-radius: 2px;"
    " margin-top: 6px; }"
    "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
    " left: 8px; padding: 0 3px; background-color: white; }";

constexpr const char* kUsageTerms =
    "ZARV - trajectories of flying vehicles\n"
    "\n"
    "ZARV is meant for conceptual studies and for teaching. It integrates a point-mass "
    "model over a flat Earth in a standard atmosphere, so every result is an estimate. "
    "Do not use it to design, certify or operate a real vehicle. The program comes as "
    "it is, without any warranty; you may use it and pass it on free of charge, "
    "unchanged and with this notice.\n"
    "\n"
    "ZARV dient Konzeptstudien und der Lehre. Alle Ergebnisse sind Schätzungen eines "
    "vereinfachten Modells und ersetzen keine Auslegung echter Fluggeräte. Das Programm "
    "wird ohne jede Gewähr überlassen.\n"
    "\n"
    "ZARV предназначен для учебных и концептуальных расчётов. Результаты приближённые "
    "и не годятся для проектирования реальных аппаратов. Программа предоставляется "
    "«как есть», без каких-либо гарантий.\n"
    "\n"
    "Choosing a language below means that you accept these terms.";

// Where the items of a class list lie inside their group: eight rows 19.5 px apart, so
// that the masks at form rows 104 and 143 cover items 4 and 6 exactly.
constexpr int kClassItemLeft = 5;
constexpr int kClassItemWidth = 547;
constexpr int kClassItemHeight = 20;
constexpr int ClassItemTop(int index) { return 10 + (39 * index + 1) / 2; }

// Geometry of the controls in client pixels.
struct Placement {
  const char* name;
  int left, top, width, height;
};

// name                  left  top  width  height
constexpr Placement kPlacements[] = {
    {"Memo1",              5,    8,   476,   241},
    {"Image1",           146,  242,   264,   155},
    {"RadioSprach",      186,  262,    41,   122},
    {"Button1",          575,   66,    44,    40},
    {"Image2",             0,    0,   683,   475},
    {"RadioWahl",          8,   35,   558,   174},
    {"WahlRU",             8,   35,   558,   174},
    {"WahlEN",             8,   35,   558,   174},
    {"Panel1",            13,  104,   547,    20},
    {"Panel3",            13,  143,   547,    20},
    {"ListBoxProjectil",  106, 215,   289,   121},
    {"ListBoxFallschirm", 133, 231,   289,    97},
    {"ListBoxBallon",     146, 242,   290,    96},
    {"ListBoxGlider",     157, 255,   289,    97},
    {"ListBoxLandekapsel", 170, 262,  366,   161},
    {"ListBoxLauncher",   186, 270,   374,    99},
    {"Panel4",            570,    6,    51,    48},
    {"BitBtn1",           575,   10,    42,    40},
};

void Place(QWidget* w, const char* name) {
  w->setObjectName(QString::fromLatin1(name));
  for (const Placement& p : kPlacements) {
    if (std::string_view(p.name) == name) {
      w->setGeometry(p.left, p.top, p.width, p.height);
      return;
    }
  }
}

QFont BoldCaptionFont(int pixels) {
  QFont f;
  f.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
  f.setPixelSize(pixels);
  f.setBold(true);
  return f;
}

QFrame* MakePanel(QWidget* parent, const char* name, const QColor& colour) {
  auto* panel = new QFrame(parent);
  Place(panel, name);
  panel->setAutoFillBackground(true);
  QPalette pal = panel->palette();
  pal.setColor(QPalette::Window, colour);
  panel->setPalette(pal);
  panel->hide();
  return panel;
}

QLabel* MakePicture(QWidget* parent, const char* name, const char* file) {
  auto* label = new QLabel(parent);
  Place(label, name);
  label->setPixmap(QPixmap::fromImage(LoadPicture(file)));
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

int CheckedIndex(QGroupBox* group) {
  const auto items = group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
  for (int i = 0; i < items.size(); ++i)
    if (items[i]->isChecked()) return i;
  return -1;
}

// The preset texts are long for their boxes: a condensed face, a pixel smaller where
// needed, keeps every line whole without a horizontal scroll bar.
QFont PresetListFont(const PresetList& presets, int boxWidth) {
  constexpr int kFrameAndScrollBar = 24;
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setStretch(QFont::Condensed);
  for (int pixels = kFontPixels; pixels > 8; --pixels) {
    f.setPixelSize(pixels);
    const QFontMetrics metrics(f);
    int widest = 0;
    for (const Preset& p : presets.items)
      widest = std::max(widest, metrics.horizontalAdvance(QString::fromUtf8(p.text)));
    if (widest + kFrameAndScrollBar <= boxWidth) break;
  }
  return f;
}

}  // namespace

TForm1::TForm1(Scenario& record, QWidget* parent) : QWidget(parent), record_(record) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QString::fromUtf8(kStartCaption));
  setFixedSize(kClientWidth, kClientHeight);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  setPalette(pal);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(kFontPixels);
  setFont(font);

  // Creation order is stacking order: the background lies under everything.
  Image2 = MakePicture(this, "Image2", picture::StartBackground);
  Image2->hide();
  BuildLanguageStep();
  BuildClassLists();
  BuildPresetLists();

  Panel4 = MakePanel(this, "Panel4", Qt::red);
  BitBtn1 = new QPushButton(QStringLiteral("START"), this);
  Place(BitBtn1, "BitBtn1");
  BitBtn1->setFont(BoldCaptionFont(10));
  BitBtn1->hide();
  connect(BitBtn1, &QPushButton::clicked, this, &TForm1::BitBtn1Click);
}

void TForm1::BuildLanguageStep() {
  Image1 = MakePicture(this, "Image1", picture::StartPicture);

  Memo1 = new QPlainTextEdit(QString::fromUtf8(kUsageTerms), this);
  Place(Memo1, "Memo1");
  Memo1->setReadOnly(true);

  // The label sits left of the picture; it is raised above it in case the font runs wide.
  Label1 = new QLabel(QStringLiteral("I ACCEPT"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setFont(BoldCaptionFont(10));
  Label1->move(92, 312);
  Label1->adjustSize();

  RadioSprach = new QGroupBox(this);
  Place(RadioSprach, "RadioSprach");
  RadioSprach->setAutoFillBackground(true);
  QPalette pal = RadioSprach->palette();
  pal.setColor(QPalette::Window, kLight3D);
  RadioSprach->setPalette(pal);
  const char* letters[] = {"R", "D", "E"};
  for (int i = 0; i < 3; ++i) {
    auto* item = new QRadioButton(QString::fromLatin1(letters[i]), RadioSprach);
    item->setObjectName(QStringLiteral("RadioSprachItem%1").arg(i));
    item->setGeometry(6, 8 + 37 * i, 32, 32);
    connect(item, &QRadioButton::clicked, this, &TForm1::RadioSprachClick);
  }

  Button1 = new QPushButton(QStringLiteral("QUIT"), this);
  Place(Button1, "Button1");
  connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
}

void TForm1::BuildClassLists() {
  using Handler = void (TForm1::*)();
  for (const ClassList& list : kClassLists) {
    auto* group = new QGroupBox(QString::fromUtf8(list.caption), this);
    Place(group, list.objectName);
    group->setStyleSheet(QString::fromLatin1(kClassListStyle));
    const Handler handler = list.language == 1   ? &TForm1::WahlRUClick
                            : list.language == 2 ? &TForm1::RadioWahlClick
                                                 : &TForm1::WahlENClick;
    for (int i = 0; i < kClassCount; ++i) {
      auto* item = new QRadioButton(QString::fromUtf8((*list.items)[static_cast<std::size_t>(i)]),
                                    group);
      item->setObjectName(QStringLiteral("%1Item%2").arg(QLatin1String(list.objectName)).arg(i));
      item->setGeometry(kClassItemLeft, ClassItemTop(i), kClassItemWidth, kClassItemHeight);
      connect(item, &QRadioButton::clicked, this, handler);
    }
    // Classes without presets can be neither clicked nor reached with the keys.
    for (int masked : kMaskedItems) Item(group, masked)->setEnabled(false);
    group->hide();
    (list.language == 1 ? WahlRU : list.language == 2 ? RadioWahl : WahlEN) = group;
  }
  Panel1 = MakePanel(this, "Panel1", Qt::white);
  Panel3 = MakePanel(this, "Panel3", Qt::white);
}

void TForm1::BuildPresetLists() {
  QListWidget** boxes[] = {&ListBoxProjectil, &ListBoxFallschirm, &ListBoxBallon,
                           &ListBoxGlider, &ListBoxLandekapsel, &ListBoxLauncher};
  using Handler = void (TForm1::*)();
  const Handler handlers[] = {&TForm1::ListBoxProjectilClick, &TForm1::ListBoxFallschirmClick,
                              &TForm1::ListBoxBallonClick,    &TForm1::ListBoxGliderClick,
                              &TForm1::ListBoxLandekapselClick, &TForm1::ListBoxLauncherClick};
  std::size_t n = 0;
  for (const PresetList& presets : PresetLists()) {
    auto* box = new QListWidget(this);
    Place(box, presets.listName);
    box->setFont(PresetListFont(presets, box->width()));
    for (const Preset& p : presets.items) box->addItem(QString::fromUtf8(p.text));
    box->setSelectionMode(QAbstractItemView::SingleSelection);
    box->hide();
    // Selection, not the current row: focus alone may set a current row.
    connect(box, &QListWidget::itemSelectionChanged, this, handlers[n]);
    *boxes[n] = box;
    ++n;
  }
}

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
  if (QListWidget* presets = PresetListOf(StartClass)) presets->show();
  Panel4->show();
  BitBtn1->show();
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

void TForm1::BitBtn1Click() {
  for (QListWidget* box : PresetListBoxes()) {
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

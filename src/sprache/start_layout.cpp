// The start window's controls as designed, and the code that builds them.
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <string_view>
#include <vector>

#include "haupt/form_widgets.h"
#include "pictures.h"
#include "scenario/presets.h"
#include "scenario/program_info.h"
#include "sprache/class_names.h"
#include "sprache/sprache.h"

namespace zarv {
namespace {

constexpr int kClientWidth = 630;   // px
constexpr int kClientHeight = 455;  // px
constexpr int kFontPixels = 11;     // px
constexpr int kSmallestPresetPixels = 9;  // px
constexpr int kCaptionPixels = 10;  // px, "I ACCEPT" and START
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

// The language items, 37 px apart in their group.
constexpr const char* kLanguageLetters[] = {"R", "D", "E"};
constexpr PixelRect LanguageItemPlace(int index) { return {6, 8 + 37 * index, 32, 32}; }

// The controls by name; the class and preset lists take their names from their tables.
struct Placement {
  const char* name;
  PixelRect place;
};
constexpr Placement kPlacements[] = {
    // name                  left  top  width  height (px)
    {"Memo1",              {   5,    8,   476,   241}},
    {"Image1",             { 146,  242,   264,   155}},
    {"RadioSprach",        { 186,  262,    41,   122}},
    {"Button1",            { 575,   66,    44,    40}},
    {"Image2",             {   0,    0,   683,   475}},
    {"RadioWahl",          {   8,   35,   558,   174}},
    {"WahlRU",             {   8,   35,   558,   174}},
    {"WahlEN",             {   8,   35,   558,   174}},
    {"Panel1",             {  13,  104,   547,    20}},
    {"Panel3",             {  13,  143,   547,    20}},
    {"ListBoxProjectil",   { 106,  215,   289,   121}},
    {"ListBoxFallschirm",  { 133,  231,   289,    97}},
    {"ListBoxBallon",      { 146,  242,   290,    96}},
    {"ListBoxGlider",      { 157,  255,   289,    97}},
    {"ListBoxLandekapsel", { 170,  262,   366,   161}},
    {"ListBoxLauncher",    { 186,  270,   374,    99}},
    {"Panel4",             { 570,    6,    51,    48}},
    {"BitBtn1",            { 575,   10,    42,    40}},
};
constexpr PixelRect kLabel1Corner = {92, 312, 0, 0};  // px; the label takes its text's size

constexpr PixelRect Designed(std::string_view name) {
  for (const Placement& p : kPlacements)
    if (p.name == name) return p.place;
  return {0, 0, 0, 0};
}

QFont BoldCaptionFont() {
  QFont f;
  f.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
  f.setPixelSize(kCaptionPixels);
  f.setBold(true);
  return f;
}

QFrame* MakeMask(QWidget* parent, const char* name, const QColor& colour) {
  QFrame* panel = MakePanel(parent, name, Designed(name), colour);
  panel->hide();
  return panel;
}

// The preset texts are long for their boxes: a condensed face, a pixel smaller where
// needed, keeps every line whole without a horizontal scroll bar.
QFont PresetListFont(const PresetList& presets, int boxWidth) {
  constexpr int kFrameAndScrollBar = 24;  // px
  std::vector<QFont> candidates;
  for (int pixels = kFontPixels; pixels >= kSmallestPresetPixels; --pixels) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStretch(QFont::Condensed);
    f.setPixelSize(pixels);
    candidates.push_back(f);
  }
  std::vector<QString> texts;
  for (const Preset& p : presets.items) texts.push_back(QString::fromUtf8(p.text));
  return FirstFittingFont(candidates, texts, boxWidth - kFrameAndScrollBar);
}

}  // namespace

TForm1::TForm1(Scenario& record, MessageSink& messages, QWidget* parent)
    : QWidget(parent), record_(record), messages_(messages) {
  SetUpFixedWindow(this, "Form1", QString::fromUtf8(kStartCaption),
                   QSize(kClientWidth, kClientHeight));
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(kFontPixels);
  setFont(font);

  // Creation order is stacking order: the background lies under everything.
  Image2 = MakePicture(this, "Image2", Designed("Image2"), picture::StartBackground);
  Image2->hide();
  BuildLanguageStep();
  BuildClassLists();
  BuildPresetLists();

  Panel4 = MakeMask(this, "Panel4", Qt::red);
  BitBtn1 = MakeButton(this, "BitBtn1", Designed("BitBtn1"), QStringLiteral("START"));
  BitBtn1->setFont(BoldCaptionFont());
  BitBtn1->hide();
  connect(BitBtn1, &QPushButton::clicked, this, &TForm1::BitBtn1Click);
}

void TForm1::BuildLanguageStep() {
  Image1 = MakePicture(this, "Image1", Designed("Image1"), picture::StartPicture);

  Memo1 = MakeMemo(this, "Memo1", Designed("Memo1"));
  Memo1->setPlainText(QString::fromUtf8(kUsageTerms));

  // The label sits left of the picture; it is raised above it in case the font runs wide.
  Label1 = new QLabel(QStringLiteral("I ACCEPT"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setFont(BoldCaptionFont());
  Label1->move(kLabel1Corner.left, kLabel1Corner.top);
  Label1->adjustSize();

  RadioSprach = new QGroupBox(this);
  Place(RadioSprach, "RadioSprach", Designed("RadioSprach"));
  FillBackground(RadioSprach, kLight3D);
  for (int i = 0; i < static_cast<int>(std::size(kLanguageLetters)); ++i) {
    auto* item = new QRadioButton(QString::fromLatin1(kLanguageLetters[i]), RadioSprach);
    item->setObjectName(QStringLiteral("RadioSprachItem%1").arg(i));
    item->setGeometry(LanguageItemPlace(i).rect());
    connect(item, &QRadioButton::clicked, this, &TForm1::RadioSprachClick);
  }

  Button1 = MakeButton(this, "Button1", Designed("Button1"), QStringLiteral("QUIT"));
  connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
}

void TForm1::BuildClassLists() {
  using Handler = void (TForm1::*)();
  for (const ClassList& list : kClassLists) {
    auto* group = new QGroupBox(QString::fromUtf8(list.caption), this);
    Place(group, list.objectName, Designed(list.objectName));
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
  Panel1 = MakeMask(this, "Panel1", Qt::white);
  Panel3 = MakeMask(this, "Panel3", Qt::white);
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
    Place(box, presets.listName, Designed(presets.listName));
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

}  // namespace zarv

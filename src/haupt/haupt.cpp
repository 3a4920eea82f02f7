#include "haupt/haupt.h"

#include <cmath>

#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWindow>

#include "charts/chart_catalogue.h"
#include "flight_model/constants.h"
#include "flight_model/standard_atmosphere.h"
#include "haupt/field_text.h"
#include "haupt/message_sink.h"
#include "haupt/window_texts.h"
#include "scenario/program_info.h"
#include "texts/input_messages.h"
#include "trajectory/result_file.h"

namespace zarv {

namespace {

constexpr int kClientWidth = 900;   // px
constexpr int kClientHeight = 650;  // px
constexpr int kLabelWidth = 111;    // px, every caption of the input column
constexpr int kBlankWidth = 770;    // px, the empty picture MAIN leaves
constexpr int kBlankHeight = 515;   // px

// Captions: name, left, top, width, height (px), designed text, shown at design.
struct LabelPlace {
  QLabel* TForm2::*member;
  const char* name;
  int x, y, w, h;
  const char* text;
  bool visible;
};
constexpr LabelPlace kLabels[] = {
    {&TForm2::Label23, "Label23",  12,  30, 111, 19, "Treibstoffmasse, kg",                  false},
    {&TForm2::Label18, "Label18",  12,  33, 111, 19, "Gasdichte, kg/m3",                     false},
    {&TForm2::Label26, "Label26",  16,  50, 107, 19, "Radius, m",                            false},
    {&TForm2::Label22, "Label22",  12,  55, 111, 19, "Triebwerkmasse (ohne Treibstoff), kg", false},
    {&TForm2::Label20, "Label20",  12,  58, 111, 19, "Flughohe, m",                          false},
    {&TForm2::Label6,  "Label6",   12,  80, 111, 19, "Isp, N*s/kg = (s*9,8)",                false},
    {&TForm2::Label28, "Label28",  12,  90, 111, 19, "Gasverlust, (L/m2) 24h",               false},
    {&TForm2::Label24, "Label24",  12, 105, 111, 19, "Schub, N",                             false},
    {&TForm2::Label15, "Label15",  46, 108,  72, 13, "Volumen, m3",                          false},
    {&TForm2::Label27, "Label27",  12, 110, 111, 19, "Auftrieb/Masse, %",                    false},
    {&TForm2::Label21, "Label21",  15, 149,  45, 15, "p = m/S",                              true},
    {&TForm2::Label13, "Label13",  12, 198, 111, 19, "Cw",                                   true},
    {&TForm2::Label11, "Label11",  12, 218, 111, 19, "Ca",                                   true},
    {&TForm2::Label8,  "Label8",   12, 256, 111, 19, "Gewicht, mo,kg",                       true},
    {&TForm2::Label19, "Label19",  12, 276, 111, 19, "Flache, So, m2",                       true},
    {&TForm2::Label7,  "Label7",   12, 296, 111, 19, "Windgeschwindigkeit  Vw, m/s",         true},
    {&TForm2::Label10, "Label10",  12, 316, 111, 19, "Integrationsschritt, s",               true},
    {&TForm2::Label12, "Label12",  14, 352, 156, 17, "Anfangsbedingungen ",                  true},
    {&TForm2::Label14, "Label14",  12, 374, 111, 19, "Bahnwinkel,  Qo, grad",                true},
    {&TForm2::Label25, "Label25",  12, 396, 111, 19, "Hohe, Ho, m",                          true},
    {&TForm2::edV,     "edV",      12, 418, 111, 19, "Geschwindigkeit, Vo, m/s",             true},
    {&TForm2::Label1,  "Label1",   12, 461, 158, 17, "Endbedingungen",                       true},
    {&TForm2::Label3,  "Label3",   12, 482, 111, 19, "Zeit, s",                              true},
    // The end altitude and velocity come from the preset and are not edited: their
    // fields are hidden, and so are their labels.
    {&TForm2::Label2,  "Label2",   12, 506, 111, 19, "Hohe, H, m ",                          false},
    {&TForm2::Label4,  "Label4",   12, 528, 111, 19, "Geschwindigkeit, Vk, m/s",             false},
    {&TForm2::Label16, "Label16", 200,  11,  50, 17, "FLUG",                                 false},
    {&TForm2::Label17, "Label17", 264,  11,  60, 17, "START",                                true},
    {&TForm2::Label9,  "Label9",  420,   7,  64, 17, " <- - f ( x )",                        true},
    {&TForm2::Label5,  "Label5",  495,   7,  60, 17, "f ( t ) - - >",                        true},
};

// Input fields: name, designed left, top, width, height (px), shown at design, handler.
struct FieldPlace {
  QLineEdit* TForm2::*member;
  const char* name;
  int x, y, w, h;
  bool visible;
  void (TForm2::*handler)();
};
constexpr FieldPlace kFields[] = {
    {&TForm2::EdGas,          "EdGas",          128,  33, 41, 19, false, &TForm2::EdGasChange},
    {&TForm2::EdHFlug,        "EdHFlug",        128,  58, 41, 19, false, &TForm2::EdHFlugChange},
    {&TForm2::EdGasverlust,   "EdGasverlust",   744, 312, 39, 19, false, &TForm2::EdGasverlustChange},
    {&TForm2::EdAuftriebplus, "EdAuftriebplus", 744, 286, 39, 19, false, &TForm2::EdAuftriebplusChange},
    {&TForm2::EdMt,           "EdMt",           740, 155, 41, 19, false, &TForm2::EdMtChange},
    {&TForm2::EdMdv,          "EdMdv",          740, 212, 41, 19, false, &TForm2::EdMdvChange},
    {&TForm2::EdIud,          "EdIud",          740, 182, 41, 19, false, &TForm2::EdIudChange},
    {&TForm2::EdSchub,        "EdSchub",        740, 238, 41, 19, false, &TForm2::EdSchubChange},
    {&TForm2::EdRSAT,         "EdRSAT",         742, 265, 40, 19, false, &TForm2::EdRSATChange},
    {&TForm2::EdCx,           "EdCx",           128, 198, 40, 19, true,  &TForm2::EdCxChange},
    {&TForm2::EdCy,           "EdCy",           128, 218, 40, 19, true,  &TForm2::EdCyChange},
    {&TForm2::edMassaStart,   "edMassaStart",   128, 256, 40, 19, true,  &TForm2::edMassaStartChange},
    {&TForm2::EdS0,           "EdS0",           128, 276, 40, 19, true,  &TForm2::EdS0Change},
    {&TForm2::edVwind,        "edVwind",        128, 296, 40, 19, true,  &TForm2::edVwindChange},
    {&TForm2::eddt0,          "eddt0",          128, 316, 40, 19, true,  &TForm2::eddt0Change},
    {&TForm2::EdTTO,          "EdTTO",          128, 374, 40, 19, true,  &TForm2::EdTTOChange},
    {&TForm2::edH0,           "edH0",           128, 396, 40, 19, true,  &TForm2::edH0Change},
    {&TForm2::edV0,           "edV0",           129, 418, 40, 19, true,  &TForm2::edV0Change},
    {&TForm2::edTk,           "edTk",           128, 482, 40, 19, true,  &TForm2::edTkChange},
    {&TForm2::edHkk,          "edHkk",          128, 506, 40, 19, false, &TForm2::edHkkChange},
    {&TForm2::edVk,           "edVk",           128, 528, 40, 19, false, &TForm2::edVkChange},
};

// Chart buttons: the range charts in one column at the left of the button area, the time
// charts in a grid right of the separator. Cells in px.
constexpr int kRangeColumnLeft = 422;
constexpr int kRangeColumnWidth = 62;
constexpr int kTimeColumnsLeft = 497;
constexpr int kTimeColumnPitch = 82;
constexpr int kTimeColumnWidth = 78;
constexpr int kChartRowsTop = 30;
constexpr int kChartRowPitch = 26;
constexpr int kChartButtonHeight = 22;

// Chart buttons: column (-1 the range column), row, handler (nullptr: never drawn).
struct ChartButtonPlace {
  QPushButton* TForm2::*member;
  const char* name;
  int column, row;
  void (TForm2::*handler)();
};
constexpr ChartButtonPlace kChartButtons[] = {
    {&TForm2::Button9,   "Button9",   -1, 0, &TForm2::Button9Click},
    {&TForm2::Button2,   "Button2",   -1, 1, &TForm2::Button2Click},
    {&TForm2::Button15,  "Button15",  -1, 2, &TForm2::Button15Click},
    {&TForm2::Button22,  "Button22",   0, 0, &TForm2::Button22Click},
    {&TForm2::Button27,  "Button27",   1, 0, &TForm2::Button27Click},
    {&TForm2::Button3,   "Button3",    2, 0, &TForm2::Button3Click},
    {&TForm2::Button10,  "Button10",   3, 0, &TForm2::Button10Click},
    {&TForm2::Button4,   "Button4",    0, 1, &TForm2::Button4Click},
    {&TForm2::Button6,   "Button6",    1, 1, &TForm2::Button6Click},
    {&TForm2::Button7,   "Button7",    2, 1, &TForm2::Button7Click},
    {&TForm2::Button8,   "Button8",    3, 1, &TForm2::Button8Click},
    {&TForm2::Button11,  "Button11",   0, 2, &TForm2::Button11Click},
    {&TForm2::Button12,  "Button12",   1, 2, &TForm2::Button12Click},
    {&TForm2::Button14,  "Button14",   2, 2, &TForm2::Button14Click},
    {&TForm2::ButtonP,   "ButtonP",    3, 2, &TForm2::ButtonPClick},
    {&TForm2::ButtonCya, "ButtonCya",  0, 3, &TForm2::ButtonCyaClick},
    {&TForm2::Button18,  "Button18",   1, 3, &TForm2::Button18Click},
    {&TForm2::Button17,  "Button17",   2, 3, &TForm2::Button17Click},
    {&TForm2::Button13,  "Button13",   3, 3, nullptr},
};

// Chart buttons the form starts with hidden; set-up and every chart decide later.
constexpr const char* kInitiallyHiddenCharts[] = {"Button14", "ButtonP", "ButtonCya",
                                                  "Button17", "Button18", "Button13"};

// Captions wider than their control are set in a narrower or smaller face instead of
// being cut off; the first face of the list that fits is taken.
struct Face {
  const char* family;
  double points;
};
constexpr Face kFaces[] = {
    {"DejaVu Sans",           8.0},
    {"DejaVu Sans Condensed", 8.0},
    {"DejaVu Sans Condensed", 7.5},
    {"DejaVu Sans Condensed", 7.0},
    {"DejaVu Sans Condensed", 6.5},
    {"DejaVu Sans Condensed", 6.0},
};

void FitFont(QWidget* widget, const QString& text, int room) {
  QFont font = widget->font();
  for (const Face& face : kFaces) {
    font.setFamily(QString::fromLatin1(face.family));
    font.setPointSizeF(face.points);
    if (QFontMetrics(font).horizontalAdvance(text) <= room) break;
  }
  widget->setFont(font);
}

void SetCaption(QLabel* label, const QString& text) {
  label->setText(text);
  FitFont(label, text, label->width() - 1);
}

// Room for text inside an edit: its frame and the edit's own margins take 4 px a side.
constexpr int kEditInnerMargin = 4;  // px

void FitEdit(QLineEdit* edit) {
  FitFont(edit, edit->text(), edit->width() - 2 * kEditInnerMargin);
}

QFrame* MakeFrame(QWidget* parent, int x, int y, int w, int h) {
  auto* frame = new QFrame(parent);
  frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
  frame->setGeometry(x, y, w, h);
  return frame;
}

void SetTextColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(role, colour);
  widget->setPalette(palette);
}

void MakeBold(QWidget* widget) {
  QFont font = widget->font();
  font.setBold(true);
  widget->setFont(font);
}

QString DefaultSavePath(QWidget* parent, const QString& title, const QString& filter) {
  return QFileDialog::getSaveFileName(parent, title, QString(), filter);
}

double SeaLevelDensity() {
  double temperature = 0, pressure = 0, speedOfSound = 0, density = 0, viscosity = 0;
  StandardAtmosphere(0.0, temperature, pressure, speedOfSound, density, viscosity);
  return density;
}

}  // namespace

TForm2::TForm2(Scenario& record, MessageSink& messages, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint),
      record_(record),
      messages_(messages),
      askSavePath_(DefaultSavePath) {
  setObjectName(QStringLiteral("Form2"));
  setFixedSize(kClientWidth, kClientHeight);
  move(229, 0);
  setWindowTitle(QString::fromUtf8(kBanner));
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPointSizeF(8.0);
  setFont(font);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);
  setAutoFillBackground(true);

  BuildFrames();
  BuildPictures();
  BuildFields();
  BuildChartButtons();
  BuildCommands();

  connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &TForm2::ProgramFocusMoved);
}

TForm2::~TForm2() = default;

void TForm2::BuildFrames() {
  MakeFrame(this, 3, 3, 175, 639);
  MakeFrame(this, 6, 6, 168, 129);
  MakeFrame(this, 6, 141, 168, 102);
  MakeFrame(this, 6, 245, 168, 98);
  MakeFrame(this, 8, 349, 168, 103);
  MakeFrame(this, 6, 458, 170, 111);
  MakeFrame(this, 179, 6, 231, 129);

  StartFrame = new QFrame(this);
  StartFrame->setObjectName(QStringLiteral("StartFrame"));
  StartFrame->setGeometry(848, 2, 44, 50);
  StartFrame->setAutoFillBackground(true);
  SetTextColour(StartFrame, QPalette::Window, Qt::red);
}

void TForm2::BuildPictures() {
  struct PicturePlace {
    QLabel* TForm2::*member;
    const char* name;
    int x, y, w, h;
    const char* resource;  // empty: never shown
  };
  static constexpr PicturePlace kPictures[] = {
      {&TForm2::Image2, "Image2", 180,   9, 220, 116, ":/pictures/airplane.jpg"},
      {&TForm2::Image3, "Image3", 180,   8, 220, 127, ":/pictures/airplane.jpg"},
      {&TForm2::Image4, "Image4", 182,   9, 218, 115, ":/pictures/capsule.jpg"},
      {&TForm2::Image5, "Image5", 182,   9, 222, 120, ":/pictures/balloon.jpg"},
      {&TForm2::Image6, "Image6", -54, -58,  58, 117, ":/pictures/rocket_strip.jpg"},
      {&TForm2::Image7, "Image7", 182,   9, 224, 115, ":/pictures/rocket.jpg"},
      {&TForm2::Image8, "Image8", 182,   9, 224, 125, ":/pictures/projectile.jpg"},
  };
  for (const PicturePlace& place : kPictures) {
    auto* image = new QLabel(this);
    image->setObjectName(QString::fromLatin1(place.name));
    image->setGeometry(place.x, place.y, place.w, place.h);
    image->setPixmap(QPixmap(QString::fromLatin1(place.resource)));
    image->hide();
    this->*place.member = image;
  }

  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(180, 141, 713, 500);
  Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Image1->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(Image1, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    QMenu* menu = makeChartMenu(this);
    menu->exec(Image1->mapToGlobal(at));
    menu->deleteLater();
  });
}

void TForm2::BuildFields() {
  for (const LabelPlace& place : kLabels) {
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(place.name));
    label->setGeometry(place.x, place.y, place.w, place.h);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    SetCaption(label, QString::fromUtf8(place.text));
    label->setVisible(place.visible);
    this->*place.member = label;
  }
  SetTextColour(Label17, QPalette::WindowText, Qt::red);
  MakeBold(Label17);
  // The class pictures cover the static caption of their frame.
  for (QLabel* image : {Image2, Image3, Image4, Image5, Image6, Image7, Image8}) image->raise();

  for (const FieldPlace& place : kFields) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(place.name));
    edit->setGeometry(place.x, place.y, place.w, place.h);
    edit->setVisible(place.visible);
    this->*place.member = edit;
    handlers_.emplace_back(edit, place.handler);
    connect(edit, &QLineEdit::textChanged, this, [this, edit, handler = place.handler] {
      FitEdit(edit);
      (this->*handler)();
    });
  }

  // Display boxes: borderless, read-only, never parsed.
  struct DisplayPlace {
    QLineEdit* TForm2::*member;
    const char* name;
    int x, y, w, h;
    bool visible;
  };
  // The glider speed box is wider than designed so that its full-precision text fits.
  static constexpr DisplayPlace kDisplays[] = {
      {&TForm2::EdBelastung,   "EdBelastung",    15, 166,  45, 13, true},
      {&TForm2::EdiVopt,       "EdiVopt",        13, 435, 110, 15, false},
      {&TForm2::Volumen_Start, "Volumen_Start", 121, 108,  52, 13, false},
  };
  for (const DisplayPlace& place : kDisplays) {
    auto* box = new QLineEdit(this);
    box->setObjectName(QString::fromLatin1(place.name));
    box->setGeometry(place.x, place.y, place.w, place.h);
    box->setFrame(false);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setTextMargins(0, 0, 0, 0);
    box->setVisible(place.visible);
    this->*place.member = box;
    connect(box, &QLineEdit::textChanged, this, [box] {
      FitFont(box, box->text(), box->width() - 2 * kEditInnerMargin + 2);
    });
  }
  SetTextColour(EdBelastung, QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
  connect(Volumen_Start, &QLineEdit::textChanged, this, &TForm2::Volumen_StartChange);

  AeroBox1 = new QComboBox(this);
  AeroBox1->setObjectName(QStringLiteral("AeroBox1"));
  AeroBox1->setGeometry(64, 154, 104, 21);
  AeroBox1->addItems({QStringLiteral("Constant"), QStringLiteral("Titan-2, Cl,Cd=f(M,alfa)"),
                      QStringLiteral("A-4, Cd=f(M)")});
  AeroBox1->setPlaceholderText(QStringLiteral("Aerodynamic"));
  AeroBox1->setCurrentIndex(-1);
  QFont comboFont = AeroBox1->font();
  comboFont.setFamily(QStringLiteral("DejaVu Sans Condensed"));
  comboFont.setPointSizeF(7.0);
  AeroBox1->setFont(comboFont);
  connect(AeroBox1, &QComboBox::currentIndexChanged, this, &TForm2::AeroBox1Change);
}

void TForm2::BuildChartButtons() {
  Panel7 = new QFrame(this);
  Panel7->setObjectName(QStringLiteral("Panel7"));
  Panel7->setGeometry(487, -1, 5, 136);
  Panel7->setFrameStyle(QFrame::Panel | QFrame::Raised);

  for (const ChartButtonPlace& place : kChartButtons) {
    auto* button = new QPushButton(this);
    button->setObjectName(QString::fromLatin1(place.name));
    const bool range = place.column < 0;
    button->setGeometry(range ? kRangeColumnLeft : kTimeColumnsLeft + place.column * kTimeColumnPitch,
                        kChartRowsTop + place.row * kChartRowPitch,
                        range ? kRangeColumnWidth : kTimeColumnWidth, kChartButtonHeight);
    const ChartEntry* chart = FindChart(place.name);
    const QString caption = chart ? QString::fromUtf8(chart->caption) : QStringLiteral("atm");
    button->setText(caption);
    FitFont(button, caption, button->width() - 6);
    if (place.handler) connect(button, &QPushButton::clicked, this, place.handler);
    this->*place.member = button;
  }
  for (const char* name : kInitiallyHiddenCharts)
    findChild<QPushButton*>(QString::fromLatin1(name))->hide();
  for (const ChartButtonPlace& place : kChartButtons) {
    if (place.handler && !FindChart(place.name)) (this->*place.member)->hide();
  }

  // Covers the chart buttons until the first START of an activation.
  Panel6 = new QFrame(this);
  Panel6->setObjectName(QStringLiteral("Panel6"));
  Panel6->setGeometry(416, 26, 409, 109);
  Panel6->setAutoFillBackground(true);
  Panel7->raise();
}

void TForm2::BuildCommands() {
  struct CommandPlace {
    QPushButton* TForm2::*member;
    const char* name;
    int x, y, w, h;
    const char* caption;
    void (TForm2::*handler)();
  };
  static constexpr CommandPlace kCommands[] = {
      {&TForm2::Button1,    "Button1",    852,  6, 36, 42, "START",   &TForm2::Button1Click},
      {&TForm2::Button19,   "Button19",   557,  6, 55, 16, "I N F",   &TForm2::Button19Click},
      {&TForm2::ButtonHELP, "ButtonHELP", 621,  6, 56, 16, "H E L P", &TForm2::ButtonHELPClick},
      {&TForm2::Button5,    "Button5",    848, 55, 42, 35, "MAIN",    &TForm2::Button5Click},
      {&TForm2::Button16,   "Button16",   848, 96, 44, 39, "QUIT",    &TForm2::Button16Click},
  };
  for (const CommandPlace& place : kCommands) {
    auto* button = new QPushButton(QString::fromLatin1(place.caption), this);
    button->setObjectName(QString::fromLatin1(place.name));
    button->setGeometry(place.x, place.y, place.w, place.h);
    connect(button, &QPushButton::clicked, this, place.handler);
    this->*place.member = button;
  }
  for (QPushButton* bold : {Button1, Button5, Button16}) MakeBold(bold);
  FitFont(Button1, Button1->text(), Button1->width() - 4);
  SetTextColour(Button1, QPalette::ButtonText, Qt::red);
  SetTextColour(Button19, QPalette::ButtonText, QColor(0, 0x80, 0));
  SetTextColour(ButtonHELP, QPalette::ButtonText, QColor(0, 0x80, 0));

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setGeometry(422, 377, 472, 265);
  Memo2 = new QPlainTextEdit(this);
  Memo2->setObjectName(QStringLiteral("Memo2"));
  Memo2->setGeometry(234, 182, 358, 211);
  for (QPlainTextEdit* memo : {Memo1, Memo2}) {
    memo->setReadOnly(true);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->hide();
  }
  Memo1->setPlainText(QString::fromUtf8(TextsFor(WindowLanguage).usageTerms));
  Memo2->setPlainText(QString::fromUtf8(TextsFor(WindowLanguage).troubleshooting));
}

void TForm2::setStartWindow(QWidget* startWindow) { startWindow_ = startWindow; }

void TForm2::showFromStartWindow() {
  show();
  raise();
  activateWindow();
  FormAktivate();
  // The focus change this show causes is the same activation, not a second one.
  lastProgramWindow_ = windowHandle();
}

bool TForm2::IsStartWindow(QWindow* window) const {
  return window && startWindow_ && startWindow_->windowHandle() == window;
}

void TForm2::ProgramFocusMoved(QWindow* now) {
  // Another application took the focus: who had it before in this program still counts.
  if (!now) return;
  if (now == windowHandle() && isVisible() && IsStartWindow(lastProgramWindow_))
    FormAktivate();
  lastProgramWindow_ = now;
}

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
      FitFont(button, button->text(), button->width() - 6);
    }
  }
  const WindowTexts& texts = TextsFor(WindowLanguage);
  Memo1->setPlainText(QString::fromUtf8(texts.usageTerms));
  Memo2->setPlainText(QString::fromUtf8(texts.troubleshooting));
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

void TForm2::Button1Click() {
  Memo1->hide();
  Memo2->hide();
  Panel6->lower();

  // Fine steps make long runs; the cursor says the window is busy, not frozen.
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  const std::optional<InputError> error = run_.Run(inputs_, VehicleClassFromRecord(record_[sf::VehicleClass]), log_);
  QGuiApplication::restoreOverrideCursor();
  if (error) {
    messages_.ShowError(QString::fromStdString(DescribeInputError(*error, LanguageFromRecord(WindowLanguage))));
    return;
  }
  if (VehicleClassFromRecord(record_[sf::VehicleClass]) == VehicleClass::Balloon) PutText(EdS0, FieldText4(inputs_.S0, locale_));
  ShowWingLoading();

  const FileWriteResult written = WriteResultFile(log_);
  if (!written.ok) {
    messages_.ShowError(QString::fromUtf8(TextsFor(WindowLanguage).fileWriteFailed)
                            .arg(QString::fromStdString(written.path.string()),
                                 QString::fromStdString(written.reason)));
    return;
  }
  ShowChart(log_.CurveList, log_.CurveCount);
}

void TForm2::Button19Click() {
  Memo1->show();
  Memo2->hide();
}

void TForm2::ButtonHELPClick() {
  Memo2->show();
  Memo1->hide();
}

void TForm2::Button5Click() {
  Memo1->hide();
  Memo2->hide();
  Image7->hide();
  for (QWidget* widget :
       std::initializer_list<QWidget*>{Label18, Label20, Label27, Label28, EdGas, EdHFlug,
                                       EdAuftriebplus, EdGasverlust, Label24, EdMdv, EdMt,
                                       Label23, Label22, Label6, EdIud, EdSchub, ButtonP,
                                       EdRSAT, Label26, Button17}) {
    widget->hide();
  }
  QImage blank(kBlankWidth, kBlankHeight, QImage::Format_RGB32);
  blank.fill(Qt::white);
  ShowPicture(blank);
  // The picture comes to the front of the other pictures; the text panels stay above it.
  Image1->raise();
  Memo1->raise();
  Memo2->raise();
  for (QLabel* image : {Image8, Image7, Image6, Image5, Image4, Image3, Image2}) image->hide();
  close();
  emit mainRequested();
}

void TForm2::Button16Click() {
  Memo1->hide();
  Memo2->hide();
  emit quitRequested();
  close();
}

void TForm2::ShowPicture(const QImage& picture) {
  chartPicture_ = picture;
  Image1->setPixmap(QPixmap::fromImage(chartPicture_));
}

void TForm2::ShowChart(const std::array<int, kCurveListSize>& curveList, int curveCount) {
  ChartSettings settings;
  settings.windowLanguage = LanguageFromRecord(WindowLanguage);
  settings.vehicleClass = VehicleClassFromRecord(record_[sf::VehicleClass]);
  QImage picture;
  const ChartButtons buttons =
      DrawChart(log_, curveList, curveCount, kSampleCapacity, settings, picture);
  for (QPushButton* button : {ButtonCya, Button6, Button11, Button14})
    button->setVisible(buttons.liftCharts);
  Button18->setVisible(buttons.balloonChart);
  ShowPicture(picture);
}

void TForm2::DrawCatalogueChart(const char* buttonName) {
  const ChartEntry* chart = FindChart(buttonName);
  if (!chart) return;
  log_.CurveList = chart->curveList;
  log_.CurveCount = chart->curveCount;
  ShowChart(log_.CurveList, log_.CurveCount);
}

void TForm2::Button2Click() { DrawCatalogueChart("Button2"); }
void TForm2::Button3Click() { DrawCatalogueChart("Button3"); }
void TForm2::Button4Click() { DrawCatalogueChart("Button4"); }
void TForm2::Button6Click() { DrawCatalogueChart("Button6"); }
void TForm2::Button7Click() { DrawCatalogueChart("Button7"); }
void TForm2::Button8Click() { DrawCatalogueChart("Button8"); }
void TForm2::Button9Click() { DrawCatalogueChart("Button9"); }
void TForm2::Button10Click() { DrawCatalogueChart("Button10"); }
void TForm2::Button11Click() { DrawCatalogueChart("Button11"); }
void TForm2::Button12Click() { DrawCatalogueChart("Button12"); }
void TForm2::Button14Click() { DrawCatalogueChart("Button14"); }
void TForm2::Button15Click() { DrawCatalogueChart("Button15"); }
void TForm2::Button17Click() { DrawCatalogueChart("Button17"); }
void TForm2::Button18Click() { DrawCatalogueChart("Button18"); }
void TForm2::Button22Click() { DrawCatalogueChart("Button22"); }
void TForm2::Button27Click() { DrawCatalogueChart("Button27"); }
void TForm2::ButtonCyaClick() { DrawCatalogueChart("ButtonCya"); }
void TForm2::ButtonPClick() { DrawCatalogueChart("ButtonP"); }

QMenu* TForm2::makeChartMenu(QWidget* parent) {
  const WindowTexts& texts = TextsFor(WindowLanguage);
  auto* menu = new QMenu(parent);
  QAction* save = menu->addAction(QString::fromUtf8(texts.savePicture), this,
                                  &TForm2::SaveChartPicture);
  QAction* copy = menu->addAction(QString::fromUtf8(texts.copyPicture), this,
                                  &TForm2::CopyChartPicture);
  save->setEnabled(!chartPicture_.isNull());
  copy->setEnabled(!chartPicture_.isNull());
  return menu;
}

void TForm2::SaveChartPicture() {
  const WindowTexts& texts = TextsFor(WindowLanguage);
  QString path = askSavePath_(this, QString::fromUtf8(texts.savePicture),
                              QString::fromUtf8(texts.pictureFilter));
  if (path.isEmpty()) return;
  if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) path += QStringLiteral(".png");
  if (!chartPicture_.save(path, "PNG"))
    messages_.ShowError(QString::fromUtf8(texts.pictureSaveFailed).arg(path));
}

void TForm2::CopyChartPicture() { QGuiApplication::clipboard()->setImage(chartPicture_); }

}  // namespace zarv

// The calculation window's controls as designed, and the code that builds them.
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

#include "charts/chart_catalogue.h"
#include "haupt/chart_results.h"
#include "haupt/form_widgets.h"
#include "haupt/haupt.h"
#include "haupt/window_texts.h"

namespace zarv {

namespace {

// Bevel frames: the outer one round the input column, its boxes, and the pictures' frame.
constexpr PixelRect kBevels[] = {
    // left  top  width  height (px)
    {  3,      3,  175,   639},
    {  6,      6,  168,   129},
    {  6,    141,  168,   102},
    {  6,    245,  168,    98},
    {  8,    349,  168,   103},
    {  6,    458,  170,   111},
    {179,      6,  231,   129},
};

// Panels. Panel6 covers the chart buttons until the first START of an activation;
// Panel7 is a raised separator, drawn as a frame, not filled.
struct PanelPlace {
  QFrame* TForm2::*member;
  const char* name;
  PixelRect place;
  QRgb fill;  // 0: not filled
};
constexpr PanelPlace kPanels[] = {
    // control               name          left  top  width  height (px)  fill
    {&TForm2::StartFrame,    "StartFrame", {848,   2,   44,    50},        0xffff0000},
    {&TForm2::Panel6,        "Panel6",     {416,  26,  409,   109},        0xffffffff},
    {&TForm2::Panel7,        "Panel7",     {487,  -1,    5,   136},        0},
};

// Pictures. Only a 4 px strip at the right edge of Image6 lies inside the window.
struct PicturePlace {
  QLabel* TForm2::*member;
  const char* name;
  PixelRect place;
  const char* file;  // nullptr: drawn at run time
  bool visible;
};
constexpr PicturePlace kPictures[] = {
    // control          name      left  top  width  height (px)  file                 shown
    {&TForm2::Image2,   "Image2", {180,   9,  220,   116},  "airplane.jpg",       false},
    {&TForm2::Image3,   "Image3", {180,   8,  220,   127},  "airplane.jpg",       false},
    {&TForm2::Image4,   "Image4", {182,   9,  218,   115},  "capsule.jpg",        false},
    {&TForm2::Image5,   "Image5", {182,   9,  222,   120},  "balloon.jpg",        false},
    {&TForm2::Image6,   "Image6", {-54, -58,   58,   117},  "rocket_strip.jpg",   false},
    {&TForm2::Image7,   "Image7", {182,   9,  224,   115},  "rocket.jpg",         false},
    {&TForm2::Image8,   "Image8", {182,   9,  224,   125},  "projectile.jpg",     false},
    {&TForm2::Image1,   "Image1", {180, 141,  713,   500},  nullptr,              true},
};

// Captions in their designed German text.
struct LabelPlace {
  QLabel* TForm2::*member;
  const char* name;
  PixelRect place;
  const char* text;
  bool visible;
};
constexpr LabelPlace kLabels[] = {
    // control          name       left  top  width  height (px)  designed text                          shown
    {&TForm2::Label23, "Label23", { 12,  30, 111, 19}, "Treibstoffmasse, kg",                  false},
    {&TForm2::Label18, "Label18", { 12,  33, 111, 19}, "Gasdichte, kg/m3",                     false},
    {&TForm2::Label26, "Label26", { 16,  50, 107, 19}, "Radius, m",                            false},
    {&TForm2::Label22, "Label22", { 12,  55, 111, 19}, "Triebwerkmasse (ohne Treibstoff), kg", false},
    {&TForm2::Label20, "Label20", { 12,  58, 111, 19}, "Flughohe, m",                          false},
    {&TForm2::Label6,  "Label6",  { 12,  80, 111, 19}, "Isp, N*s/kg = (s*9,8)",                false},
    {&TForm2::Label28, "Label28", { 12,  90, 111, 19}, "Gasverlust, (L/m2) 24h",               false},
    {&TForm2::Label24, "Label24", { 12, 105, 111, 19}, "Schub, N",                             false},
    {&TForm2::Label15, "Label15", { 46, 108,  72, 13}, "Volumen, m3",                          false},
    {&TForm2::Label27, "Label27", { 12, 110, 111, 19}, "Auftrieb/Masse, %",                    false},
    {&TForm2::Label21, "Label21", { 15, 149,  45, 15}, "p = m/S",                              true},
    {&TForm2::Label13, "Label13", { 12, 198, 111, 19}, "Cw",                                   true},
    {&TForm2::Label11, "Label11", { 12, 218, 111, 19}, "Ca",                                   true},
    {&TForm2::Label8,  "Label8",  { 12, 256, 111, 19}, "Gewicht, mo,kg",                       true},
    {&TForm2::Label19, "Label19", { 12, 276, 111, 19}, "Flache, So, m2",                       true},
    {&TForm2::Label7,  "Label7",  { 12, 296, 111, 19}, "Windgeschwindigkeit  Vw, m/s",         true},
    {&TForm2::Label10, "Label10", { 12, 316, 111, 19}, "Integrationsschritt, s",               true},
    {&TForm2::Label12, "Label12", { 14, 352, 156, 17}, "Anfangsbedingungen ",                  true},
    {&TForm2::Label14, "Label14", { 12, 374, 111, 19}, "Bahnwinkel,  Qo, grad",                true},
    {&TForm2::Label25, "Label25", { 12, 396, 111, 19}, "Hohe, Ho, m",                          true},
    {&TForm2::edV,     "edV",     { 12, 418, 111, 19}, "Geschwindigkeit, Vo, m/s",             true},
    {&TForm2::Label1,  "Label1",  { 12, 461, 158, 17}, "Endbedingungen",                       true},
    {&TForm2::Label3,  "Label3",  { 12, 482, 111, 19}, "Zeit, s",                              true},
    // The end altitude and velocity come from the preset and are not edited: their
    // fields are hidden, and so are their labels.
    {&TForm2::Label2,  "Label2",  { 12, 506, 111, 19}, "Hohe, H, m ",                          false},
    {&TForm2::Label4,  "Label4",  { 12, 528, 111, 19}, "Geschwindigkeit, Vk, m/s",             false},
    {&TForm2::Label16, "Label16", {200,  11,  50, 17}, "FLUG",                                 false},
    {&TForm2::Label17, "Label17", {264,  11,  60, 17}, "START",                                true},
    {&TForm2::Label9,  "Label9",  {420,   7,  64, 17}, " <- - f ( x )",                        true},
    {&TForm2::Label5,  "Label5",  {495,   7,  60, 17}, "f ( t ) - - >",                        true},
};

// Input fields with their change handlers. Activation moves the class fields designed
// at the right into the class box.
struct FieldPlace {
  QLineEdit* TForm2::*member;
  const char* name;
  PixelRect place;
  bool visible;
  void (TForm2::*handler)();
};
constexpr FieldPlace kFields[] = {
    // control                 name              left  top  width  height (px)  shown  handler
    {&TForm2::EdGas,          "EdGas",          {128,  33, 41, 19}, false, &TForm2::EdGasChange},
    {&TForm2::EdHFlug,        "EdHFlug",        {128,  58, 41, 19}, false, &TForm2::EdHFlugChange},
    {&TForm2::EdGasverlust,   "EdGasverlust",   {744, 312, 39, 19}, false, &TForm2::EdGasverlustChange},
    {&TForm2::EdAuftriebplus, "EdAuftriebplus", {744, 286, 39, 19}, false, &TForm2::EdAuftriebplusChange},
    {&TForm2::EdMt,           "EdMt",           {740, 155, 41, 19}, false, &TForm2::EdMtChange},
    {&TForm2::EdMdv,          "EdMdv",          {740, 212, 41, 19}, false, &TForm2::EdMdvChange},
    {&TForm2::EdIud,          "EdIud",          {740, 182, 41, 19}, false, &TForm2::EdIudChange},
    {&TForm2::EdSchub,        "EdSchub",        {740, 238, 41, 19}, false, &TForm2::EdSchubChange},
    {&TForm2::EdRSAT,         "EdRSAT",         {742, 265, 40, 19}, false, &TForm2::EdRSATChange},
    {&TForm2::EdCx,           "EdCx",           {128, 198, 40, 19}, true,  &TForm2::EdCxChange},
    {&TForm2::EdCy,           "EdCy",           {128, 218, 40, 19}, true,  &TForm2::EdCyChange},
    {&TForm2::edMassaStart,   "edMassaStart",   {128, 256, 40, 19}, true,  &TForm2::edMassaStartChange},
    {&TForm2::EdS0,           "EdS0",           {128, 276, 40, 19}, true,  &TForm2::EdS0Change},
    {&TForm2::edVwind,        "edVwind",        {128, 296, 40, 19}, true,  &TForm2::edVwindChange},
    {&TForm2::eddt0,          "eddt0",          {128, 316, 40, 19}, true,  &TForm2::eddt0Change},
    {&TForm2::EdTTO,          "EdTTO",          {128, 374, 40, 19}, true,  &TForm2::EdTTOChange},
    {&TForm2::edH0,           "edH0",           {128, 396, 40, 19}, true,  &TForm2::edH0Change},
    {&TForm2::edV0,           "edV0",           {129, 418, 40, 19}, true,  &TForm2::edV0Change},
    {&TForm2::edTk,           "edTk",           {128, 482, 40, 19}, true,  &TForm2::edTkChange},
    {&TForm2::edHkk,          "edHkk",          {128, 506, 40, 19}, false, &TForm2::edHkkChange},
    {&TForm2::edVk,           "edVk",           {128, 528, 40, 19}, false, &TForm2::edVkChange},
};

// Display boxes: borderless, read-only, never parsed. The glider speed box is wider than
// designed so that its full-precision text fits.
struct DisplayPlace {
  QLineEdit* TForm2::*member;
  const char* name;
  PixelRect place;
  bool visible;
};
constexpr DisplayPlace kDisplays[] = {
    // control                name             left  top  width  height (px)  shown
    {&TForm2::EdBelastung,   "EdBelastung",   { 15, 166,  45, 13},  true},
    {&TForm2::EdiVopt,       "EdiVopt",       { 13, 435, 110, 15},  false},
    {&TForm2::Volumen_Start, "Volumen_Start", {121, 108,  52, 13},  false},
};

// The aerodynamics selector; its items are the values of AeroModel in order.
constexpr PixelRect kAeroBoxPlace = {64, 154, 104, 21};  // px
constexpr const char* kAeroBoxText = "Aerodynamic";
constexpr const char* kAeroModels[] = {"Constant", "Titan-2, Cl,Cd=f(M,alfa)", "A-4, Cd=f(M)"};

// Chart buttons: the range charts in one column at the left of the button area, the time
// charts in a grid of 82 px columns and 26 px rows right of the separator. A button
// without a handler is never drawn; captions come from the chart catalogue.
struct ChartButtonPlace {
  QPushButton* TForm2::*member;
  const char* name;
  PixelRect place;
  bool visible;
  void (TForm2::*handler)();
};
constexpr ChartButtonPlace kChartButtons[] = {
    // control            name         left  top  width  height (px)  shown  handler
    {&TForm2::Button9,   "Button9",   {422,  30, 62, 22}, true,  &TForm2::Button9Click},
    {&TForm2::Button2,   "Button2",   {422,  56, 62, 22}, true,  &TForm2::Button2Click},
    {&TForm2::Button15,  "Button15",  {422,  82, 62, 22}, true,  &TForm2::Button15Click},
    {&TForm2::Button22,  "Button22",  {497,  30, 78, 22}, true,  &TForm2::Button22Click},
    {&TForm2::Button27,  "Button27",  {579,  30, 78, 22}, true,  &TForm2::Button27Click},
    {&TForm2::Button3,   "Button3",   {661,  30, 78, 22}, true,  &TForm2::Button3Click},
    {&TForm2::Button10,  "Button10",  {743,  30, 78, 22}, true,  &TForm2::Button10Click},
    {&TForm2::Button4,   "Button4",   {497,  56, 78, 22}, true,  &TForm2::Button4Click},
    {&TForm2::Button6,   "Button6",   {579,  56, 78, 22}, true,  &TForm2::Button6Click},
    {&TForm2::Button7,   "Button7",   {661,  56, 78, 22}, true,  &TForm2::Button7Click},
    {&TForm2::Button8,   "Button8",   {743,  56, 78, 22}, true,  &TForm2::Button8Click},
    {&TForm2::Button11,  "Button11",  {497,  82, 78, 22}, true,  &TForm2::Button11Click},
    {&TForm2::Button12,  "Button12",  {579,  82, 78, 22}, true,  &TForm2::Button12Click},
    {&TForm2::Button14,  "Button14",  {661,  82, 78, 22}, false, &TForm2::Button14Click},
    {&TForm2::ButtonP,   "ButtonP",   {743,  82, 78, 22}, false, &TForm2::ButtonPClick},
    {&TForm2::ButtonCya, "ButtonCya", {497, 108, 78, 22}, false, &TForm2::ButtonCyaClick},
    {&TForm2::Button18,  "Button18",  {579, 108, 78, 22}, false, &TForm2::Button18Click},
    {&TForm2::Button17,  "Button17",  {661, 108, 78, 22}, false, &TForm2::Button17Click},
    {&TForm2::Button13,  "Button13",  {743, 108, 78, 22}, false, nullptr},
};
constexpr const char* kUncataloguedCaption = "atm";

// Commands.
struct CommandPlace {
  QPushButton* TForm2::*member;
  const char* name;
  PixelRect place;
  const char* caption;
  bool bold;
  QRgb ink;  // 0: the style's
  void (TForm2::*handler)();
};
constexpr CommandPlace kCommands[] = {
    // control               name            left  top  width  height (px)  caption    bold   ink         handler
    {&TForm2::Button1,      "Button1",      {852,  6, 36, 42}, "START",   true,  0xffff0000, &TForm2::Button1Click},
    {&TForm2::Button19,     "Button19",     {557,  6, 55, 16}, "I N F",   false, 0xff008000, &TForm2::Button19Click},
    {&TForm2::ButtonHELP,   "ButtonHELP",   {621,  6, 56, 16}, "H E L P", false, 0xff008000, &TForm2::ButtonHELPClick},
    {&TForm2::ButtonExtras, "ButtonExtras", {686,  6, 56, 16}, "Extras",  false, 0xff008000, &TForm2::ButtonExtrasClick},
    {&TForm2::Button5,      "Button5",      {848, 55, 42, 35}, "MAIN",    true,  0,          &TForm2::Button5Click},
    {&TForm2::Button16,     "Button16",     {848, 96, 44, 39}, "QUIT",    true,  0,          &TForm2::Button16Click},
};
constexpr int kStartCaptionRoom = 4;  // px the bold START caption leaves to the bevel

// Text panels, hidden until I N F or H E L P.
struct MemoPlace {
  QPlainTextEdit* TForm2::*member;
  const char* name;
  PixelRect place;
};
constexpr MemoPlace kMemos[] = {
    // control        name     left  top  width  height (px)
    {&TForm2::Memo1, "Memo1", {422, 377, 472, 265}},
    {&TForm2::Memo2, "Memo2", {234, 182, 358, 211}},
};

}  // namespace

void TForm2::BuildFrames() {
  for (const PixelRect& place : kBevels) MakeBevel(this, place);
  // Built here, stacked later: see BuildChartButtons.
  for (const PanelPlace& panel : kPanels) {
    QFrame* frame = panel.fill ? MakePanel(this, panel.name, panel.place, QColor::fromRgb(panel.fill))
                               : new QFrame(this);
    if (!panel.fill) Place(frame, panel.name, panel.place);
    this->*panel.member = frame;
  }
  Panel7->setFrameStyle(QFrame::Panel | QFrame::Raised);
}

void TForm2::BuildPictures() {
  for (const PicturePlace& place : kPictures) {
    QLabel* image = MakePicture(this, place.name, place.place, place.file);
    image->setVisible(place.visible);
    this->*place.member = image;
  }
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
    Place(label, place.name, place.place);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    SetCaption(label, QString::fromUtf8(place.text));
    label->setVisible(place.visible);
    this->*place.member = label;
  }
  SetColour(Label17, QPalette::WindowText, Qt::red);
  MakeBold(Label17);
  // The class pictures cover the static caption of their frame.
  for (QLabel* image : {Image2, Image3, Image4, Image5, Image6, Image7, Image8}) image->raise();

  for (const FieldPlace& place : kFields) {
    auto* edit = new QLineEdit(this);
    Place(edit, place.name, place.place);
    edit->setVisible(place.visible);
    this->*place.member = edit;
    handlers_.emplace_back(edit, place.handler);
    connect(edit, &QLineEdit::textChanged, this, [this, edit, handler = place.handler] {
      FitEdit(edit);
      (this->*handler)();
    });
  }

  for (const DisplayPlace& place : kDisplays) {
    auto* box = new QLineEdit(this);
    Place(box, place.name, place.place);
    box->setFrame(false);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setTextMargins(0, 0, 0, 0);
    box->setVisible(place.visible);
    this->*place.member = box;
    // Without a frame the box has 2 px more room than an edit.
    connect(box, &QLineEdit::textChanged, this, [box] {
      FitFont(box, box->text(), box->width() - 2 * kEditInnerMargin + 2);
    });
  }
  SetColour(EdBelastung, QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
  connect(Volumen_Start, &QLineEdit::textChanged, this, &TForm2::Volumen_StartChange);

  AeroBox1 = new QComboBox(this);
  Place(AeroBox1, "AeroBox1", kAeroBoxPlace);
  for (const char* model : kAeroModels) AeroBox1->addItem(QString::fromLatin1(model));
  AeroBox1->setPlaceholderText(QString::fromLatin1(kAeroBoxText));
  AeroBox1->setCurrentIndex(-1);
  QFont comboFont = AeroBox1->font();
  comboFont.setFamily(QStringLiteral("DejaVu Sans Condensed"));
  comboFont.setPointSizeF(7.0);
  AeroBox1->setFont(comboFont);
  connect(AeroBox1, &QComboBox::currentIndexChanged, this, &TForm2::AeroBox1Change);
}

void TForm2::BuildChartButtons() {
  for (const ChartButtonPlace& place : kChartButtons) {
    const ChartEntry* chart = FindChart(place.name);
    const QString caption = QString::fromUtf8(chart ? chart->caption : kUncataloguedCaption);
    QPushButton* button = MakeButton(this, place.name, place.place, caption);
    FitButton(button);
    if (place.handler) connect(button, &QPushButton::clicked, this, place.handler);
    // A chart the catalogue does not know is never offered.
    button->setVisible(place.visible && (!place.handler || chart));
    this->*place.member = button;
  }
  // The cover lies over the buttons, the separator over the cover.
  Panel6->raise();
  Panel7->raise();
}

void TForm2::BuildCommands() {
  for (const CommandPlace& place : kCommands) {
    QPushButton* button = MakeButton(this, place.name, place.place, QString::fromLatin1(place.caption));
    connect(button, &QPushButton::clicked, this, place.handler);
    if (place.bold) MakeBold(button);
    if (place.ink) SetColour(button, QPalette::ButtonText, QColor::fromRgb(place.ink));
    this->*place.member = button;
  }
  FitFont(Button1, Button1->text(), Button1->width() - kStartCaptionRoom);

  for (const MemoPlace& place : kMemos) {
    QPlainTextEdit* memo = MakeMemo(this, place.name, place.place);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->hide();
    this->*place.member = memo;
  }
  Memo1->setPlainText(QString::fromUtf8(Texts().usageTerms.in(WindowLanguage)));
  Memo2->setPlainText(QString::fromUtf8(Texts().troubleshooting.in(WindowLanguage)));

  results_ = new ChartResults(*this, record_, messages_, locale_, askSavePath_,
                              [this] { DrawShownChart(log().CurveList, log().CurveCount); });
  results_->ApplyLanguage();
}

}  // namespace zarv

// The commands: the text panels, MAIN, QUIT, the chart buttons and the chart
// picture's menu.
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

#include "charts/chart_catalogue.h"
#include "haupt/chart_results.h"
#include "haupt/overlay_commands.h"
#include "haupt/field_text.h"
#include "haupt/flight_commands.h"
#include "haupt/haupt.h"
#include "haupt/message_sink.h"
#include "haupt/trust_commands.h"
#include "haupt/window_texts.h"
#include "trajectory/file_writer.h"

namespace zarv {

namespace {

constexpr int kBlankWidth = 770;   // px, the empty picture MAIN leaves
constexpr int kBlankHeight = 515;  // px

}  // namespace

void TForm2::Button19Click() {
  Memo1->show();
  Memo2->hide();
}

void TForm2::ButtonHELPClick() {
  Memo2->show();
  Memo1->hide();
}

void TForm2::Button5Click() {
  if (!flights_->MayLeave()) return;
  ClearForActivation();
  close();
  emit mainRequested();
}

void TForm2::closeEvent(QCloseEvent* event) {
  // The title bar's close comes from the window system and is MAIN; close() from MAIN,
  // QUIT or the start window follows what they have done already.
  if (event->spontaneous()) {
    ClearForActivation();
    event->accept();
    emit mainRequested();
    return;
  }
  QWidget::closeEvent(event);
}

void TForm2::ClearForActivation() {
  StopRun();
  trust_->WindowLeft();
  results_->overlays().WindowLeft();
  RunNote->hide();
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
  chartShown_ = false;
  // The picture comes to the front of the other pictures; the text panels stay above it.
  Image1->raise();
  Memo1->raise();
  Memo2->raise();
  for (QLabel* image : {Image8, Image7, Image6, Image5, Image4, Image3, Image2}) image->hide();
}

void TForm2::Button16Click() {
  if (!flights_->MayLeave()) return;
  StopRun();
  trust_->WindowLeft();
  results_->overlays().WindowLeft();
  RunNote->hide();
  Memo1->hide();
  Memo2->hide();
  emit quitRequested();
  close();
}

void TForm2::ShowPicture(const QImage& picture, bool isChart) {
  chartPicture_ = picture;
  Image1->setPixmap(QPixmap::fromImage(chartPicture_));
  results_->SetChartShown(isChart);
}

void TForm2::ShowChart(const std::array<int, kCurveListSize>& curveList, int curveCount) {
  results_->RunFinished();
  DrawShownChart(curveList, curveCount);
  // The chart buttons are offered once there is a run of this activation to draw.
  Panel6->lower();
}

void TForm2::DrawShownChart(const std::array<int, kCurveListSize>& curveList, int curveCount) {
  ChartSettings settings;
  settings.windowLanguage = WindowLanguage;
  settings.vehicleClass = WindowClass;
  settings.roundEarth = trust_->drawnRunRound();
  QImage picture;
  const ChartButtons buttons = results_->Draw(curveList, curveCount, settings, picture);
  for (QPushButton* button : {ButtonCya, Button6, Button11, Button14})
    button->setVisible(buttons.liftCharts);
  Button18->setVisible(buttons.balloonChart);
  ShowPicture(picture, true);
  chartShown_ = true;
}

void TForm2::DrawCatalogueChart(const char* buttonName) {
  const ChartEntry* chart = FindChart(buttonName);
  // The log is the worker's during a run.
  if (!chart || running()) return;
  results_->ChartChosen(chart->curveList[0]);
  TrajectoryLog& log = calc_.log();
  log.CurveList = chart->curveList;
  log.CurveCount = chart->curveCount;
  DrawShownChart(log.CurveList, log.CurveCount);
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

void TForm2::ButtonExtrasClick() { results_->ShowExtrasMenu(ButtonExtras); }

QMenu* TForm2::makeChartMenu(QWidget* parent) {
  auto* menu = new QMenu(parent);
  results_->FillMenu(*menu);
  return menu;
}

void TForm2::SaveChartPicture() { results_->SavePicture(); }

void TForm2::CopyChartPicture() { results_->CopyPicture(); }

}  // namespace zarv

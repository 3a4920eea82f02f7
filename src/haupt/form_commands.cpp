// The commands: START, the text panels, MAIN, QUIT, the chart buttons and the chart
// picture's menu.
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

#include "charts/chart_catalogue.h"
#include "haupt/field_text.h"
#include "haupt/haupt.h"
#include "haupt/message_sink.h"
#include "haupt/window_texts.h"
#include "trajectory/result_file.h"
#include "texts/run_messages.h"

namespace zarv {

namespace {

constexpr int kBlankWidth = 770;   // px, the empty picture MAIN leaves
constexpr int kBlankHeight = 515;  // px

}  // namespace

void TForm2::Button1Click() {
  Memo1->hide();
  Memo2->hide();
  Panel6->lower();

  // Fine steps make long runs; the cursor says the window is busy, not frozen.
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  const std::optional<RunFailure> error = run_.Run(inputs_, VehicleClassFromRecord(record_[sf::VehicleClass]), log_);
  QGuiApplication::restoreOverrideCursor();
  if (error) {
    messages_.ShowError(QString::fromStdString(DescribeRunFailure(*error, LanguageFromRecord(WindowLanguage))));
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

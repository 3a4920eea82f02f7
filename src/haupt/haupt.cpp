#include "haupt/haupt.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QWindow>

#include "haupt/form_widgets.h"
#include "haupt/results_files.h"
#include "scenario/program_info.h"

namespace zarv {

namespace {

constexpr int kClientWidth = 900;   // px
constexpr int kClientHeight = 650;  // px
constexpr int kDesignedLeft = 229;  // px on the screen
constexpr int kDesignedTop = 0;     // px

QString DefaultSavePath(QWidget* parent, const QString& title, const QString& filter) {
  QString chosen;
  const QString path = QFileDialog::getSaveFileName(parent, title, QString(), filter, &chosen);
  return WithFilterSuffix(path, chosen);
}

}  // namespace

TForm2::TForm2(Scenario& record, MessageSink& messages, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint),
      record_(record),
      messages_(messages),
      askSavePath_(DefaultSavePath) {
  SetUpFixedWindow(this, "Form2", QString::fromUtf8(kBanner), QSize(kClientWidth, kClientHeight));
  move(kDesignedLeft, kDesignedTop);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPointSizeF(8.0);
  setFont(font);

  // Creation order is stacking and focus order.
  BuildFrames();
  BuildPictures();
  BuildFields();
  BuildChartButtons();
  BuildCommands();
  BuildRunPanel();
  BuildTrustCommands();
  BuildFlightCommands();

  connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &TForm2::ProgramFocusMoved);
}

TForm2::~TForm2() = default;

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

}  // namespace zarv

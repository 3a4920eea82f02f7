// START: the fields are read, the run goes to the worker thread and the window keeps
// answering; a long run shows its progress over the chart and can be cancelled.
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

#include "haupt/chart_results.h"
#include "haupt/field_text.h"
#include "haupt/form_widgets.h"
#include "haupt/haupt.h"
#include "haupt/message_sink.h"
#include "haupt/results_files.h"
#include "haupt/trust_commands.h"
#include "haupt/window_texts.h"
#include "texts/form_captions.h"
#include "texts/input_messages.h"
#include "texts/run_messages.h"

namespace zarv {

namespace {

// The bar over the chart area, and its parts inside it.
constexpr PixelRect kRunPanel = {386, 356, 300, 80};    // px
constexpr PixelRect kRunLabel = {10, 6, 280, 16};       // px
constexpr PixelRect kRunBar = {10, 26, 280, 20};        // px
constexpr PixelRect kRunCancel = {90, 52, 120, 22};     // px
constexpr int kProgressTick = 100;                      // ms between looks at the run
// Below the input column: what a cancelled run left on the chart.
constexpr PixelRect kRunNote = {8, 574, 166, 64};       // px
const QColor kNoteColour(0xFF, 0xF4, 0xC0);             // pale yellow

}  // namespace

void TForm2::BuildRunPanel() {
  RunPanel = MakePanel(this, "RunPanel", kRunPanel, Qt::white);
  RunPanel->setFrameStyle(QFrame::Box | QFrame::Plain);
  RunLabel = new QLabel(RunPanel);
  Place(RunLabel, "RunLabel", kRunLabel);
  RunLabel->setAlignment(Qt::AlignCenter);
  RunProgress = new QProgressBar(RunPanel);
  Place(RunProgress, "RunProgress", kRunBar);
  RunProgress->setTextVisible(true);
  RunProgress->setAlignment(Qt::AlignCenter);
  RunCancel = MakeButton(RunPanel, "RunCancel", kRunCancel, QString());
  connect(RunCancel, &QPushButton::clicked, this, &TForm2::CancelRun);
  RunPanel->hide();

  RunNote = new QLabel(this);
  Place(RunNote, "RunNote", kRunNote);
  RunNote->setWordWrap(true);
  RunNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  RunNote->setFrameStyle(QFrame::Box | QFrame::Plain);
  RunNote->setMargin(2);
  FillBackground(RunNote, kNoteColour);
  RunNote->hide();

  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &TForm2::CancelRun);

  progressTimer_ = new QTimer(this);
  progressTimer_->setInterval(kProgressTick);
  connect(progressTimer_, &QTimer::timeout, this, &TForm2::ShowRunProgress);
  logBeforeRun_ = std::make_unique<TrajectoryLog>();
  connect(&run_, &BackgroundRun::finished, this, &TForm2::RunEnded);
}

void TForm2::Button1Click() {
  // Clicks that reach us during a run start nothing.
  if (running()) return;
  Memo1->hide();
  Memo2->hide();
  RunNote->hide();
  if (!ReadFields()) return;

  inputsBeforeRun_ = calc_.inputs();
  *logBeforeRun_ = calc_.log();
  calc_.setSettings(trust_->runSettings());
  Button1->setEnabled(false);
  runClock_.start();
  progressTimer_->start();
  run_.Start(calc_);
  ShowRunProgress();
}

void TForm2::ShowRunProgress() {
  if (!running() || runClock_.elapsed() < progressDelay_.count()) return;
  const double progress = run_.progress();
  RunLabel->setText(QString::fromUtf8(Texts().runBusy.in(WindowLanguage)));
  if (progress < 0.0) {
    // No progress reported yet: a busy bar.
    RunProgress->setRange(0, 0);
  } else {
    RunProgress->setRange(0, 100);
    RunProgress->setFormat(QStringLiteral("%p%"));
    RunProgress->setValue(static_cast<int>(progress * 100.0));
  }
  if (RunPanel->isHidden()) {
    RunCancel->setEnabled(true);
    FitButton(RunCancel);
    RunPanel->raise();
    RunPanel->show();
  }
}

void TForm2::CancelRun() {
  if (!running()) return;
  run_.Cancel();
  RunCancel->setEnabled(false);
}

void TForm2::StopRun() {
  if (!running()) return;
  run_.Cancel();
  run_.Wait();
}

void TForm2::ShowCancelNote() {
  QString note = QString::fromUtf8(Texts().runCancelled.in(WindowLanguage));
  if (chartShown_) {
    const std::string& label = results_->runLabel();
    note += QLatin1Char(' ');
    note += label.empty() ? QString::fromUtf8(Texts().chartShowsEarlierRun.in(WindowLanguage))
                          : QString::fromUtf8(Texts().chartShowsRun.in(WindowLanguage))
                                .arg(QString::fromStdString(label));
  }
  SetWrappedText(RunNote, note);
  RunNote->raise();
  RunNote->show();
}

void TForm2::RunEnded() {
  progressTimer_->stop();
  RunPanel->hide();
  Button1->setEnabled(true);

  if (run_.cancelled()) {
    // Whatever the worker got to, the window keeps what it had.
    calc_.inputs() = inputsBeforeRun_;
    calc_.log() = *logBeforeRun_;
    ShowCancelNote();
  } else if (const std::optional<RunFailure>& failure = run_.failure()) {
    const auto caption = [this](std::string_view input) {
      return '"' + InputCaption(input, WindowLanguage, WindowClass) + '"';
    };
    messages_.ShowError(QString::fromStdString(DescribeRunFailure(*failure, WindowLanguage, caption)));
  } else {
    if (WindowClass == VehicleClass::Balloon) PutText(EdS0, FieldText4(calc_.inputs().S0, locale_));
    ShowWingLoading();
    const FileWriteResult written = calc_.WriteResultFile();
    // The run is good whether or not its file could be written: it is shown either way.
    trust_->RunDrawn(inputsBeforeRun_);
    ShowChart(calc_.log().CurveList, calc_.log().CurveCount);
    if (!written.ok) {
      const QString path = QFile::decodeName(written.path.c_str());
      messages_.ShowError(WriteFailedText(path, written.reason, WindowLanguage));
    }
  }
  // A return from the start window during the run reads the record now.
  if (activationPending_) {
    activationPending_ = false;
    FormAktivate();
  }
  emit runEnded();
}

}  // namespace zarv

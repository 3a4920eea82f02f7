// START: the fields are read, the run goes to the worker thread and the window keeps
// answering; a long run shows its progress over the chart and can be cancelled.
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

#include "haupt/field_text.h"
#include "haupt/form_widgets.h"
#include "haupt/haupt.h"
#include "haupt/message_sink.h"
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
constexpr qint64 kQuietRun = 300;                       // ms a run goes without a bar

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
  Panel6->lower();
  if (!ReadFields()) return;

  inputsBeforeRun_ = calc_.inputs();
  *logBeforeRun_ = calc_.log();
  calc_.setSettings(trust_->runSettings());
  Button1->setEnabled(false);
  runClock_.start();
  progressTimer_->start();
  run_.Start(calc_);
}

void TForm2::ShowRunProgress() {
  if (!running() || runClock_.elapsed() < kQuietRun) return;
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

void TForm2::RunEnded() {
  progressTimer_->stop();
  RunPanel->hide();
  Button1->setEnabled(true);

  if (run_.cancelled()) {
    // Whatever the worker got to, the window keeps what it had.
    calc_.inputs() = inputsBeforeRun_;
    calc_.log() = *logBeforeRun_;
  } else if (const std::optional<RunFailure>& failure = run_.failure()) {
    const auto caption = [this](std::string_view input) {
      return '"' + InputCaption(input, WindowLanguage, WindowClass) + '"';
    };
    messages_.ShowError(QString::fromStdString(DescribeRunFailure(*failure, WindowLanguage, caption)));
  } else {
    if (WindowClass == VehicleClass::Balloon) PutText(EdS0, FieldText4(calc_.inputs().S0, locale_));
    ShowWingLoading();
    const FileWriteResult written = calc_.WriteResultFile();
    if (written.ok) {
      trust_->RunDrawn(inputsBeforeRun_);
      ShowChart(calc_.log().CurveList, calc_.log().CurveCount);
    } else {
      messages_.ShowError(QString::fromUtf8(Texts().fileWriteFailed.in(WindowLanguage))
                              .arg(QString::fromStdString(written.path.string()),
                                   QString::fromStdString(written.reason)));
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

#include "haupt/trust_commands.h"

#include <memory>
#include <utility>

#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "haupt/chart_results.h"
#include "haupt/form_widgets.h"
#include "haupt/haupt.h"
#include "haupt/message_sink.h"
#include "haupt/report_view.h"
#include "haupt/trust_texts.h"
#include "haupt/window_texts.h"
#include "scenario/calculation.h"
#include "texts/form_captions.h"
#include "texts/model_warning_texts.h"
#include "texts/run_messages.h"
#include "texts/step_check_report.h"
#include "texts/validation_report.h"
#include "trust/validation.h"

namespace zarv {

namespace {

// Over the chart while a step check goes on, clear of the run's progress bar below it.
constexpr PixelRect kBusyPanel = {386, 296, 300, 54};  // px
constexpr PixelRect kBusyLabel = {10, 6, 280, 16};     // px
constexpr PixelRect kBusyBar = {10, 26, 280, 20};      // px

// A step check runs on a calculation of its own, so the window's stays untouched.
}  // namespace

struct StepCheckJob {
  Calculation calculation;
  std::atomic<bool> cancel{false};  // the window is left: stop at the next poll
  std::variant<StepCheck, RunFailure> result = RunFailure{};
};

// The companion runs of the drawn run, on a calculation of their own.
struct RunAssessment {
  Calculation calculation;
  RunOutcomes outcomes;
  std::atomic<bool> cancel{false};  // another run is drawn, or the window is left
  std::optional<RunFindings> findings;
};

bool TrustCommands::Flight::operator==(const Flight& other) const {
  const RunSettings &s = settings, &o = other.settings;
  if (vehicleClass != other.vehicleClass || s.earth != o.earth || s.integrator != o.integrator ||
      s.atol != o.atol) {
    return false;
  }
  RunInputs a = inputs, b = other.inputs;
  a.dt0 = b.dt0 = 0.0;
  for (const char* name : kRunInputNames)
    if (*RunInputByName(a, name) != *RunInputByName(b, name)) return false;
  return true;
}

TrustCommands::TrustCommands(TForm2& window, Calculation& calculation, MessageSink& messages,
                             std::function<bool()> readFields)
    : QObject(&window),
      window_(window),
      calc_(calculation),
      messages_(messages),
      readFields_(std::move(readFields)),
      showReport_([this](QWidget* parent, const QString& title, const QString& text) {
        ShowInView(parent, title, text);
      }) {
  busy_ = MakePanel(&window, "CheckPanel", kBusyPanel, Qt::white);
  busy_->setFrameStyle(QFrame::Box | QFrame::Plain);
  auto* label = new QLabel(busy_);
  Place(label, "CheckLabel", kBusyLabel);
  label->setAlignment(Qt::AlignCenter);
  auto* bar = new QProgressBar(busy_);
  Place(bar, "CheckProgress", kBusyBar);
  bar->setRange(0, 0);
  busy_->hide();

  connect(&window.results(), &ChartResults::languageApplied, this, &TrustCommands::MarkExtras);
  AddCommands();
}

TrustCommands::~TrustCommands() {
  // The workers are joined after this; a cancelled run ends within a few thousand steps.
  CancelCheck();
  CancelAssessment();
}

void TrustCommands::CancelCheck() {
  if (!job_) return;
  job_->cancel = true;
  job_->cancel.notify_all();
}

void TrustCommands::AddCommands() {
  ResultsMenu& menu = window_.results().commands();
  menu.AddSeparator();
  menu.Add(trust_text::kCheckStep, [this] { CheckTheStep(); },
           [this] { return !window_.running() && !checking(); });
  menu.Add(trust_text::kValidation, [this] { ShowValidationReport(); },
           [this] { return !checking(); });
  menu.AddToggle(trust_text::kRoundEarth,
                 [this] { setEarthModel(earthModel() == EarthModel::Round ? EarthModel::Flat : EarthModel::Round); },
                 [this] { return earthModel() == EarthModel::Round; });
  menu.AddSeparator();
  const std::pair<const LanguageText*, Integrator> integrators[] = {
      {&trust_text::kEuler, Integrator::Euler},
      {&trust_text::kRungeKutta, Integrator::Rk4},
      {&trust_text::kAdaptive, Integrator::Adaptive},
  };
  for (const auto& [caption, integrator] : integrators) {
    menu.AddToggle(*caption, [this, integrator] { setIntegrator(integrator); },
                   [this, integrator] { return settings_.integrator == integrator; });
  }
}

void TrustCommands::setEarthModel(EarthModel earth) {
  RunSettings settings = settings_;
  settings.earth = earth;
  setRunSettings(settings);
}

void TrustCommands::setIntegrator(Integrator integrator) {
  RunSettings settings = settings_;
  settings.integrator = integrator;
  setRunSettings(settings);
}

void TrustCommands::setRunSettings(const RunSettings& settings) {
  if (settings == settings_) return;
  settings_ = settings;
  emit runSettingsChanged();
}

void TrustCommands::CheckTheStep() {
  // The worker owns the window's inputs during a run, and one check at a time will do.
  if (window_.running() || checking()) return;
  if (!readFields_()) return;

  // The settings the window's runs take, tolerances included.
  const Flight flight{calc_.inputs(), calc_.vehicleClass(), settings_};
  auto job = std::make_shared<StepCheckJob>();
  job->calculation.inputs() = flight.inputs;
  job->calculation.setVehicleClass(flight.vehicleClass);
  job->calculation.setSettings(flight.settings);

  ShowBusy(trust_text::kCheckingStep);
  job_ = job;
  task_.Start(
      [job, hook = checkHook_] {
        if (hook) hook(job->cancel);
        job->result = CheckStep(job->calculation, kDefaultStepTolerance, &job->cancel);
      },
      [this, job, flight] { CheckEnded(flight, job->result); });
}

void TrustCommands::CheckEnded(const Flight& flight,
                               const std::variant<StepCheck, RunFailure>& result) {
  busy_->hide();
  const Language language = window_.WindowLanguage;
  if (const auto* problem = std::get_if<RunFailure>(&result)) {
    const VehicleClass vehicleClass = flight.vehicleClass;
    const auto caption = [language, vehicleClass](std::string_view input) {
      return '"' + InputCaption(input, language, vehicleClass) + '"';
    };
    messages_.ShowError(QString::fromStdString(DescribeRunFailure(*problem, language, caption)));
    return;
  }
  const StepCheck& check = std::get<StepCheck>(result);
  lastCheck_ = CheckedFlight{flight, check};
  // The shown run may be the flight just checked.
  UpdateWarnings();
  Report(trust_text::kCheckStep, FormatStepCheck(check, language));
}

void TrustCommands::ShowBusy(const LanguageText& what) {
  auto* label = busy_->findChild<QLabel*>(QStringLiteral("CheckLabel"));
  label->setText(Text(what, window_.WindowLanguage));
  busy_->raise();
  busy_->show();
}

void TrustCommands::ShowValidationReport() {
  // A quarter of a second of runs: on the worker, as a check is.
  if (checking()) return;
  ShowBusy(trust_text::kValidating);
  auto rows = std::make_shared<std::vector<ValidationRow>>();
  task_.Start([rows] { *rows = RunValidation(); },
              [this, rows] {
                busy_->hide();
                const Language language = window_.WindowLanguage;
                Report(trust_text::kValidation, FormatValidationReport(*rows, language));
              });
}

void TrustCommands::Report(const LanguageText& title, const std::string& text) {
  showReport_(&window_, Text(title, window_.WindowLanguage), QString::fromStdString(text));
}

void TrustCommands::ShowInView(QWidget* parent, const QString& title, const QString& text) {
  if (!view_) view_ = new ReportView(parent);
  view_->ShowReport(title, text, Text(trust_text::kClose, window_.WindowLanguage));
}

void TrustCommands::RunDrawn(const RunInputs& inputs) {
  drawn_ = DrawnRun{{inputs, calc_.vehicleClass(), calc_.settings()},
                    OutcomesOf(calc_),
                    std::nullopt};
  Assess();
  UpdateWarnings();
}

void TrustCommands::CancelAssessment() {
  if (!assessment_) return;
  assessment_->cancel = true;
  assessTask_.Abandon();
  assessment_.reset();
}

void TrustCommands::Assess() {
  CancelAssessment();
  // A cancelled assessment stops at its next poll, a few thousand steps away.
  assessTask_.Wait();
  auto job = std::make_shared<RunAssessment>();
  job->calculation.inputs() = drawn_->inputs;
  job->calculation.setVehicleClass(drawn_->vehicleClass);
  job->calculation.setSettings(calc_.settings());
  job->outcomes = drawn_->outcomes;
  assessment_ = job;
  assessTask_.Start(
      [job] {
        job->findings = InvestigateRun(job->calculation, job->outcomes, true, &job->cancel);
      },
      [this, job] {
        if (job != assessment_) return;
        assessment_.reset();
        if (drawn_) drawn_->findings = job->findings;
        UpdateWarnings();
      });
}

void TrustCommands::WindowLeft() {
  CancelCheck();
  task_.Abandon();
  CancelAssessment();
  busy_->hide();
  if (view_) view_->close();
  drawn_.reset();
  UpdateWarnings();
}

void TrustCommands::UpdateWarnings() {
  warnings_.clear();
  if (drawn_ && drawn_->findings) {
    RunFindings findings = *drawn_->findings;
    const bool checked = lastCheck_ && static_cast<const Flight&>(*lastCheck_) == *drawn_;
    findings.lastCheck = checked ? &lastCheck_->check : nullptr;
    warnings_ = ModelWarnings(findings);
  }
  window_.results().ApplyLanguage();
}

void TrustCommands::MarkExtras() {
  QPushButton* button = window_.ButtonExtras;
  QString tip;
  for (const ModelWarning& warning : warnings_) {
    if (!tip.isEmpty()) tip += QLatin1Char('\n');
    tip += QString::fromUtf8(trust_text::kWarningBullet) +
           QString::fromStdString(DescribeModelWarning(warning, window_.WindowLanguage));
  }
  button->setToolTip(tip);
  if (warnings_.empty()) return;
  button->setText(button->text() + QString::fromUtf8(trust_text::kWarningMark));
  FitButton(button);
}

}  // namespace zarv

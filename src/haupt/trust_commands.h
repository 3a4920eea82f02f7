#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include <QObject>
#include <QString>

#include "haupt/background_task.h"
#include "texts/language.h"
#include "trajectory/earth_model.h"
#include "trajectory/run_inputs.h"
#include "trajectory/run_settings.h"
#include "trajectory/vehicle_class.h"
#include "trust/model_warnings.h"
#include "trust/run_outcomes.h"
#include "trust/step_check.h"

class QFrame;
class QWidget;

namespace zarv {

class Calculation;
class MessageSink;
class ReportView;
struct RunAssessment;
struct StepCheckJob;
class TForm2;

// The calculation window's commands that say how far a result can be trusted: the step
// check, the Earth model of its runs, the validation report, and the model warnings of
// the shown run on the Extras button.
class TrustCommands : public QObject {
  Q_OBJECT

 public:
  // Shows a report to the user; tests read it instead.
  using ReportShower =
      std::function<void(QWidget* parent, const QString& title, const QString& text)>;

  // `readFields` reads the shown fields into the calculation's inputs as START does,
  // false (the user told) when one holds no number.
  TrustCommands(TForm2& window, Calculation& calculation, MessageSink& messages,
                std::function<bool()> readFields);
  ~TrustCommands() override;

  void setReportShower(ReportShower shower) { showReport_ = std::move(shower); }

  // The Earth and the integrator every run of the window is computed with from the next
  // START on; they stay for the session, and an opened flight brings its own.
  EarthModel earthModel() const { return settings_.earth; }
  void setEarthModel(EarthModel earth);
  Integrator integrator() const { return settings_.integrator; }
  void setIntegrator(Integrator integrator);
  const RunSettings& runSettings() const { return settings_; }
  void setRunSettings(const RunSettings& settings);

  // The shown fields, checked at dt0, dt0 / 2 and dt0 / 4 (the adaptive method: its
  // tolerance) on a worker thread; the window's run, log and result file stay as they are.
  void CheckTheStep();
  bool checking() const { return task_.running(); }
  // Blocks until a step check or the validation on the worker has ended and been shown.
  void WaitForCheck() { task_.Wait(); }
  // Called on the worker before each check with the check's cancel flag, which is notified
  // when raised: tests hold the worker here, so a check lasts as long as they need.
  using CheckHook = std::function<void(const std::atomic<bool>& cancel)>;
  void setCheckHook(CheckHook hook) { checkHook_ = std::move(hook); }
  // The validation cases, run on the worker as a check is; their report when they end.
  void ShowValidationReport();

  // A run has ended and is about to be drawn; `inputs` are those it started with. Its
  // warnings follow from runs on a worker: the round Earth, the step at 2 dt0.
  void RunDrawn(const RunInputs& inputs);
  // The drawn run flew over the round Earth.
  bool drawnRunRound() const { return drawn_ && drawn_->settings.earth == EarthModel::Round; }
  const std::vector<ModelWarning>& warnings() const { return warnings_; }
  // The drawn run's warnings are still being found.
  bool assessing() const { return assessTask_.running(); }
  // MAIN: the chart is blank, so no warnings; a check still on is not shown.
  void WindowLeft();

  ReportView* reportView() const { return view_; }

 signals:
  void runSettingsChanged();

 private:
  // A flight as far as the step check and the warnings tell flights apart.
  struct Flight {
    RunInputs inputs;
    VehicleClass vehicleClass = VehicleClass::None;
    RunSettings settings;
    // dt0 and rtol aside: the check is about them.
    bool operator==(const Flight& other) const;
  };
  struct DrawnRun : Flight {
    RunOutcomes outcomes;
    std::optional<RunFindings> findings;  // when the assessment has ended
  };
  struct CheckedFlight : Flight {
    StepCheck check;
  };

  void AddCommands();
  void CheckEnded(const Flight& flight, const std::variant<StepCheck, RunFailure>& result);
  void UpdateWarnings();
  // Called whenever the Extras caption has been set in the window language.
  void MarkExtras();
  void ShowInView(QWidget* parent, const QString& title, const QString& text);
  void ShowBusy(const LanguageText& what);
  void CancelCheck();
  void Assess();
  void CancelAssessment();
  void Report(const LanguageText& title, const std::string& text);

  TForm2& window_;
  Calculation& calc_;
  MessageSink& messages_;
  std::function<bool()> readFields_;
  ReportShower showReport_;
  CheckHook checkHook_;
  RunSettings settings_;
  std::optional<DrawnRun> drawn_;
  std::optional<CheckedFlight> lastCheck_;
  std::vector<ModelWarning> warnings_;
  BackgroundTask task_;
  std::shared_ptr<StepCheckJob> job_;  // the last check started, to cancel it
  BackgroundTask assessTask_;
  std::shared_ptr<RunAssessment> assessment_;  // the drawn run's, to cancel it
  QFrame* busy_;
  ReportView* view_ = nullptr;  // made on first use, a child of the window
};

}  // namespace zarv

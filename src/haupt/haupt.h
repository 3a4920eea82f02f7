#pragma once

#include <chrono>
#include <functional>
#include <memory>

#include <QElapsedTimer>
#include <QImage>
#include <QLocale>
#include <QPointer>
#include <QWidget>

#include "charts/chart_frame.h"
#include "haupt/background_run.h"
#include "haupt/dialog_language.h"
#include "scenario/calculation.h"
#include "scenario/scenario.h"
#include "texts/language.h"
#include "trajectory/balloon_envelope.h"
#include "trajectory/run_inputs.h"
#include "trajectory/trajectory_log.h"
#include "trajectory/vehicle_class.h"

class QCloseEvent;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTimer;
class QWindow;

namespace zarv {

class ChartResults;
class MessageSink;
class TrustCommands;

// The calculation window: shows the run inputs of the scenario record, runs the
// trajectory and draws its charts.
class TForm2 : public QWidget {
  Q_OBJECT

 public:
  TForm2(Scenario& record, MessageSink& messages, QWidget* parent = nullptr);
  ~TForm2() override;

  void setStartWindow(QWidget* startWindow);
  // START in the start window: show, come to the front and set up once.
  void showFromStartWindow();

  // Asks for the file name of a saved chart picture; an empty name cancels.
  using SavePathAsker = std::function<QString(QWidget* parent, const QString& title,
                                              const QString& filter)>;
  void setSavePathAsker(SavePathAsker asker) { askSavePath_ = std::move(asker); }

  // Shows a report (the step check, the validation) beside the window.
  using ReportShower =
      std::function<void(QWidget* parent, const QString& title, const QString& text)>;
  void setReportShower(ReportShower shower);

  // Set-up from the scenario record on every activation.
  void FormAktivate();

  // Activation tracking: the program's focus moved to `now` (nullptr: another application).
  void ProgramFocusMoved(QWindow* now);

  // Input field change handlers.
  void EdGasChange();
  void EdHFlugChange();
  void EdGasverlustChange();
  void EdAuftriebplusChange();
  void EdMtChange();
  void EdMdvChange();
  void EdIudChange();
  void EdSchubChange();
  void EdRSATChange();
  void EdCxChange();
  void EdCyChange();
  void edMassaStartChange();
  void EdS0Change();
  void edVwindChange();
  void eddt0Change();
  void EdTTOChange();
  void edH0Change();
  void edV0Change();
  void edTkChange();
  void edHkkChange();
  void edVkChange();
  void Volumen_StartChange();
  void AeroBox1Change();

  // Commands.
  void Button1Click();     // START: a run on the worker thread, ignored while one is on
  void Button19Click();    // I N F
  void ButtonHELPClick();  // H E L P
  void Button5Click();     // MAIN
  void Button16Click();    // QUIT
  void ButtonExtrasClick();  // the results menu

  // Chart buttons.
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Button6Click();
  void Button7Click();
  void Button8Click();
  void Button9Click();
  void Button10Click();
  void Button11Click();
  void Button12Click();
  void Button14Click();
  void Button15Click();
  void Button17Click();
  void Button18Click();
  void Button22Click();
  void Button27Click();
  void ButtonCyaClick();
  void ButtonPClick();

  // The chart picture's context menu: the results commands, as under ButtonExtras.
  QMenu* makeChartMenu(QWidget* parent);
  void SaveChartPicture();
  void CopyChartPicture();

  // Esc or the progress bar's button: the run stops and changes nothing.
  void CancelRun();
  bool running() const { return run_.running(); }

  // How long a run goes before its progress shows (0: at once), and what the worker does
  // with each progress report: tests set both, so that what they see is the same on any
  // machine.
  static constexpr std::chrono::milliseconds kProgressDelay{300};
  void setProgressDelay(std::chrono::milliseconds delay) { progressDelay_ = delay; }
  void setRunProgressHook(BackgroundRun::ProgressHook hook) {
    run_.setProgressHook(std::move(hook));
  }

  // Read only between runs.
  const RunInputs& inputs() const { return calc_.inputs(); }
  const TrajectoryLog& log() const { return calc_.log(); }
  const QImage& chartPicture() const { return chartPicture_; }
  ChartResults& results() { return *results_; }
  // The step check, the Earth model, the validation report and the model warnings.
  TrustCommands& trust() { return *trust_; }
  bool chartShown() const { return chartShown_; }
  bool dialogTranslation() const { return dialogLanguage_.installed(); }
  Language WindowLanguage = Language::German;
  VehicleClass WindowClass = VehicleClass::None;
  int AerostatLatch = 0;
  double Vopt = 0.0;          // m/s, glider speed at which lift equals weight
  double WingLoading = 0.0;   // kg/m2
  BalloonEnvelope Envelope;   // balloon envelope of the last activation

  // Controls, named as on the form.
  QFrame *Panel6, *Panel7, *StartFrame;
  QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9,
      *Label10, *Label11, *Label12, *Label13, *Label14, *Label15, *Label16, *Label17,
      *Label18, *Label19, *Label20, *Label21, *Label22, *Label23, *Label24, *Label25,
      *Label26, *Label27, *Label28, *edV;
  QLineEdit *EdGas, *EdHFlug, *EdGasverlust, *EdAuftriebplus, *EdMt, *EdMdv, *EdIud,
      *EdSchub, *EdRSAT, *EdCx, *EdCy, *edMassaStart, *EdS0, *edVwind, *eddt0, *EdTTO,
      *edH0, *edV0, *edTk, *edHkk, *edVk;
  QLineEdit *EdBelastung, *EdiVopt, *Volumen_Start;
  QComboBox* AeroBox1;
  QPlainTextEdit *Memo1, *Memo2;
  QLabel *Image1, *Image2, *Image3, *Image4, *Image5, *Image6, *Image7, *Image8;
  QPushButton *Button1, *Button19, *ButtonHELP, *Button5, *Button16, *ButtonExtras;
  QPushButton *Button2, *Button3, *Button4, *Button6, *Button7, *Button8, *Button9,
      *Button10, *Button11, *Button12, *Button13, *Button14, *Button15, *Button17,
      *Button18, *Button22, *Button27, *ButtonCya, *ButtonP;
  // Over the chart while a long run goes on.
  QFrame* RunPanel;
  QLabel* RunLabel;
  QProgressBar* RunProgress;
  QPushButton* RunCancel;
  // Says that a run was cancelled and which run the chart still shows.
  QLabel* RunNote;

 signals:
  // MAIN, or the title bar's close: the start window takes over.
  void mainRequested();
  void quitRequested();
  // A run ended, drawn, refused or cancelled.
  void runEnded();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  using Handler = void (TForm2::*)();

  void BuildFrames();
  void BuildFields();
  void BuildCommands();
  void BuildChartButtons();
  void BuildPictures();
  void BuildRunPanel();
  void BuildTrustCommands();

  // Sets a field's text so that its change handler runs, also when the text is unchanged.
  void PutText(QLineEdit* field, const QString& text);
  void PutNumber(QLineEdit* field, double value);
  void StoreField(QLineEdit* field, double& input);
  // A field whose text is no number is tinted, its tooltip saying so in the window language.
  void MarkField(QLineEdit* field, bool notANumber);
  void ShowAeroFields(double aeroModel);
  // The number of every shown field; false, with the message and the focus on the first
  // field that holds none.
  bool ReadFields();
  void RunEnded();
  void ShowCancelNote();
  void ShowRunProgress();
  // MAIN and QUIT stop a run first.
  void StopRun();
  // What MAIN does before the start window takes over.
  void LeaveForStartWindow();
  void ApplyCaptions();
  void ShowWingLoading();
  void DrawCatalogueChart(const char* buttonName);
  // The chart a run ends with; DrawShownChart draws any chart with the kept runs and zoom.
  void ShowChart(const std::array<int, kCurveListSize>& curveList, int curveCount);
  void DrawShownChart(const std::array<int, kCurveListSize>& curveList, int curveCount);
  void ShowPicture(const QImage& picture, bool isChart = false);
  bool IsStartWindow(QWindow* window) const;

  Scenario& record_;
  MessageSink& messages_;
  QLocale locale_;
  Calculation calc_;
  BackgroundRun run_;
  // What a cancelled run puts back.
  RunInputs inputsBeforeRun_;
  std::unique_ptr<TrajectoryLog> logBeforeRun_;
  QTimer* progressTimer_;
  QElapsedTimer runClock_;
  std::chrono::milliseconds progressDelay_ = kProgressDelay;
  QImage chartPicture_;
  bool chartShown_ = false;
  bool activationPending_ = false;
  DialogLanguage dialogLanguage_;
  QPointer<QWidget> startWindow_;
  QPointer<QWindow> lastProgramWindow_;
  SavePathAsker askSavePath_;
  ChartResults* results_ = nullptr;  // a child of the window
  TrustCommands* trust_ = nullptr;   // a child of the window
  std::vector<std::pair<QLineEdit*, Handler>> handlers_;
};

}  // namespace zarv

#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QImage>
#include <QLocale>
#include <QObject>
#include <QString>

#include "charts/chart_frame.h"
#include "charts/chart_view.h"
#include "haupt/results_menu.h"
#include "scenario/scenario.h"

class QMenu;
class QPushButton;

namespace zarv {

class ChartOverlay;
class MessageSink;
class OverlayCommands;
class TForm2;

// What the calculation window does with its results: runs kept for comparison, the
// zoomed abscissa range, the readout layer over the chart, the saved picture and data,
// and the command menu that offers all of it.
class ChartResults : public QObject {
  Q_OBJECT

 public:
  using PathAsker = std::function<QString(QWidget*, const QString&, const QString&)>;

  // `redraw` draws the window's current chart again through Draw.
  ChartResults(TForm2& window, const Scenario& record, MessageSink& messages,
               const QLocale& locale, const PathAsker& askPath, std::function<void()> redraw);
  ~ChartResults() override;

  // A run has ended: it is named after the inputs it used and drawn over its whole flight.
  void RunFinished();
  // A chart button: the zoom stays only while the abscissa is the same row.
  void ChartChosen(int abscissaRow);
  // Draws the chart of the list with the kept runs and the zoom.
  ChartButtons Draw(const std::array<int, kCurveListSize>& curveList, int curveCount,
                    const ChartSettings& settings, QImage& picture);
  // Whether the window's picture now shows that chart (false for a blank one).
  void SetChartShown(bool shown);
  bool chartShown() const { return shown_; }
  // The chart as drawn; nothing while no chart is shown.
  std::optional<ChartView> ShownView() const;

  // The Extras button's caption in the window language; languageApplied follows.
  void ApplyLanguage();
  void ShowExtrasMenu(QPushButton* button);
  QMenu* extrasMenu() const { return extras_; }
  // Further commands go here; both menus show them.
  ResultsMenu& commands() { return commands_; }
  void FillMenu(QMenu& menu) const;

  void KeepCurrentRun();
  // Keeps a run under a name no kept run has; refused, the user told, when six are kept.
  bool Keep(KeptRun run);
  void ClearKeptRuns();
  void ResetZoom();
  void ZoomByDrag(int x1, int x2);
  void SavePicture();
  void CopyPicture();
  void SaveData();
  // Draws the shown chart again, e.g. with other runs over it.
  void Redraw();
  // Saved runs and measured flights read back.
  OverlayCommands& overlays() { return *overlays_; }

  const std::vector<KeptRun>& keptRuns() const { return kept_; }
  const std::optional<AbscissaRange>& zoom() const { return zoom_; }
  const std::string& runLabel() const { return runLabel_; }

 signals:
  // The Extras caption has just been set afresh: what marks it can add to it.
  void languageApplied();

 private:
  Language language() const;
  ChartView ViewOf(const std::array<int, kCurveListSize>& curveList, int curveCount,
                   const ChartSettings& settings) const;
  QString AskPath(const QString& title, const QString& filter) const;
  void ReportWriteFailure(const QString& path, const std::string& systemReason) const;
  void AddCommands();

  TForm2& window_;
  const Scenario& record_;
  MessageSink& messages_;
  const QLocale& locale_;
  const PathAsker& askPath_;
  std::function<void()> redraw_;

  std::vector<KeptRun> kept_;
  std::optional<AbscissaRange> zoom_;
  std::string runLabel_;  // the current run's name; empty: the generic one
  VehicleClass runClass_ = VehicleClass::None;
  RunSettings runSettings_;
  bool runKept_ = false;
  bool shown_ = false;
  std::array<int, kCurveListSize> curveList_{};
  int curveCount_ = 0;
  ChartSettings settings_;

  ResultsMenu commands_;
  QMenu* extras_;
  ChartOverlay* overlay_;
  OverlayCommands* overlays_;
};

}  // namespace zarv

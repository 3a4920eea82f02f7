#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "charts/chart_view.h"

class QWidget;

namespace zarv {

class ChartResults;
class MessageSink;
class ReportView;
class ResultsMenu;
class TForm2;

// "Open run data": a table that Save data or zarv-run --csv wrote comes back as a kept run,
// a measured flight is drawn as points and the shown run is held against it in a report
// beside the window.
class OverlayCommands : public QObject {
  Q_OBJECT

 public:
  using PathAsker = std::function<QString(QWidget* parent, const QString& title, const QString& filter)>;
  using ReportShower = std::function<void(QWidget* parent, const QString& title, const QString& text)>;

  OverlayCommands(TForm2& window, ChartResults& results, MessageSink& messages);

  void AddCommands(ResultsMenu& menu);
  // Asks for the file; an empty name changes nothing.
  void setOpenPathAsker(PathAsker asker) { askPath_ = std::move(asker); }
  // Tests read the report instead.
  void setReportShower(ReportShower shower) { showReport_ = std::move(shower); }

  void OpenRunData();
  void Open(const QString& path);
  void ShowDeviation();
  void RemoveMeasured();
  // A new run is shown: a deviation report on the screen follows it.
  void RunShown();
  // The run the report speaks of is no longer shown (MAIN, QUIT, another flight opened):
  // a report left open would mislead.
  void WindowLeft();

  const std::vector<MeasuredOverlay>& measured() const { return measured_; }
  ReportView* reportView() const { return view_; }

 private:
  QString Text(const LanguageText& text) const;
  std::string DeviationText() const;
  void ShowInView(QWidget* parent, const QString& title, const QString& text);

  TForm2& window_;
  ChartResults& results_;
  MessageSink& messages_;
  PathAsker askPath_;
  ReportShower showReport_;
  std::vector<MeasuredOverlay> measured_;
  ReportView* view_ = nullptr;  // made on first use, a child of the window
};

}  // namespace zarv

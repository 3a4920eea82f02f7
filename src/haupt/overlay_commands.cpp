#include "haupt/overlay_commands.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <algorithm>

#include "charts/chart_legend.h"
#include "haupt/chart_results.h"
#include "haupt/haupt.h"
#include "haupt/message_sink.h"
#include "haupt/overlay_texts.h"
#include "haupt/report_view.h"
#include "haupt/results_menu.h"
#include "haupt/trust_texts.h"
#include "scenario/run_data_file.h"
#include "texts/run_data_texts.h"
#include "trajectory/flight_deviation.h"

namespace zarv {

namespace {

QString DefaultOpenPath(QWidget* parent, const QString& title, const QString& filter) {
  return QFileDialog::getOpenFileName(parent, title, QString(), filter);
}

}  // namespace

OverlayCommands::OverlayCommands(TForm2& window, ChartResults& results, MessageSink& messages)
    : QObject(&window),
      window_(window),
      results_(results),
      messages_(messages),
      askPath_(DefaultOpenPath),
      showReport_([this](QWidget* parent, const QString& title, const QString& text) {
        ShowInView(parent, title, text);
      }) {}

void OverlayCommands::WindowLeft() {
  if (view_) view_->close();
}

void OverlayCommands::AddCommands(ResultsMenu& menu) {
  // The log is the worker's during a run: no drawing or figures from it until it ends.
  const auto idle = [this] { return !window_.running(); };
  menu.Add(
      overlay_text::kOpenRunData, [this] { OpenRunData(); }, idle);
  menu.Add(
      overlay_text::kDeviation, [this] { ShowDeviation(); },
      [this, idle] { return idle() && results_.chartShown() && !measured_.empty(); });
  menu.Add(
      overlay_text::kRemoveMeasured, [this] { RemoveMeasured(); },
      [this, idle] { return idle() && !measured_.empty(); });
}

QString OverlayCommands::Text(const LanguageText& text) const {
  return QString::fromUtf8(text.in(window_.WindowLanguage));
}

void OverlayCommands::OpenRunData() {
  if (window_.running()) return;
  const QString path = askPath_(&window_, Text(overlay_text::kOpenRunData), Text(overlay_text::kOpenFilter));
  if (!path.isEmpty()) Open(path);
}

void OverlayCommands::Open(const QString& path) {
  if (window_.running()) return;
  RunData data = ReadRunDataFile(QFile::encodeName(path).toStdString());
  if (const auto* problem = std::get_if<RunDataProblem>(&data)) {
    messages_.ShowError(
        QString::fromStdString(DescribeRunDataProblem(*problem, path.toStdString(), window_.WindowLanguage)));
    return;
  }
  const std::string name = QFileInfo(path).fileName().toStdString();
  if (auto* run = std::get_if<RunFromFile>(&data)) {
    results_.Keep(KeptRun{run->log, run->label.empty() ? name : run->label, VehicleClass::None, run->rows});
    return;
  }
  if (measured_.size() >= static_cast<std::size_t>(kMaxMeasuredFlights)) {
    messages_.ShowError(Text(overlay_text::kMeasuredFull).arg(kMaxMeasuredFlights));
    return;
  }
  const std::string label = UniqueLabel(name, measured_);
  measured_.push_back(
      {std::make_shared<const MeasuredFlight>(std::move(std::get<MeasuredFlight>(data))), label});
  results_.Redraw();
  if (results_.chartShown()) ShowDeviation();
}

std::string OverlayCommands::DeviationText() const {
  const Language language = window_.WindowLanguage;
  const std::string run =
      results_.runLabel().empty() ? CurrentRunName(language).toStdString() : results_.runLabel();
  std::string text;
  for (const MeasuredOverlay& flight : measured_) {
    if (!text.empty()) text += "\n";
    text += FormatDeviationReport(*flight.flight, DeviationFromMeasured(window_.log(), *flight.flight),
                                  flight.label, run, language);
  }
  return text;
}

void OverlayCommands::ShowDeviation() {
  if (window_.running() || !results_.chartShown() || measured_.empty()) return;
  showReport_(&window_, Text(overlay_text::kDeviation), QString::fromStdString(DeviationText()));
}

void OverlayCommands::RemoveMeasured() {
  if (window_.running()) return;
  measured_.clear();
  if (view_) view_->close();
  results_.Redraw();
}

void OverlayCommands::RunShown() {
  // Quietly: the window keeps the focus that START left it.
  if (view_ && view_->isVisible() && !measured_.empty())
    view_->SetText(QString::fromStdString(DeviationText()));
}

void OverlayCommands::ShowInView(QWidget* parent, const QString& title, const QString& text) {
  if (!view_) view_ = new ReportView(parent);
  view_->ShowReport(title, text, Text(trust_text::kClose));
}

}  // namespace zarv

#include "haupt/chart_results.h"

#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include "charts/chart_export.h"
#include "charts/chart_scales.h"
#include "haupt/chart_overlay.h"
#include "haupt/form_widgets.h"
#include "haupt/haupt.h"
#include "haupt/message_sink.h"
#include "haupt/overlay_commands.h"
#include "haupt/results_files.h"
#include "haupt/results_texts.h"
#include "haupt/trust_commands.h"
#include "haupt/window_texts.h"
#include "scenario/run_csv.h"
#include "scenario/scenario_inputs.h"
#include "texts/run_label.h"
#include "trajectory/file_writer.h"

namespace zarv {

ChartResults::ChartResults(TForm2& window, const Scenario& record, MessageSink& messages,
                           const QLocale& locale, const PathAsker& askPath,
                           std::function<void()> redraw)
    : QObject(&window),
      window_(window),
      record_(record),
      messages_(messages),
      locale_(locale),
      askPath_(askPath),
      redraw_(std::move(redraw)),
      extras_(new QMenu(&window)),
      overlay_(new ChartOverlay(window.Image1, [this] { return ShownView(); }, locale)),
      overlays_(new OverlayCommands(window, *this, messages)) {
  extras_->setObjectName(QStringLiteral("ExtrasMenu"));
  connect(overlay_, &ChartOverlay::dragged, this, &ChartResults::ZoomByDrag);
  connect(overlay_, &ChartOverlay::resetRequested, this, &ChartResults::ResetZoom);
  AddCommands();
}

ChartResults::~ChartResults() = default;

void ChartResults::AddCommands() {
  const auto chart = [this] { return shown_; };
  commands_.Add(Texts().savePicture, [this] { SavePicture(); }, chart);
  commands_.Add(Texts().copyPicture, [this] { CopyPicture(); }, chart);
  commands_.Add(results_text::kSaveData, [this] { SaveData(); }, chart);
  commands_.AddSeparator();
  commands_.Add(results_text::kKeepRun, [this] { KeepCurrentRun(); },
                [this] { return shown_ && !runKept_; });
  commands_.Add(results_text::kClearKept, [this] { ClearKeptRuns(); },
                [this] { return !kept_.empty(); });
  overlays_->AddCommands(commands_);
  commands_.AddSeparator();
  commands_.Add(results_text::kResetZoom, [this] { ResetZoom(); },
                [this] { return shown_ && zoom_.has_value(); });
}

Language ChartResults::language() const { return window_.WindowLanguage; }

void ChartResults::RunFinished() {
  runClass_ = VehicleClassFromRecord(record_[sf::VehicleClass]);
  runSettings_ = window_.log().settings;
  // Inputs the class does not take from the record keep the run's values.
  const RunInputs given = InputsFromScenario(record_, window_.inputs());
  runLabel_ = RunLabel(PresetText(record_), window_.inputs(), given, runClass_, runSettings_, language());
  runKept_ = false;
  zoom_.reset();
  overlays_->RunShown();
}

void ChartResults::ChartChosen(int abscissaRow) {
  if (abscissaRow != curveList_[0]) zoom_.reset();
}

ChartView ChartResults::ViewOf(const std::array<int, kCurveListSize>& curveList, int curveCount,
                               const ChartSettings& settings) const {
  ChartView view = PlainView(window_.log(), curveList, curveCount, kSampleCapacity, settings);
  view.label = runLabel_;
  view.kept = kept_;
  view.measured = overlays_->measured();
  view.zoom = zoom_;
  return view;
}

ChartButtons ChartResults::Draw(const std::array<int, kCurveListSize>& curveList, int curveCount,
                                const ChartSettings& settings, QImage& picture) {
  curveList_ = curveList;
  curveCount_ = curveCount;
  settings_ = settings;
  return DrawChart(ViewOf(curveList, curveCount, settings), picture);
}

void ChartResults::SetChartShown(bool shown) {
  shown_ = shown;
  overlay_->Clear();
}

std::optional<ChartView> ChartResults::ShownView() const {
  if (!shown_) return std::nullopt;
  return ViewOf(curveList_, curveCount_, settings_);
}

void ChartResults::ApplyLanguage() {
  window_.ButtonExtras->setText(Text(results_text::kExtras, language()));
  FitButton(window_.ButtonExtras);
  emit languageApplied();
}

void ChartResults::FillMenu(QMenu& menu) const { commands_.Fill(menu, language()); }

void ChartResults::ShowExtrasMenu(QPushButton* button) {
  FillMenu(*extras_);
  extras_->popup(button->mapToGlobal(QPoint(0, button->height())));
}

void ChartResults::KeepCurrentRun() {
  if (!shown_ || runKept_) return;
  std::string label = runLabel_;
  if (label.empty())
    label = Text(results_text::kUnnamedRun, language()).arg(kept_.size() + 1).toStdString();
  runKept_ = Keep(KeepRun(window_.log(), std::move(label), runClass_));
}

bool ChartResults::Keep(KeptRun run) {
  if (kept_.size() >= static_cast<std::size_t>(kMaxKeptRuns)) {
    // Refused rather than dropping the oldest: which runs to compare stays the user's choice.
    messages_.ShowError(Text(results_text::kKeptFull, language()).arg(kMaxKeptRuns));
    return false;
  }
  run.label = UniqueKeptLabel(run.label, kept_);
  kept_.push_back(std::move(run));
  Redraw();
  return true;
}

void ChartResults::Redraw() {
  if (shown_) redraw_();
}

void ChartResults::ClearKeptRuns() {
  kept_.clear();
  if (shown_) redraw_();
}

void ChartResults::ResetZoom() {
  if (!zoom_) return;
  zoom_.reset();
  if (shown_) redraw_();
}

void ChartResults::ZoomByDrag(int x1, int x2) {
  if (!shown_) return;
  const std::optional<AbscissaRange> range = RangeFromDrag(*ShownView(), x1, x2);
  if (!range) return;
  zoom_ = range;
  redraw_();
}

QString ChartResults::AskPath(const QString& title, const QString& filter) const {
  return askPath_(&window_, title, filter);
}

void ChartResults::ReportWriteFailure(const QString& path, const std::string& systemReason) const {
  messages_.ShowError(WriteFailedText(path, systemReason, language()));
}

void ChartResults::SavePicture() {
  if (!shown_) return;
  QString path = AskPath(Text(Texts().savePicture, language()),
                         Text(results_text::kPictureFilter, language()));
  if (path.isEmpty()) return;
  // A bare name is saved as the picture the window shows.
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".png");
  QByteArray bytes;
  std::string error;
  if (!RenderChartForFile(*ShownView(), path.toStdString(), bytes, error)) {
    messages_.ShowError(Text(results_text::kUnknownPictureFormat, language()).arg(path));
    return;
  }
  const FileWriteResult written = WriteWholeFile(QFile::encodeName(path).toStdString(),
                                                 std::string_view(bytes.constData(), bytes.size()));
  if (!written.ok) ReportWriteFailure(path, written.reason);
}

void ChartResults::CopyPicture() {
  if (shown_) QGuiApplication::clipboard()->setImage(window_.chartPicture());
}

void ChartResults::SaveData() {
  if (!shown_) return;
  const QString path = AskPath(Text(results_text::kSaveData, language()),
                               Text(results_text::kDataFilter, language()));
  if (path.isEmpty()) return;
  const std::vector<QString> names = DataFileNames(path, static_cast<int>(kept_.size()));
  std::vector<std::string> tables{FormatRunCsv(window_.log(), runLabel_)};
  for (const KeptRun& run : kept_) tables.push_back(FormatRunCsv(*run.log, run.label));
  std::vector<WholeFile> files;
  for (std::size_t k = 0; k < names.size(); ++k)
    files.push_back({QFile::encodeName(names[k]).toStdString(), tables[k]});
  // The set as a whole: a mixed set of this save and an earlier one would compare runs
  // that were never shown together.
  const FileWriteResult written = WriteWholeFiles(files);
  if (!written.ok) {
    ReportWriteFailure(QFile::decodeName(written.path.c_str()), written.reason);
    return;
  }
  for (const QString& stale : StaleDataFiles(path, static_cast<int>(kept_.size()))) {
    QFile file(stale);
    if (!file.remove()) {
      messages_.ShowError(Text(results_text::kStaleNotRemoved, language()).arg(stale, file.errorString()));
    }
  }
}

}  // namespace zarv

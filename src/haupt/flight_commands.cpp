#include "haupt/flight_commands.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>

#include "haupt/chart_results.h"
#include "haupt/field_text.h"
#include "haupt/flight_texts.h"
#include "haupt/haupt.h"
#include "haupt/message_sink.h"
#include "haupt/results_files.h"
#include "texts/run_label.h"
#include "haupt/trust_commands.h"
#include "haupt/window_texts.h"
#include "scenario/flight_file.h"
#include "scenario/presets.h"
#include "scenario/program_info.h"
#include "texts/flight_file_messages.h"
#include "texts/form_captions.h"
#include "texts/input_messages.h"

namespace zarv {
namespace {

QString AskOpenPath(QWidget* parent, const QString& title, const QString& suggested, const QString& filter) {
  return QFileDialog::getOpenFileName(parent, title, suggested, filter);
}

QString AskSavePath(QWidget* parent, const QString& title, const QString& suggested, const QString& filter) {
  QString chosen;
  const QString path = QFileDialog::getSaveFileName(parent, title, suggested, filter, &chosen);
  return WithFilterSuffix(path, chosen);
}

// A flight's name as a file name: no folders, nothing a file system refuses.
QString FileNameOf(const std::string& name) {
  QString file = QString::fromStdString(name).trimmed();
  for (QChar& c : file) {
    if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c)) c = QLatin1Char('_');
  }
  return (file.isEmpty() ? QStringLiteral("flight") : file) + QString::fromLatin1(kFlightSuffix);
}

// The same record but for the language, which START writes over it.
bool SameRecord(const Scenario& a, const Scenario& b) {
  for (int field = 0; field < kScenarioFields; ++field) {
    if (field != sf::Language && a[field] != b[field]) return false;
  }
  return true;
}

QString Shortened(const QString& path) {
  const QString home = QDir::homePath() + QLatin1Char('/');
  QString shown = QDir::toNativeSeparators(path.startsWith(home) ? QStringLiteral("~/") + path.mid(home.size()) : path);
  return shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

FlightCommands::FlightCommands(TForm2& window, Calculation& calculation, Scenario& record,
                               MessageSink& messages, std::function<bool()> readFields,
                               std::function<void()> stopRun)
    : QObject(&window),
      window_(window),
      calc_(calculation),
      record_(record),
      messages_(messages),
      readFields_(std::move(readFields)),
      stopRun_(std::move(stopRun)),
      askOpenPath_(AskOpenPath),
      askSavePath_(AskSavePath) {
  AddCommands();
  const std::pair<const char*, bool (FlightCommands::*)()> keys[] = {
      {"Ctrl+S", &FlightCommands::Save}, {"Ctrl+Shift+S", &FlightCommands::SaveAs}};
  for (const auto& [key, command] : keys) {
    auto* shortcut = new QShortcut(QKeySequence(QString::fromLatin1(key)), &window);
    connect(shortcut, &QShortcut::activated, this, [this, command = command] { (this->*command)(); });
  }
  auto* open = new QShortcut(QKeySequence(QStringLiteral("Ctrl+O")), &window);
  connect(open, &QShortcut::activated, this, [this] {
    if (!window_.running()) OpenChosen();
  });
  // Every change that Save would write shows in the title at once.
  for (const InputField& field : InputFields()) {
    if (auto* edit = window.findChild<QLineEdit*>(QString::fromLatin1(field.field))) {
      connect(edit, &QLineEdit::textChanged, this, &FlightCommands::ShowTitle);
    }
  }
  connect(window.AeroBox1, &QComboBox::currentIndexChanged, this, &FlightCommands::ShowTitle);
  connect(&window.trust(), &TrustCommands::runSettingsChanged, this, &FlightCommands::ShowTitle);
  connect(&window, &TForm2::runEnded, this, &FlightCommands::ShowTitle);
  window.installEventFilter(this);
}

void FlightCommands::AddCommands() {
  ResultsMenu& menu = window_.results().commands();
  const auto idle = [this] { return !window_.running(); };
  menu.AddSeparator();
  menu.Add(flight_text::kOpen, [this] { OpenChosen(); }, idle);
  menu.Add(flight_text::kSave, [this] { Save(); }, idle);
  menu.Add(flight_text::kSaveAs, [this] { SaveAs(); }, idle);
  menu.AddSubmenu(flight_text::kRecent, [this](QMenu& submenu, Language language) { FillRecent(submenu, language); });
}

void FlightCommands::FillRecent(QMenu& menu, Language language) {
  const QStringList paths = recent_.list();
  if (paths.isEmpty()) menu.addAction(Text(flight_text::kNoRecent, language))->setEnabled(false);
  for (int n = 0; n < paths.size(); ++n) {
    QAction* item = menu.addAction(QStringLiteral("&%1  %2").arg(n + 1).arg(Shortened(paths[n])));
    item->setEnabled(!window_.running());
    connect(item, &QAction::triggered, this, [this, path = paths[n]] { Open(path); });
  }
}

Language FlightCommands::language() const {
  if (window_.isVisible()) return window_.WindowLanguage;
  const double code = record_[sf::Language];
  return code != 0.0 ? LanguageFromRecord(code) : SystemLanguage();
}

Flight FlightCommands::Current() const {
  Flight flight = open_ ? open_->flight : Flight{};
  if (!open_) {
    if (const int item = FindPresetItem(record_); item >= 0) {
      const int vehicleClass = static_cast<int>(record_[sf::VehicleClass]);
      flight.name = PresetName(vehicleClass, item);
      flight.preset = std::to_string(vehicleClass) + ":" + std::to_string(item);
    }
  }
  flight.vehicleClass = window_.WindowClass;
  flight.inputs = calc_.inputs();
  flight.run = window_.trust().runSettings();
  return flight;
}

bool FlightCommands::modified() const {
  // The worker has the inputs during a run; they have not changed since START.
  if (window_.running()) return modified_;
  return !SameFlight(Current(), saved_);
}

void FlightCommands::ShowTitle() {
  modified_ = modified();
  const QString banner = QString::fromUtf8(kBanner);
  const QString mark = modified_ ? QStringLiteral("*") : QString();
  if (open_) {
    window_.setWindowTitle(QFileInfo(open_->path).fileName() + mark + QStringLiteral(" – ") + banner.trimmed());
  } else {
    window_.setWindowTitle(modified_ ? mark + banner.trimmed() : banner);
  }
}

bool FlightCommands::Open(const QString& path) {
  const Language lang = language();
  FlightRead read = ReadFlightFile(QFile::encodeName(path).toStdString());
  if (const auto* error = std::get_if<FlightFileError>(&read)) {
    // A file that is gone leaves the recent flights.
    if (error->problem == FlightFileProblem::CannotRead) recent_.Remove(path);
    messages_.ShowError(QString::fromStdString(DescribeFlightFileError(*error, lang)));
    return false;
  }
  Flight flight = std::get<Flight>(std::move(read));
  if (window_.isVisible() && !MayLeave()) return false;
  opening_ = OpenFlight{QFileInfo(path).absoluteFilePath(), flight};
  window_.ShowFlight(flight);
  recent_.Add(path);
  return true;
}

void FlightCommands::OpenChosen() {
  const Language lang = language();
  const QString suggested = open_ ? QFileInfo(open_->path).absolutePath() : FlightFolder();
  const QString path = askOpenPath_(&window_, Text(flight_text::kOpenTitle, lang), suggested,
                                    Text(flight_text::kFilter, lang));
  if (!path.isEmpty()) Open(path);
}

bool FlightCommands::Save() {
  if (window_.running()) return false;
  if (!open_) return SaveAs();
  return readFields_() && WriteTo(open_->path);
}

bool FlightCommands::SaveAs() {
  if (window_.running() || !readFields_()) return false;
  const Language lang = language();
  QString suggested = open_ ? open_->path : FlightFolder() + QLatin1Char('/') + FileNameOf(Current().name);
  // The dialog opens in the folder that "My flights" lists.
  if (!open_) QDir().mkpath(FlightFolder());
  QString path = askSavePath_(&window_, Text(flight_text::kSaveTitle, lang), suggested,
                              Text(flight_text::kFilter, lang));
  if (path.isEmpty()) return false;
  if (QFileInfo(path).suffix().isEmpty()) path += QString::fromLatin1(kFlightSuffix);
  return WriteTo(path);
}

bool FlightCommands::WriteTo(const QString& path) {
  const Language lang = language();
  const Flight flight = Current();
  if (const auto problem = CheckFlight(flight)) {
    const VehicleClass vehicleClass = flight.vehicleClass;
    messages_.ShowError(QString::fromStdString(DescribeInputError(*problem, lang, [&](std::string_view input) {
      return '"' + InputCaption(input, lang, vehicleClass) + '"';
    })));
    return false;
  }
  const FileWriteResult written = WriteFlightFile(QFile::encodeName(path).toStdString(), flight);
  if (!written.ok) {
    messages_.ShowError(WriteFailedText(path, written.reason, lang));
    return false;
  }
  open_ = OpenFlight{QFileInfo(path).absoluteFilePath(), flight};
  // A return from the start window sets the window up from the record: the flight saved.
  const double recordLanguage = record_[sf::Language];
  record_ = RecordOf(flight);
  record_[sf::Language] = recordLanguage;
  saved_ = flight;
  recent_.Add(path);
  ShowTitle();
  return true;
}

bool FlightCommands::MayLeave() {
  if (released_ || !window_.isVisible() || !modified()) return true;
  // Leaving stops a run anyway; stopped, the inputs are the fields' again.
  stopRun_();
  const Language lang = language();
  const Flight flight = Current();
  const QString name = open_ ? QFileInfo(open_->path).fileName()
                       : flight.name.empty() ? Text(flight_text::kUnnamed, lang)
                                             : QString::fromStdString(flight.name);
  const SaveQuestion question{Text(flight_text::kUnsavedTitle, lang), Text(flight_text::kUnsaved, lang).arg(name),
                              Text(flight_text::kSaveButton, lang), Text(flight_text::kDiscardButton, lang),
                              Text(flight_text::kCancelButton, lang)};
  switch (messages_.AskToSave(question)) {
    case SaveAnswer::Save:
      if (!Save()) return false;
      break;
    case SaveAnswer::Discard: break;
    case SaveAnswer::Cancel: return false;
  }
  released_ = true;
  return true;
}

void FlightCommands::Activated() {
  released_ = false;
  if (opening_) {
    open_ = std::move(opening_);
    opening_.reset();
  } else if (open_ && !SameRecord(RecordOf(open_->flight), record_)) {
    // The start window has written another preset into the record.
    open_.reset();
  }
  if (open_ && open_->flight.vehicleClass == VehicleClass::Balloon) {
    // The record has no place for these two.
    window_.EdAuftriebplus->setText(FieldText(open_->flight.inputs.Auftriebplus, QLocale()));
    window_.EdGasverlust->setText(FieldText(open_->flight.inputs.Gasverlust, QLocale()));
  }
  saved_ = Current();
  // The run settings are the session's; the file's count as saved.
  if (open_) saved_.run = open_->flight.run;
  ShowTitle();
}

bool FlightCommands::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &window_ && event->type() == QEvent::Close && !MayLeave()) {
    event->ignore();
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace zarv

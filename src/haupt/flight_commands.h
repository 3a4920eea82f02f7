#pragma once

#include <functional>
#include <optional>

#include <QObject>
#include <QString>
#include <QStringList>

#include "haupt/flight_folder.h"
#include "scenario/flight.h"
#include "scenario/scenario.h"
#include "texts/language.h"

class QEvent;
class QMenu;
class QWidget;

namespace zarv {

class Calculation;
class MessageSink;
class TForm2;

// The calculation window's flight files: Open, Save, Save as and the recent flights in
// the Extras menu and on Ctrl+O, Ctrl+S and Ctrl+Shift+S; the title naming the file and
// marking unsaved changes; the question whether to save them before the window is left.
class FlightCommands : public QObject {
  Q_OBJECT

 public:
  // Asks for a file name; an empty one cancels. `suggested` is a folder or a file in it.
  using PathAsker = std::function<QString(QWidget* parent, const QString& title,
                                          const QString& suggested, const QString& filter)>;

  // `readFields` reads the shown fields into the inputs as START does, false (the user
  // told) when one holds no number; `stopRun` stops a run and waits for it.
  FlightCommands(TForm2& window, Calculation& calculation, Scenario& record, MessageSink& messages,
                 std::function<bool()> readFields, std::function<void()> stopRun);

  void setOpenPathAsker(PathAsker asker) { askOpenPath_ = std::move(asker); }
  void setSavePathAsker(PathAsker asker) { askSavePath_ = std::move(asker); }

  // The file into the window, shown if it was not. False, changing nothing, when it
  // cannot be read or run, or when the user keeps the unsaved changes of the one shown.
  bool Open(const QString& path);
  void OpenChosen();
  // False when nothing was written (refused, cancelled or failed, the user told).
  bool Save();
  bool SaveAs();

  // MAIN, QUIT and closing the window: true when it may go, after asking whether to save
  // unsaved changes. One answer holds until the window is set up again.
  bool MayLeave();
  // The end of every set-up of the window: what it shows is the flight as saved.
  void Activated();

  bool modified() const;
  // The open file; empty for a flight that came from a preset.
  QString path() const { return open_ ? open_->path : QString(); }
  // What Save would write now, the fields as they are.
  Flight Current() const;
  RecentFlights& recent() { return recent_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct OpenFlight {
    QString path;
    Flight flight;
  };

  void AddCommands();
  void FillRecent(QMenu& menu, Language language);
  bool WriteTo(const QString& path);
  void ShowTitle();
  Language language() const;

  TForm2& window_;
  Calculation& calc_;
  Scenario& record_;
  MessageSink& messages_;
  std::function<bool()> readFields_;
  std::function<void()> stopRun_;
  PathAsker askOpenPath_;
  PathAsker askSavePath_;
  RecentFlights recent_;
  std::optional<OpenFlight> open_;
  std::optional<OpenFlight> opening_;  // from Open until the window is set up with it
  Flight saved_;
  bool modified_ = false;  // as last shown; the inputs do not change during a run
  bool released_ = false;
};

}  // namespace zarv

#pragma once

#include <QString>
#include <QStringList>

#include "texts/language.h"

namespace zarv {

// Where the user's own flights live: the XDG data folder's zarv/flights
// (~/.local/share/zarv/flights); made when a flight is first saved there.
QString FlightFolder();

// The flight files of that folder, by name.
QStringList FlightFilesInFolder();

// The language of the system, for a flight opened before any language was chosen.
Language SystemLanguage();

// The most recently opened or saved flight files, newest first, kept across sessions in
// the XDG config folder (~/.config/zarv/zarv.conf).
class RecentFlights {
 public:
  static constexpr int kKept = 5;

  QStringList list() const;
  void Add(const QString& path);
  void Remove(const QString& path);

 private:
  void Store(const QStringList& paths);
};

}  // namespace zarv

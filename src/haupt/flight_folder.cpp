#include "haupt/flight_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>

#include "scenario/flight_file.h"

namespace zarv {
namespace {

constexpr const char* kRecentKey = "recentFlights";

QString SettingsFile() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/zarv/zarv.conf");
}

}  // namespace

QString FlightFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
         QStringLiteral("/zarv/flights");
}

QStringList FlightFilesInFolder() {
  QStringList paths;
  const QDir folder(FlightFolder());
  const QString pattern = QStringLiteral("*") + QString::fromLatin1(kFlightSuffix);
  for (const QFileInfo& file : folder.entryInfoList({pattern}, QDir::Files | QDir::Readable, QDir::Name))
    paths.push_back(file.absoluteFilePath());
  return paths;
}

Language SystemLanguage() {
  switch (QLocale::system().language()) {
    case QLocale::Russian: return Language::Russian;
    case QLocale::German: return Language::German;
    default: return Language::English;
  }
}

QStringList RecentFlights::list() const {
  const QSettings settings(SettingsFile(), QSettings::IniFormat);
  QStringList paths = settings.value(QString::fromLatin1(kRecentKey)).toStringList();
  if (paths.size() > kKept) paths.resize(kKept);
  return paths;
}

void RecentFlights::Add(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  QStringList paths = list();
  paths.removeAll(absolute);
  paths.prepend(absolute);
  Store(paths);
}

void RecentFlights::Remove(const QString& path) {
  QStringList paths = list();
  paths.removeAll(QFileInfo(path).absoluteFilePath());
  Store(paths);
}

void RecentFlights::Store(const QStringList& paths) {
  QSettings settings(SettingsFile(), QSettings::IniFormat);
  settings.setValue(QString::fromLatin1(kRecentKey), paths.mid(0, kKept));
}

}  // namespace zarv

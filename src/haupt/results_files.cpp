#include "haupt/results_files.h"

#include <algorithm>
#include <cerrno>
#include <system_error>

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "charts/chart_view.h"
#include "haupt/results_texts.h"
#include "haupt/window_texts.h"

namespace zarv {

namespace {

constexpr const char* kCsvSuffix = ".csv";

struct Reason {
  int code;  // errno
  LanguageText text;
};
constexpr Reason kReasons[] = {
    // errno     Russian                              German                                  English
    {EACCES,  {"нет прав на запись",                "keine Schreibrechte",                  "no permission to write"}},
    {EPERM,   {"нет прав на запись",                "keine Schreibrechte",                  "no permission to write"}},
    {ENOENT,  {"папка не существует",               "der Ordner existiert nicht",           "the folder does not exist"}},
    {ENOTDIR, {"часть пути не является папкой",     "ein Teil des Pfads ist kein Ordner",   "a part of the path is not a folder"}},
    {EISDIR,  {"это папка",                         "das ist ein Ordner",                   "it is a folder"}},
    {ENOSPC,  {"на диске нет места",                "kein Platz auf dem Datenträger",       "no space left on the disk"}},
    {EROFS,   {"диск только для чтения",            "der Datenträger ist schreibgeschützt", "the disk is read-only"}},
};

}  // namespace

std::string ReasonText(const std::string& systemReason, Language language) {
  // The writer words its reasons with the generic category, so they compare as text.
  for (const Reason& reason : kReasons) {
    if (systemReason == std::generic_category().message(reason.code)) return reason.text.in(language);
  }
  return systemReason;
}

QString WriteFailedText(const QString& path, const std::string& systemReason, Language language) {
  return Text(Texts().fileWriteFailed, language).arg(path, QString::fromStdString(ReasonText(systemReason, language)));
}

QString WithFilterSuffix(const QString& path, const QString& chosenFilter) {
  if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty()) return path;
  static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
  const QRegularExpressionMatch match = pattern.match(chosenFilter);
  return match.hasMatch() ? path + QLatin1Char('.') + match.captured(1) : path;
}

std::vector<QString> DataFileNames(const QString& path, int keptRuns) {
  // The name as typed, ".CSV" included; only a missing extension is added.
  const QString csv = QString::fromLatin1(kCsvSuffix);
  const bool typed = path.endsWith(csv, Qt::CaseInsensitive);
  const QString base = typed ? path.chopped(csv.size()) : path;
  const QString suffix = typed ? path.right(csv.size()) : csv;
  std::vector<QString> names{base + suffix};
  for (int k = 1; k <= keptRuns; ++k) names.push_back(base + QStringLiteral("_kept%1").arg(k) + suffix);
  return names;
}

std::vector<QString> StaleDataFiles(const QString& path, int keptRuns) {
  const std::vector<QString> names = DataFileNames(path, kMaxKeptRuns);
  std::vector<QString> stale;
  for (std::size_t k = static_cast<std::size_t>(std::max(keptRuns, 0)) + 1; k < names.size(); ++k) {
    QFile file(names[k]);
    if (!QFileInfo(names[k]).isFile() || !file.open(QIODevice::ReadOnly)) continue;
    // The run's comment lines, or the bare table that earlier versions saved.
    const QByteArray start = file.read(16);
    if (start.startsWith("# earth model:") || start.startsWith("slot,row0 ")) stale.push_back(names[k]);
  }
  return stale;
}

}  // namespace zarv

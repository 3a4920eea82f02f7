#pragma once

#include <string>
#include <vector>

#include <QString>

#include "texts/language.h"

namespace zarv {

// The name a save dialog returns, with the extension of the chosen filter ("PNG (*.png)")
// added when the typed name has none.
QString WithFilterSuffix(const QString& path, const QString& chosenFilter);

// The files "Save data" writes for a chosen name: NAME.csv for the current run, then
// NAME_kept1.csv ... for each kept run. ".csv" is added when the name lacks it.
std::vector<QString> DataFileNames(const QString& path, int keptRuns);

// What an earlier save under the same name would leave beside a new set: the files
// NAME_keptN.csv beyond `keptRuns`, up to the most a save writes, that exist and hold a
// run's table as "Save data" writes it. Other files of such a name are not ours to remove.
std::vector<QString> StaleDataFiles(const QString& path, int keptRuns);

// The system's reason for a failed write in the language, for the reasons a user can act on;
// any other reason as the system gives it.
std::string ReasonText(const std::string& systemReason, Language language);

}  // namespace zarv

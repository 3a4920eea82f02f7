#pragma once

#include "texts/language.h"

// The study command's own wording, apart from the words shared with the charts.
namespace zarv::study_words {

inline constexpr LanguageText kCannotWrite = {"не удалось записать", "kann nicht schreiben", "cannot write"};
inline constexpr LanguageText kMissingValue = {"требуется значение для", "Wert fehlt für", "missing value for"};
inline constexpr LanguageText kUnknownArgument = {"неизвестный аргумент", "unbekanntes Argument",
                                                  "unknown argument"};
inline constexpr LanguageText kMergeNeedsOut = {"для --merge нужен --out", "--merge braucht --out",
                                                "--merge needs --out"};
inline constexpr LanguageText kSweepOrMonteCarlo = {"нужен либо --sweep, либо --monte-carlo с --vary",
                                                    "entweder --sweep oder --monte-carlo mit --vary",
                                                    "give either --sweep or --monte-carlo with --vary"};
inline constexpr LanguageText kPresetMissing = {"не указан --preset", "--preset fehlt", "--preset is missing"};
inline constexpr LanguageText kNoSuchPreset = {"нет такого примера", "kein solches Beispiel", "no such preset"};
inline constexpr LanguageText kUnknownInput = {"неизвестный ввод", "unbekannte Eingabe", "unknown input"};
inline constexpr LanguageText kChartFormats = {"график исследования пишется как .png, .svg или .pdf",
                                               "Studiendiagramm als .png, .svg oder .pdf",
                                               "the study chart is written as .png, .svg or .pdf"};
inline constexpr LanguageText kSameFile = {"--out и --study-chart называют один файл",
                                           "--out und --study-chart nennen dieselbe Datei",
                                           "--out and --study-chart name the same file"};
inline constexpr LanguageText kPreset = {"пример", "Beispiel", "preset"};
inline constexpr LanguageText kStoppedAfter = {"остановлено после", "angehalten nach", "stopped after"};
inline constexpr LanguageText kOf = {"из", "von", "of"};
inline constexpr LanguageText kRowsKept = {"; готовые строки сохранены в ", "; die fertigen Zeilen stehen in ",
                                           "; the rows done are kept in "};

}  // namespace zarv::study_words

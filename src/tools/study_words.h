#pragma once

#include "texts/language.h"

// The study command's own wording, apart from the words shared with the charts.
namespace zarv::study_words {

inline constexpr LanguageText kMergeNeedsOut = {"для --merge нужен --out", "--merge braucht --out",
                                                "--merge needs --out"};
inline constexpr LanguageText kSweepOrMonteCarlo = {"нужен либо --sweep, либо --monte-carlo с --vary",
                                                    "entweder --sweep oder --monte-carlo mit --vary",
                                                    "give either --sweep or --monte-carlo with --vary"};
inline constexpr LanguageText kPresetMissing = {"не указан ни --preset, ни --flight", "--preset oder --flight fehlt",
                                                "--preset or --flight is missing"};
inline constexpr LanguageText kNoSuchPreset = {"нет такого примера", "kein solches Beispiel", "no such preset"};
inline constexpr LanguageText kUnknownInput = {"неизвестный ввод", "unbekannte Eingabe", "unknown input"};
inline constexpr LanguageText kUnknownOutcome = {"неизвестный результат", "unbekannte Ergebnisgröße",
                                                 "unknown outcome"};
inline constexpr LanguageText kOutcomes = {"результаты", "Ergebnisgrößen", "outcomes"};
inline constexpr LanguageText kThreadsRange = {"--threads: целое число от 1 до 1024",
                                               "--threads verlangt eine ganze Zahl von 1 bis 1024",
                                               "--threads takes a whole number from 1 to 1024"};
inline constexpr LanguageText kSeedRange = {"--seed: целое число от 0 до 18446744073709551615",
                                            "--seed verlangt eine ganze Zahl von 0 bis 18446744073709551615",
                                            "--seed takes a whole number from 0 to 18446744073709551615"};
inline constexpr LanguageText kChartFormats = {"график исследования пишется как .png, .svg или .pdf",
                                               "Studiendiagramm als .png, .svg oder .pdf",
                                               "the study chart is written as .png, .svg or .pdf"};
inline constexpr LanguageText kSameFile = {"--out и --study-chart называют один файл",
                                           "--out und --study-chart nennen dieselbe Datei",
                                           "--out and --study-chart name the same file"};
inline constexpr LanguageText kPreset = {"пример", "Beispiel", "preset"};
inline constexpr LanguageText kFlight = {"полет", "Flug", "flight"};
inline constexpr LanguageText kStoppedAfter = {"остановлено после", "angehalten nach", "stopped after"};
inline constexpr LanguageText kOf = {"из", "von", "of"};
inline constexpr LanguageText kRowsKept = {"; готовые строки сохранены в ", "; die fertigen Zeilen stehen in ",
                                           "; the rows done are kept in "};
inline constexpr LanguageText kCasesMissing = {"недостает вариантов", "es fehlen Fälle", "cases missing"};
inline constexpr LanguageText kMergeAnyway = {"--allow-partial объединяет и неполный набор",
                                              "--allow-partial führt auch einen unvollständigen Satz zusammen",
                                              "--allow-partial merges them anyway"};
inline constexpr LanguageText kMarkedPartial = {"таблица помечена как неполная", "die Tabelle ist als unvollständig markiert",
                                                "the table is marked partial"};

}  // namespace zarv::study_words

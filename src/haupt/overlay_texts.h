#pragma once

#include "texts/language.h"

namespace zarv {

// Texts of the commands that draw saved runs and measured flights again.
namespace overlay_text {

inline constexpr LanguageText kOpenRunData{"Открыть данные полета…", "Flugdaten öffnen…", "Open run data…"};
inline constexpr LanguageText kDeviation{"Отклонение от измеренного полета", "Abweichung vom gemessenen Flug",
                                         "Deviation from the measured flight"};
inline constexpr LanguageText kRemoveMeasured{"Убрать измеренные полеты", "Gemessene Flüge entfernen",
                                              "Remove measured flights"};
inline constexpr LanguageText kOpenFilter{"Таблица CSV (*.csv);;Текст (*.txt);;Все файлы (*)",
                                          "CSV-Tabelle (*.csv);;Text (*.txt);;Alle Dateien (*)",
                                          "CSV table (*.csv);;Text (*.txt);;All files (*)"};
// %1 the most measured flights a chart shows
inline constexpr LanguageText kMeasuredFull{
    "Уже показано измеренных полетов: %1. Уберите их, чтобы открыть новый.",
    "Es werden schon %1 gemessene Flüge gezeigt. Entfernen Sie sie, um einen neuen zu öffnen.",
    "%1 measured flights are shown already. Remove them to open another one."};

}  // namespace overlay_text

}  // namespace zarv

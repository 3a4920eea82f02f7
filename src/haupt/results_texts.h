#pragma once

#include "texts/language.h"

namespace zarv {

// Texts of the results commands: the Extras menu, its dialogs and messages.
namespace results_text {

inline constexpr LanguageText kExtras{"Сервис", "Extras", "Extras"};
inline constexpr LanguageText kKeepRun{"Оставить расчёт для сравнения",
                                       "Lauf zum Vergleich behalten",
                                       "Keep this run for comparison"};
inline constexpr LanguageText kClearKept{"Убрать оставленные расчёты", "Behaltene Läufe löschen",
                                         "Clear kept runs"};
inline constexpr LanguageText kResetZoom{"Сбросить масштаб", "Zoom zurücksetzen", "Reset zoom"};
inline constexpr LanguageText kSaveData{"Сохранить данные", "Daten speichern", "Save data"};
inline constexpr LanguageText kPictureFilter{
    "Рисунок PNG (*.png);;Рисунок SVG (*.svg);;Документ PDF (*.pdf)",
    "PNG-Bild (*.png);;SVG-Grafik (*.svg);;PDF-Dokument (*.pdf)",
    "PNG picture (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)"};
inline constexpr LanguageText kDataFilter{"Таблица CSV (*.csv)", "CSV-Tabelle (*.csv)",
                                          "CSV table (*.csv)"};
// %1 the file name
inline constexpr LanguageText kUnknownPictureFormat{
    "Неизвестный формат рисунка: \"%1\". Выберите PNG, SVG или PDF.",
    "Unbekanntes Bildformat: \"%1\". Wählen Sie PNG, SVG oder PDF.",
    "Unknown picture format: \"%1\". Choose PNG, SVG or PDF."};
// %1 the number of runs kept
inline constexpr LanguageText kKeptFull{
    "Уже оставлено расчётов: %1. Уберите оставленные расчёты, чтобы оставить новый.",
    "Es sind schon %1 Läufe behalten. Löschen Sie die behaltenen Läufe, um einen neuen zu "
    "behalten.",
    "%1 runs are kept already. Clear the kept runs to keep another one."};
// %1 a file of an earlier save under the same name, %2 the system's reason
inline constexpr LanguageText kStaleNotRemoved{
    "Файл \"%1\" остался от прежнего сохранения и не удалён: %2",
    "Die Datei \"%1\" stammt von einer früheren Speicherung und wurde nicht entfernt: %2",
    "The file \"%1\" is left from an earlier save and could not be removed: %2"};
// A run whose record matches no preset, %1 its number among the kept runs
inline constexpr LanguageText kUnnamedRun{"Расчёт %1", "Lauf %1", "Run %1"};

}  // namespace results_text

}  // namespace zarv

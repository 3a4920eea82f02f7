#pragma once

#include "texts/language.h"

namespace zarv {

// Texts of the flight commands: the Extras menu's file items, their dialogs and questions.
namespace flight_text {

inline constexpr LanguageText kOpen{"Открыть полёт...\tCtrl+O", "Flug öffnen...\tCtrl+O",
                                    "Open flight...\tCtrl+O"};
inline constexpr LanguageText kSave{"Сохранить полёт\tCtrl+S", "Flug speichern\tCtrl+S",
                                    "Save flight\tCtrl+S"};
inline constexpr LanguageText kSaveAs{"Сохранить полёт как...\tCtrl+Shift+S",
                                      "Flug speichern unter...\tCtrl+Shift+S",
                                      "Save flight as...\tCtrl+Shift+S"};
inline constexpr LanguageText kRecent{"Недавние полёты", "Zuletzt benutzte Flüge", "Recent flights"};
inline constexpr LanguageText kNoRecent{"(нет)", "(keine)", "(none)"};
inline constexpr LanguageText kOpenTitle{"Открыть полёт", "Flug öffnen", "Open flight"};
inline constexpr LanguageText kSaveTitle{"Сохранить полёт", "Flug speichern", "Save flight"};
inline constexpr LanguageText kFilter{"Полёты ZARV (*.zarv)", "ZARV-Flüge (*.zarv)", "ZARV flights (*.zarv)"};
inline constexpr LanguageText kUnsavedTitle{"Несохранённые изменения", "Ungespeicherte Änderungen",
                                            "Unsaved changes"};
// %1 the flight's file or name
inline constexpr LanguageText kUnsaved{"Полёт «%1» изменён. Сохранить изменения?",
                                       "Der Flug „%1“ wurde geändert. Änderungen speichern?",
                                       "The flight \"%1\" has changed. Save the changes?"};
inline constexpr LanguageText kUnnamed{"без имени", "ohne Namen", "unnamed"};
inline constexpr LanguageText kSaveButton{"Сохранить", "Speichern", "Save"};
inline constexpr LanguageText kDiscardButton{"Не сохранять", "Verwerfen", "Discard"};
inline constexpr LanguageText kCancelButton{"Отмена", "Abbrechen", "Cancel"};
inline constexpr LanguageText kMyFlights{"Мои полёты", "Meine Flüge", "My flights"};

}  // namespace flight_text

}  // namespace zarv

#pragma once

#include "texts/language.h"

namespace zarv {

// Texts of the commands that say how far a result can be trusted.
namespace trust_text {

inline constexpr LanguageText kCheckStep{"Проверить шаг", "Schritt prüfen", "Check the step"};
inline constexpr LanguageText kRoundEarth{"Круглая Земля", "Runde Erde", "Round Earth"};
inline constexpr LanguageText kValidation{"Отчёт о валидации", "Validierungsbericht",
                                          "Validation report"};
inline constexpr LanguageText kCheckingStep{"Проверка шага…", "Schrittprüfung läuft…",
                                            "Checking the step…"};
inline constexpr LanguageText kClose{"Закрыть", "Schließen", "Close"};
// Follows the Extras caption while the shown run has model warnings.
inline constexpr const char* kWarningMark = " ⚠";
// Before each warning in the Extras button's tooltip.
inline constexpr const char* kWarningBullet = "• ";

}  // namespace trust_text

}  // namespace zarv

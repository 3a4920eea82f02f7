#pragma once

#include "texts/language.h"

namespace zarv {

// Texts of the commands that say how far a result can be trusted.
namespace trust_text {

inline constexpr LanguageText kCheckStep{"Проверить шаг", "Schritt prüfen", "Check the step"};
inline constexpr LanguageText kRoundEarth{"Круглая Земля", "Runde Erde", "Round Earth"};
// The integrator of the session's runs, one of three.
inline constexpr LanguageText kEuler{"Метод Эйлера", "Euler-Verfahren", "Euler method"};
inline constexpr LanguageText kRungeKutta{"Рунге–Кутта 4", "Runge-Kutta 4", "Runge-Kutta 4"};
inline constexpr LanguageText kAdaptive{"Адаптивный шаг", "Adaptive Schrittweite", "Adaptive step"};
inline constexpr LanguageText kValidation{"Отчёт о валидации", "Validierungsbericht",
                                          "Validation report"};
inline constexpr LanguageText kCheckingStep{"Проверка шага…", "Schrittprüfung läuft…",
                                            "Checking the step…"};
inline constexpr LanguageText kValidating{"Проверка по точным решениям…", "Validierung läuft…",
                                          "Running the validation cases…"};
inline constexpr LanguageText kClose{"Закрыть", "Schließen", "Close"};
// Follows the Extras caption while the shown run has model warnings.
inline constexpr const char* kWarningMark = " ⚠";
// Before each warning in the Extras button's tooltip.
inline constexpr const char* kWarningBullet = "• ";

}  // namespace trust_text

}  // namespace zarv

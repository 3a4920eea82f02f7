#pragma once

#include "texts/language.h"

namespace zarv {

// Captions of a study's outcome numbers with their units, in table column order: flight
// time, range, peak altitude, peak speed, peak |nx|, peak dynamic pressure, final speed.
inline constexpr int kStudyOutcomeCaptions = 7;
const LanguageText& StudyOutcomeCaption(int column);

// How a study case ended: ground, end time, diverged, rejected.
inline constexpr int kStudyOutcomeKindTexts = 4;
const LanguageText& StudyOutcomeKindText(int kind);

}  // namespace zarv

#pragma once

#include <string>

#include "texts/language.h"
#include "trust/step_check.h"

namespace zarv {

// The quantity alone, e.g. "peak dynamic pressure".
std::string StepQuantityWord(StepQuantity quantity, Language language);
// Its SI unit as written in every language, e.g. "m/s"; "" for the load factor.
const char* StepQuantityUnit(StepQuantity quantity);
// The quantity with its unit, e.g. "peak dynamic pressure, Pa".
std::string StepQuantityName(StepQuantity quantity, Language language);

// Whether the step meets the tolerance for every quantity, with the largest error, and the
// step to take (with the end time's limit on it where it is below that).
std::string StepCheckVerdict(const StepCheck& check, Language language);

// The table (quantity, the three runs, extrapolated, error, observed order, largest step,
// met), a line on the method, one on the quantities not in the asymptotic range, and the
// verdict.
std::string FormatStepCheck(const StepCheck& check, Language language);

}  // namespace zarv

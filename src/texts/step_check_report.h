#pragma once

#include <string>

#include "texts/language.h"
#include "trust/step_check.h"

namespace zarv {

// The quantity with its unit, e.g. "peak dynamic pressure, Pa".
std::string StepQuantityName(StepQuantity quantity, Language language);

// One sentence: whether dt0 meets the tolerance for every quantity, and the step to take.
std::string StepCheckVerdict(const StepCheck& check, Language language);

// The table (quantity, at dt0, at dt0 / 2, change, implied error, largest step, meets)
// followed by the verdict.
std::string FormatStepCheck(const StepCheck& check, Language language);

}  // namespace zarv

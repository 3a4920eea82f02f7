#pragma once

#include <string>
#include <vector>

#include "texts/language.h"
#include "trust/validation.h"

namespace zarv {

const char* ValidationCaseName(ValidationCase flight, Language language);
const char* ValidationQuantityName(ValidationQuantity quantity, Language language);

// The report as a table: flight, integrator, quantity, closed form, computed, difference,
// tolerance, pass or fail, and the closed form's source last, being long; then a line that
// counts the passes.
std::string FormatValidationReport(const std::vector<ValidationRow>& rows, Language language);

}  // namespace zarv

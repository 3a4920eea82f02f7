#pragma once

#include <string>
#include <vector>

#include "texts/language.h"
#include "trust/validation.h"

namespace zarv {

const char* ValidationCaseName(ValidationCase flight, Language language);
const char* ValidationQuantityName(ValidationQuantity quantity, Language language);

// The report as a table: flight, quantity, source, closed form, computed, difference,
// tolerance, pass or fail; then a line that counts the passes.
std::string FormatValidationReport(const std::vector<ValidationRow>& rows, Language language);

}  // namespace zarv

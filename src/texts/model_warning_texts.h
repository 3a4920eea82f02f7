#pragma once

#include <string>

#include "texts/language.h"
#include "trust/model_warnings.h"

namespace zarv {

// One warning as a sentence, with its value.
std::string DescribeModelWarning(const ModelWarning& warning, Language language);

}  // namespace zarv

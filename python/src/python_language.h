#pragma once

#include <string>

#include "texts/language.h"

namespace zarv {

// The language of a message or report: "en", "de" or "ru", as zarv-run's --lang takes
// it; ValueError for anything else.
Language LanguageOfCode(const std::string& code);

}  // namespace zarv

#pragma once

#include <string>
#include <string_view>

#include "texts/language.h"

namespace zarv {

// An SI unit as the language writes it: Russian in Cyrillic letters ("м/с", "Па"), the
// others as given. A unit without a Russian form ("g") stays as it is.
std::string UnitText(std::string_view unit, Language language);

}  // namespace zarv

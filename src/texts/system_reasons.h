#pragma once

#include <string>

#include "texts/language.h"

namespace zarv {

// The reason for a system error number (errno) in the language; the system's own wording
// for numbers without a translation.
std::string SystemReason(int error, Language language);

}  // namespace zarv

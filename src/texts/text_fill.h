#pragma once

#include <string>
#include <vector>

namespace zarv {

// The sentence with %1 .. %9 replaced by the values (each may come more than once, in any
// order, as the language puts them) and %% by a percent sign.
std::string FillText(const char* sentence, const std::vector<std::string>& values);

}  // namespace zarv

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zarv {

// The shortest text that reads back as the same double, '.' as separator.
std::string ShortestText(double value);
void AppendShortest(std::string& out, double value);

// A whole number >= 0 written out in digits, exact up to 2^64 - 1 (a seed), or in a
// double's form that is one exactly ("1e6", up to 2^53); false for anything else.
bool ParseWholeNumber(std::string_view text, std::uint64_t& value);

}  // namespace zarv

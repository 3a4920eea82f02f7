#pragma once

#include <string>

namespace zarv {

// The value with `digits` significant digits (at least its whole digits), or as many more as
// it takes for its text to differ from `other` as shown: a message never compares a number
// with itself.
std::string FormatApart(double value, const std::string& other, int digits = 3);

// A relative value as a percentage number (0.0123 -> "1.23"), apart from `other`.
std::string PercentApart(double fraction, const std::string& other, int digits = 3);

}  // namespace zarv

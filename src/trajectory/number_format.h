#pragma once

#include <string>

namespace zarv {

// General number format with '.' as separator: the value rounded to maxDigits
// significant digits, without trailing zeros (maxDigits 15: the shortest text that reads
// back as the same double when it has one). Fixed notation for decimal exponents
// -5 < e < maxDigits, exponent notation ("1.235e+20") outside; 0 and -0 are "0".
// maxDigits is taken within 1..17.
std::string FormatGeneral(double value, int maxDigits = 15);

// The 4-significant-digit display format of derived values.
inline std::string FormatGeneral4(double value) { return FormatGeneral(value, 4); }

// The value that FormatGeneral(value, digits) reads back as.
double RoundToSignificant(double value, int digits);

}  // namespace zarv

#pragma once

#include <string>

#include <QString>

namespace zarv {

// The general format's digits in the shortest exponent form: "1.909e5", "2.4e-3", "7e10".
std::string ShortExponentForm(double value, int digits);

// The label of a value with `digits` significant digits for a column of `room` px (0: any
// width): the general form when it fits, else the short exponent form when that fits, else
// the narrower of the two, which the canvas then sets in a narrower font.
QString FitLabel(double value, int digits, int room);

}  // namespace zarv

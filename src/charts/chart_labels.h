#pragma once

#include <span>
#include <string>
#include <vector>

#include <QString>

namespace zarv {

// The general format's digits in the shortest exponent form: "1.909e5", "2.4e-3", "7e10".
std::string ShortExponentForm(double value, int digits);

// The labels of one axis, in one form and one font.
struct AxisLabels {
  std::vector<QString> texts;
  int font = 0;  // as ChartCanvas::Text takes it
};

// Labels for an axis's values with up to `digits` significant digits, label i within
// rooms[i] px (0: any width). Each label as it would be alone (the general form when it
// fits, else the short exponent form) when that gives the whole axis one form in the chart
// font; otherwise one form and one font for all of them: the general form before the short
// exponent form, all digits before fewer, the chart font and its condensed variant of the
// same height before smaller ones. An axis thus never mixes "0.01646" with "8.231e-3", nor
// two faces of type.
AxisLabels FitAxisLabels(std::span<const double> values, int digits, std::span<const int> rooms);

}  // namespace zarv

#include "texts/format_apart.h"

#include <algorithm>
#include <cmath>

#include "trajectory/number_format.h"

namespace zarv {

std::string FormatApart(double value, const std::string& other, int digits) {
  // 17 digits tell any two doubles apart; equal values stay equal.
  constexpr int kMostDigits = 17;
  // Whole digits are never traded for an exponent: 8023, not 8e+03.
  if (std::abs(value) >= 1.0 && std::isfinite(value)) {
    digits = std::max(digits, static_cast<int>(std::floor(std::log10(std::abs(value)))) + 1);
  }
  std::string text = FormatGeneral(value, digits);
  while (text == other && digits < kMostDigits) text = FormatGeneral(value, ++digits);
  return text;
}

std::string PercentApart(double fraction, const std::string& other, int digits) {
  return FormatApart(fraction * 100.0, other, digits);
}

}  // namespace zarv

#include "trajectory/number_format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace zarv {
namespace {

// printf's %e and %g follow the C locale, which the engine never changes.
std::string Scientific(double value, int digits) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, value);
  return buffer;
}

// Fewest significant digits (up to maxDigits) whose rounding reads back as the value
// rounded to maxDigits.
int NeededDigits(double value, int maxDigits) {
  const double target = std::strtod(Scientific(value, maxDigits).c_str(), nullptr);
  for (int digits = 1; digits < maxDigits; ++digits) {
    if (std::strtod(Scientific(value, digits).c_str(), nullptr) == target) return digits;
  }
  return maxDigits;
}

}  // namespace

double RoundToSignificant(double value, int digits) {
  return std::strtod(FormatGeneral(value, digits).c_str(), nullptr);
}

std::string FormatGeneral(double value, int maxDigits) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (value == 0.0) return "0";
  const int digits = NeededDigits(value, maxDigits);
  const std::string sci = Scientific(value, digits);
  const int exponent = std::atoi(sci.c_str() + sci.find('e') + 1);
  if (exponent <= -5 || exponent >= maxDigits) {
    // Mantissa without trailing zeros, exponent as printf writes it.
    std::string mantissa = sci.substr(0, sci.find('e'));
    if (mantissa.find('.') != std::string::npos) {
      mantissa.erase(mantissa.find_last_not_of('0') + 1);
      if (mantissa.back() == '.') mantissa.pop_back();
    }
    return mantissa + sci.substr(sci.find('e'));
  }
  const int decimals = digits - 1 - exponent > 0 ? digits - 1 - exponent : 0;
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  return buffer;
}

}  // namespace zarv

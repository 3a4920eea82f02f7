#include "trajectory/number_format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace zarv {

double RoundToSignificant(double value, int digits) {
  return std::strtod(FormatGeneral(value, digits).c_str(), nullptr);
}

std::string FormatGeneral(double value, int maxDigits) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (value == 0.0) return "0";  // also -0
  // A double has no more than 17 meaningful digits; so the longest text fits the buffer.
  constexpr int kMostDigits = 17;
  const int digits = maxDigits < 1 ? 1 : maxDigits > kMostDigits ? kMostDigits : maxDigits;
  // printf's %g follows the C locale, which the engine never changes.
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.*g", digits, value);
  return buffer;
}

}  // namespace zarv

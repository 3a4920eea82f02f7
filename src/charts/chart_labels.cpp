#include "charts/chart_labels.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "charts/chart_canvas.h"
#include "trajectory/number_format.h"

namespace zarv {

std::string ShortExponentForm(double value, int digits) {
  const std::string general = FormatGeneral(value, digits);
  const double shown = std::strtod(general.c_str(), nullptr);
  if (!std::isfinite(shown) || shown == 0.0) return general;
  // Fewest digits that still read back as the general form's value.
  char buffer[40];
  for (int d = 1; d <= digits; ++d) {
    std::snprintf(buffer, sizeof buffer, "%.*e", d - 1, shown);
    if (std::strtod(buffer, nullptr) == shown || d == digits) break;
  }
  const std::string sci = buffer;
  const std::size_t e = sci.find('e');
  std::string mantissa = sci.substr(0, e);
  if (mantissa.find('.') != std::string::npos) {
    mantissa.erase(mantissa.find_last_not_of('0') + 1);
    if (mantissa.back() == '.') mantissa.pop_back();
  }
  return mantissa + "e" + std::to_string(std::atoi(sci.c_str() + e + 1));
}

QString FitLabel(double value, int digits, int room) {
  const QString general = QString::fromStdString(FormatGeneral(value, digits));
  if (room <= 0) return general;
  const int generalWidth = ChartTextWidth(general);
  if (generalWidth <= room) return general;
  const QString shortForm = QString::fromStdString(ShortExponentForm(value, digits));
  const int shortWidth = ChartTextWidth(shortForm);
  if (shortWidth <= room) return shortForm;
  return shortWidth < generalWidth ? shortForm : general;
}

}  // namespace zarv

#include "charts/chart_labels.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "charts/chart_canvas.h"
#include "trajectory/number_format.h"

namespace zarv {

namespace {

constexpr int kFewestDigits = 2;

enum class Form { kGeneral, kExponent };

QString Label(double value, int digits, Form form) {
  return QString::fromStdString(form == Form::kGeneral ? FormatGeneral(value, digits)
                                                       : ShortExponentForm(value, digits));
}

// "1.9e+05" is the general format too, but reads as an exponent form.
bool Plain(const QString& text) { return !text.contains('e'); }

bool Fits(const QString& text, int room, int font) {
  return room <= 0 || ChartTextWidth(text, font) <= room;
}

// Every value in the form, when each label fits its room and, in the general form, none
// falls back to an exponent.
bool FitAll(std::span<const double> values, int digits, Form form, std::span<const int> rooms, int font,
            std::vector<QString>& texts) {
  texts.clear();
  for (std::size_t i = 0; i < values.size(); ++i) {
    QString text = Label(values[i], digits, form);
    if (!Fits(text, rooms[i], font) || (form == Form::kGeneral && !Plain(text))) return false;
    texts.push_back(std::move(text));
  }
  return true;
}

}  // namespace

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

AxisLabels FitAxisLabels(std::span<const double> values, int digits, std::span<const int> rooms) {
  AxisLabels labels;
  // Each alone; a zero reads the same in both forms.
  bool fits = true, plain = false, exponent = false;
  for (std::size_t i = 0; i < values.size() && fits; ++i) {
    QString text = Label(values[i], digits, Form::kGeneral);
    if (!Fits(text, rooms[i], 0)) text = Label(values[i], digits, Form::kExponent);
    fits = Fits(text, rooms[i], 0);
    if (values[i] != 0.0) (Plain(text) ? plain : exponent) = true;
    labels.texts.push_back(std::move(text));
  }
  if (fits && !(plain && exponent)) return labels;

  // The fonts of full height before fewer digits, fewer digits before smaller type.
  constexpr int kFullHeight = 2;
  for (const auto& [firstFont, endFont] : {std::pair{0, kFullHeight}, std::pair{kFullHeight, kChartFonts}}) {
    for (Form form : {Form::kGeneral, Form::kExponent}) {
      for (int d = digits; d >= kFewestDigits; --d) {
        for (int font = firstFont; font < endFont; ++font) {
          labels.font = font;
          if (FitAll(values, d, form, rooms, font, labels.texts)) return labels;
        }
      }
    }
  }
  // Nothing fits: the shortest form in the narrowest font.
  labels.texts.clear();
  for (double value : values) labels.texts.push_back(Label(value, kFewestDigits, Form::kExponent));
  return labels;
}

}  // namespace zarv

#include "haupt/field_text.h"

#include "trajectory/number_format.h"

namespace zarv {

namespace {

QString WithLocalePoint(const std::string& text, const QLocale& locale) {
  QString result = QString::fromStdString(text);
  result.replace(QLatin1Char('.'), locale.decimalPoint());
  return result;
}

}  // namespace

QString FieldText(double value, const QLocale& locale) {
  return WithLocalePoint(FormatGeneral(value), locale);
}

QString FieldText4(double value, const QLocale& locale) {
  return WithLocalePoint(FormatGeneral4(value), locale);
}

std::optional<double> ParseFieldNumber(const QString& text, const QLocale& locale) {
  QLocale strict = locale;
  strict.setNumberOptions(strict.numberOptions() | QLocale::RejectGroupSeparator);
  bool ok = false;
  const double value = strict.toDouble(text, &ok);
  if (!ok) return std::nullopt;
  return value;
}

}  // namespace zarv

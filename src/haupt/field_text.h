#pragma once

#include <optional>

#include <QLocale>
#include <QString>

namespace zarv {

// Text of an input field: the general number format with the locale's decimal point.
QString FieldText(double value, const QLocale& locale);

// Text of a derived display value: at most 4 significant digits.
QString FieldText4(double value, const QLocale& locale);

// The whole text read as a number by the locale's rules. Group separators are refused,
// so "0,5" in an English locale is an error rather than 5.
std::optional<double> ParseFieldNumber(const QString& text, const QLocale& locale);

}  // namespace zarv

#include "haupt/field_text.h"

#include <optional>

#include <gtest/gtest.h>

namespace zarv {
namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

TEST(FieldText, ParsesWholeTextByLocaleAndRefusesGroupSeparators) {
  struct Case {
    const QLocale& locale;
    const char* text;
    std::optional<double> expected;
  };
  const Case cases[] = {
      {kEnglish, "0.5", 0.5},
      {kEnglish, "-88", -88.0},
      {kEnglish, "1e3", 1000.0},
      {kEnglish, "0,5", std::nullopt},
      {kEnglish, "1,000", std::nullopt},
      {kEnglish, "", std::nullopt},
      {kEnglish, "-", std::nullopt},
      {kEnglish, "12a", std::nullopt},
      {kGerman, "0,5", 0.5},
      {kGerman, "12.5", std::nullopt},
      {kGerman, "1.000", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseFieldNumber(QString::fromUtf8(c.text), c.locale), c.expected)
        << "text '" << c.text << "' in " << c.locale.name().toStdString();
  }
}

TEST(FieldText, WritesShortestTextWithLocalePoint) {
  struct Case {
    double value;
    const QLocale& locale;
    bool fourDigits;
    const char* expected;
  };
  const Case cases[] = {
      {100.0, kEnglish, false, "100"},
      {1.0, kEnglish, false, "1"},
      {0.005, kEnglish, false, "0.005"},
      {0.005, kGerman, false, "0,005"},
      {4.4, kGerman, false, "4,4"},
      {2.54468, kEnglish, true, "2.545"},
      {2.54468, kGerman, true, "2,545"},
  };
  for (const Case& c : cases) {
    const QString text = c.fourDigits ? FieldText4(c.value, c.locale) : FieldText(c.value, c.locale);
    EXPECT_EQ(text.toStdString(), c.expected)
        << c.value << " in " << c.locale.name().toStdString();
    if (!c.fourDigits) {
      EXPECT_EQ(ParseFieldNumber(text, c.locale), c.value) << "reads back " << text.toStdString();
    }
  }
}

}  // namespace
}  // namespace zarv

#include "texts/input_messages.h"

#include <cmath>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

namespace zarv {
namespace {

constexpr Language kLanguages[] = {Language::Russian, Language::German, Language::English};

TEST(DescribeInputError, NamesTheInputInEachLanguage) {
  const InputError error{"dt0", InputProblem::NotPositive};
  EXPECT_EQ(DescribeInputError(error, Language::English), "Invalid input dt0: the value must be greater than 0.");
  EXPECT_EQ(DescribeInputError(error, Language::German), "Ungültige Eingabe dt0: der Wert muss größer als 0 sein.");
  EXPECT_EQ(DescribeInputError(error, Language::Russian), "Неверный ввод dt0: значение должно быть больше 0.");
}

TEST(DescribeInputError, EveryProblemIsWordedInEveryLanguage) {
  for (int p = 0; p <= static_cast<int>(InputProblem::NotADragLaw); ++p) {
    const auto problem = static_cast<InputProblem>(p);
    const LanguageText& text = InputProblemText(problem);
    ASSERT_NE(text.ru, nullptr) << "problem " << p;
    ASSERT_NE(text.de, nullptr) << "problem " << p;
    ASSERT_NE(text.en, nullptr) << "problem " << p;
    EXPECT_STRNE(text.ru, text.de) << "problem " << p << ": Russian left in German";
    EXPECT_STRNE(text.de, text.en) << "problem " << p << ": German left in English";
    // Cyrillic letters take two bytes starting 0xD0 or 0xD1 in UTF-8.
    EXPECT_TRUE(std::strchr(text.ru, '\xD0') || std::strchr(text.ru, '\xD1'))
        << "problem " << p << ": the Russian text has no Cyrillic";
    for (int q = 0; q < p; ++q) {
      EXPECT_STRNE(InputProblemText(static_cast<InputProblem>(q)).en, text.en)
          << "problems " << q << " and " << p << " read the same";
    }
    for (const Language language : kLanguages) {
      const InputError error{"GasDichte", problem};
      const std::string message = DescribeInputError(error, language);
      EXPECT_NE(message.find(" GasDichte: "), std::string::npos)
          << "problem " << p << " language " << static_cast<int>(language) << ": " << message;
      EXPECT_NE(message.find(InputErrorText(error, language)), std::string::npos) << message;
    }
  }
}

TEST(DescribeInputError, ARangeIsStatedWithItsBounds) {
  const InputError error{"MassaStart", InputProblem::OutOfRange, {}, 1e-6, 1e12};
  EXPECT_EQ(DescribeInputError(error, Language::English),
            "Invalid input MassaStart: the value must be from 1e-06 to 1e+12.");
  EXPECT_EQ(DescribeInputError(error, Language::German),
            "Ungültige Eingabe MassaStart: der Wert muss zwischen 1e-06 und 1e+12 liegen.");
}

TEST(LanguageFromRecord, RoundsLikeTheWindowAndFallsBackToGerman) {
  struct Case {
    double code;
    Language expected;
  };
  const Case cases[] = {
      {1.0, Language::Russian}, {2.0, Language::German},  {3.0, Language::English},
      {0.0, Language::German},  {4.0, Language::German},  {-1.0, Language::German},
      {0.5, Language::Russian}, {1.49, Language::Russian}, {1.5, Language::German},
      {2.5, Language::English}, {3.49, Language::English}, {3.5, Language::German},
      {NAN, Language::German},  {INFINITY, Language::German},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LanguageFromRecord(c.code), c.expected)
        << "record value " << c.code << " gave " << static_cast<int>(LanguageFromRecord(c.code));
  }
}

}  // namespace
}  // namespace zarv

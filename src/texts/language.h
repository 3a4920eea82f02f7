#pragma once

namespace zarv {

// Interface languages with the numbers the scenario record codes them with.
enum class Language { Russian = 1, German = 2, English = 3 };

// The record's language rounded to the nearest code; anything but 1 or 3 reads as German.
inline Language LanguageFromRecord(double code) {
  if (code >= 0.5 && code < 1.5) return Language::Russian;
  if (code >= 2.5 && code < 3.5) return Language::English;
  return Language::German;
}

// One interface text in the three languages, UTF-8.
struct LanguageText {
  const char* ru;
  const char* de;
  const char* en;

  constexpr const char* in(Language language) const {
    switch (language) {
      case Language::Russian: return ru;
      case Language::English: return en;
      case Language::German: break;
    }
    return de;
  }
};

}  // namespace zarv

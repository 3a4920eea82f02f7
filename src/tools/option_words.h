#pragma once

#include <string>
#include <string_view>

#include "texts/language.h"

// The words of the command-line checks, shared by the run and the study forms.
namespace zarv::option_words {

inline constexpr LanguageText kMissingValue = {"требуется значение для", "Wert fehlt für",
                                               "missing value for"};
inline constexpr LanguageText kUnknownArgument = {"неизвестный аргумент", "unbekanntes Argument",
                                                  "unknown argument"};
inline constexpr LanguageText kEmptyValue = {"пустое значение для", "leerer Wert für",
                                             "empty value for"};
inline constexpr LanguageText kGivenTwice = {"указан дважды", "ist doppelt angegeben",
                                             "is given twice"};
inline constexpr LanguageText kDoesNotGoWith = {"не сочетается с", "passt nicht zu",
                                                "does not go with"};
inline constexpr LanguageText kNeeds = {"требует", "braucht", "needs"};

// "--seed does not go with --sweep", "--tolerance needs --check-step", ...
inline std::string OptionMessage(std::string_view option, const LanguageText& words,
                                 std::string_view other, Language language) {
  return std::string(option) + " " + words.in(language) + " " + std::string(other);
}

// "missing value for --csv", "empty value for --csv"
inline std::string ValueMessage(const LanguageText& words, std::string_view option,
                                Language language) {
  return std::string(words.in(language)) + " " + std::string(option);
}

}  // namespace zarv::option_words

#include "python_language.h"

#include <pybind11/pybind11.h>

namespace zarv {

Language LanguageOfCode(const std::string& code) {
  if (code == "en") return Language::English;
  if (code == "de") return Language::German;
  if (code == "ru") return Language::Russian;
  throw pybind11::value_error("lang is 'en', 'de' or 'ru', not '" + code + "'");
}

}  // namespace zarv

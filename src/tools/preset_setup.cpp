#include "tools/preset_setup.h"

#include <cmath>
#include <string_view>

#include "scenario/presets.h"
#include "texts/form_captions.h"
#include "tools/run_options.h"
#include "tools/study_words.h"

namespace zarv {
namespace {

constexpr LanguageText kInputs = {"вводы", "Eingaben", "inputs"};
constexpr LanguageText kNotANumber = {"не число", "keine Zahl", "not a number"};

}  // namespace

bool LoadPreset(const std::string& preset, Scenario& record, int& cls, int& item) {
  const std::size_t colon = preset.find(':');
  return colon != std::string::npos &&
         ParseInt(std::string_view(preset).substr(0, colon), cls) &&
         ParseInt(std::string_view(preset).substr(colon + 1), item) &&
         ApplyPreset(record, cls, item);
}

std::string UnknownInput(const std::string& name, Language language) {
  std::string names;
  for (const char* input : kRunInputNames) names += (names.empty() ? "" : ", ") + std::string(input);
  return std::string(study_words::kUnknownInput.in(language)) + " '" + name + "' (" + kInputs.in(language) +
         ": " + names + ")";
}

std::string ApplySet(const std::string& set, Calculation& calculation, Language language) {
  const std::size_t eq = set.find('=');
  const std::string name = set.substr(0, eq);
  double value = 0.0;
  const bool number = eq != std::string::npos &&
                      ParseNumber(std::string_view(set).substr(eq + 1), value);
  // The name is judged first: a wrong name is the message even when the value is no
  // number. The run does not go ahead after either message, so a NaN left behind is harmless.
  if (eq == std::string::npos || !calculation.Set(name, number ? value : NAN)) {
    return UnknownInput(name, language);
  }
  if (!number) {
    return std::string(kNotANumber.in(language)) + ": " +
           InputWithCaption(name, language, calculation.vehicleClass()) + " = '" +
           set.substr(eq + 1) + "'";
  }
  return {};
}

}  // namespace zarv

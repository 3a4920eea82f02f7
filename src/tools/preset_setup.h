#pragma once

#include <string>

#include "scenario/calculation.h"
#include "scenario/scenario.h"
#include "texts/language.h"

namespace zarv {

// "CLASS:ITEM" into the record; false for anything that names no preset line.
bool LoadPreset(const std::string& preset, Scenario& record, int& cls, int& item);

// "unknown input 'NAME' (inputs: H0, V0, ...)".
std::string UnknownInput(const std::string& name, Language language);

// NAME=VALUE into the calculation's inputs; the usage message when it cannot be, empty
// when done.
std::string ApplySet(const std::string& set, Calculation& calculation, Language language);

}  // namespace zarv

#pragma once

#include <string>

#include "texts/language.h"
#include "trajectory/input_check.h"

namespace zarv {

// The wording of one input problem, without the input's name.
const LanguageText& InputProblemText(InputProblem problem);

// The message for a rejected input, naming the input.
std::string DescribeInputError(const InputError& error, Language language);

}  // namespace zarv

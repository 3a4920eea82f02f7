#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "texts/language.h"
#include "trajectory/input_check.h"

namespace zarv {

// The wording of one input problem, without the input's name.
const LanguageText& InputProblemText(InputProblem problem);

// The wording of the error, with its allowed range when it has one.
std::string InputErrorText(const InputError& error, Language language);

// How a message names an input: the windows by its field's caption, zarv-run by its name
// and caption; by default its name.
using InputNamer = std::function<std::string(std::string_view input)>;

// The message for a rejected input, naming the input.
std::string DescribeInputError(const InputError& error, Language language,
                               const InputNamer& name = {});

}  // namespace zarv

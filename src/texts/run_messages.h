#pragma once

#include <string>

#include "texts/language.h"
#include "trajectory/run_failure.h"

namespace zarv {

// "diverged at t = ... s: <cause>", the cause naming the inputs out of range.
std::string DescribeDivergence(const Divergence& divergence, Language language);

// The message for any failed run: a rejected input, a divergence or a cancellation.
std::string DescribeRunFailure(const RunFailure& failure, Language language);

}  // namespace zarv

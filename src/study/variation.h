#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "study/study_problem.h"

namespace zarv {

enum class Distribution { Normal, Uniform };

// One input drawn per Monte Carlo case: normal around the base value with an absolute or
// relative standard deviation, or uniform on [lo, hi].
struct Variation {
  std::string name;
  Distribution distribution = Distribution::Normal;
  double spread = 0.0;     // normal: SD, absolute or in % of the base value
  bool relative = false;   // normal: spread is in %
  double lo = 0.0, hi = 0.0;  // uniform
  std::string text;        // as given, for the table's description

  // The standard deviation around `base` (normal only).
  double SdAround(double base) const { return relative ? spread / 100.0 * base : spread; }
};

// Reads "NAME=normal:SD", "NAME=normal:SD%" or "NAME=uniform:LO:HI".
std::optional<Variation> ParseVariation(std::string_view text, StudyError& error);

}  // namespace zarv

#pragma once

#include <string>
#include <vector>

#include "trajectory/input_check.h"

namespace zarv {

enum class DivergenceCause {
  StepTooLarge,      // the step made energy no force gave, or a finer one flies on where
                     // this one left the numbers
  InputsOutOfRange,  // inputs beyond what any vehicle has (named in Divergence::inputs)
};

// Where and why a run's state left the numbers.
struct Divergence {
  double time = 0.0;  // s, flight time of the first step that left them
  DivergenceCause cause = DivergenceCause::StepTooLarge;
  std::vector<std::string> inputs;  // RunInputs names, for InputsOutOfRange
};

// Why a run produced no result. Whatever the kind, the run changed nothing: no log, no
// summary, no state carried to the next run.
struct RunFailure {
  enum class Kind { Rejected, Diverged, Cancelled } kind = Kind::Rejected;
  InputError rejected;   // for Rejected
  Divergence diverged;   // for Diverged
};

}  // namespace zarv

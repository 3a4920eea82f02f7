#pragma once

#include <string>

#include "scenario/scenario.h"
#include "trajectory/run_inputs.h"

namespace zarv {

// The list text of the preset whose click wrote the record, with its runs of blanks
// shortened to one; empty when the record matches no preset of its class.
std::string PresetText(const Scenario& record);

// What a run is called in a legend: the preset text and every input that the run used
// with another value than the record gave it, e.g. "Launcher V-2, dt0 = 0.001". Without
// a preset only the changed inputs are named.
std::string RunLabel(const Scenario& record, const RunInputs& ran);

}  // namespace zarv

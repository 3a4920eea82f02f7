#pragma once

#include <pybind11/pybind11.h>

#include "flight_bindings.h"
#include "texts/language.h"
#include "trust/run_outcomes.h"
#include "trust/step_check.h"

namespace zarv {

// The step check, the validation report and the model warnings as plain Python values with
// their reports as text: the one place that knows their C++ results.

// The key a quantity has in a run's summary, a step check's rows and the warnings, e.g.
// "peak_q".
const char* QuantityKey(StepQuantity quantity);

// The warnings of a finished run of the flight with these outcomes: dicts with code,
// quantity, value and text. They fly the flight again (round Earth, another step), so they
// are worked out when asked for, without the GIL.
pybind11::list ModelWarningList(const PythonFlight& flight, const RunOutcomes& outcomes, Language language);

// Flight.check_step() and zarv.validate().
void BindTrust(pybind11::module_& m, FlightClass& flight);

}  // namespace zarv

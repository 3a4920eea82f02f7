#pragma once

#include <pybind11/pybind11.h>

#include "flight_bindings.h"
#include "texts/language.h"

namespace zarv {

// The step check, the validation report and the model warnings as plain Python values with
// their reports as text: the one place that knows their C++ results.

// The warnings of a finished run: dicts with code, value and text.
pybind11::list ModelWarningList(const Calculation& done, Language language);

// Flight.check_step() and zarv.validate().
void BindTrust(pybind11::module_& m, FlightClass& flight);

}  // namespace zarv

#pragma once

#include "scenario/scenario.h"
#include "trajectory/run_inputs.h"
#include "trajectory/vehicle_class.h"

namespace zarv {

// The run inputs as the calculation window's activation leaves them for a record:
// the record's values for the fields of its class, Auftriebplus 1 and Gasverlust 4.4,
// and for a balloon the envelope cross-section as its field shows it. Inputs of other
// classes keep the values they had in `previous`.
RunInputs InputsFromScenario(const Scenario& record, const RunInputs& previous = {});

inline constexpr double kDefaultAuftriebplus = 1.0;  // %
inline constexpr double kDefaultGasverlust = 4.4;    // litres per m2 per 24 h

}  // namespace zarv

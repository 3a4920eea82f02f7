#pragma once

#include <string>
#include <string_view>

#include "trajectory/trajectory_log.h"

namespace zarv {

// The unit a recorded row is shown and saved in under the flags, e.g. "km" for the altitude
// of a run that climbed above 10 km.
const char* LogRowUnit(int row, const UnitFlags& units);

// Sets the row's flag so that LogRowUnit gives `unit`; false when the row is never recorded
// in that unit (then the flags stay as they were).
bool SetLogRowUnit(int row, std::string_view unit, UnitFlags& units);

// The units the row may be shown in, ", " between them.
std::string LogRowUnitChoices(int row);

// Size of the row's shown unit in its recorded one (1000 for km over m); 1 for rows
// without a unit flag.
double LogRowUnitSize(int row, const UnitFlags& units);

}  // namespace zarv

#pragma once

#include <string>

#include "scenario/flight.h"
#include "scenario/flight_file.h"
#include "texts/language.h"

namespace zarv {

// "v2.zarv, line 12, inputs.dt0: the value must be greater than 0": the file, the line
// and the key when there are any, and what is wrong.
std::string DescribeFlightFileError(const FlightFileError& error, Language language);

}  // namespace zarv

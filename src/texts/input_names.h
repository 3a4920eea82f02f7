#pragma once

#include <string>
#include <string_view>

#include "texts/language.h"
#include "trajectory/input_check.h"
#include "trajectory/vehicle_class.h"

namespace zarv {

// Inputs named as "dt0 (step of integration, s)"; a list "Mt, Schub" names each of them.
std::string NamedInputs(std::string_view names, Language language, VehicleClass vehicleClass);

// The message for a rejected input that names it with its caption:
// "Invalid input dt0 (step of integration, s): the value must be greater than 0."
std::string DescribeRejectedInput(const InputError& error, Language language,
                                  VehicleClass vehicleClass);

}  // namespace zarv

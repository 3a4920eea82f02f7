#pragma once

#include <string>

#include <pybind11/pybind11.h>

#include "scenario/flight_file.h"
#include "texts/language.h"
#include "trajectory/file_writer.h"
#include "trajectory/run_failure.h"
#include "trajectory/vehicle_class.h"

namespace zarv {

// The exceptions of zarv.errors, raised from C++ with their attributes set; each throws
// pybind11::error_already_set. Call them with the GIL held.
[[noreturn]] void RaiseRunFailure(const RunFailure& failure, Language language, VehicleClass vehicleClass);
[[noreturn]] void RaiseRejectedInput(const InputError& error, Language language, VehicleClass vehicleClass);
[[noreturn]] void RaiseFlightFileError(const FlightFileError& error, Language language);
// OSError with the system's errno and reason, naming the file.
[[noreturn]] void RaiseWriteFailure(const FileWriteResult& failed, Language language);

}  // namespace zarv

#include "python_errors.h"

#include <cerrno>

#include "texts/flight_file_messages.h"
#include "texts/input_names.h"
#include "texts/system_reasons.h"
#include "tools/preset_case_runner.h"

namespace zarv {
namespace py = pybind11;
namespace {

// Raised as the instance's own type: OSError(ENOENT, ...) makes a FileNotFoundError.
[[noreturn]] void Raise(const py::object& instance) {
  PyErr_SetObject(reinterpret_cast<PyObject*>(Py_TYPE(instance.ptr())), instance.ptr());
  throw py::error_already_set();
}

py::object ErrorType(const char* name) { return py::module_::import("zarv.errors").attr(name); }

py::list Names(const std::vector<std::string>& names, const std::string& first) {
  py::list list;
  if (names.empty() && !first.empty()) list.append(first);
  for (const std::string& name : names) list.append(name);
  return list;
}

}  // namespace

void RaiseRunFailure(const RunFailure& failure, Language language, VehicleClass vehicleClass) {
  // An interrupt already set KeyboardInterrupt; a cancel has no other cause here.
  if (failure.kind == RunFailure::Kind::Cancelled || PyErr_Occurred() != nullptr) {
    if (PyErr_Occurred() == nullptr) PyErr_SetNone(PyExc_KeyboardInterrupt);
    throw py::error_already_set();
  }
  const std::string message = FailureReason(failure, language, vehicleClass);
  if (failure.kind == RunFailure::Kind::Rejected) {
    const py::object type = ErrorType("RejectedInput");
    Raise(type(message, failure.rejected.input, Names(failure.rejected.inputs, failure.rejected.input)));
  }
  const Divergence& d = failure.diverged;
  const char* cause = d.cause == DivergenceCause::StepTooLarge ? "step too large" : "inputs out of range";
  const py::object type = ErrorType("Diverged");
  Raise(type(message, d.time, cause, Names(d.inputs, {})));
}

void RaiseRejectedInput(const InputError& error, Language language, VehicleClass vehicleClass) {
  const py::object type = ErrorType("RejectedInput");
  Raise(type(DescribeRejectedInput(error, language, vehicleClass), error.input,
                   Names(error.inputs, error.input)));
}

void RaiseFlightFileError(const FlightFileError& error, Language language) {
  const std::string message = DescribeFlightFileError(error, language);
  if (error.problem == FlightFileProblem::CannotRead) {
    Raise(py::reinterpret_borrow<py::object>(PyExc_OSError)(error.error, message, error.file));
  }
  const py::object type = ErrorType("FlightFileError");
  Raise(type(message, error.file, error.line, error.key));
}

void RaiseWriteFailure(const FileWriteResult& failed, Language language) {
  const py::object type = py::reinterpret_borrow<py::object>(PyExc_OSError);
  const int error = failed.error != 0 ? failed.error : EIO;
  const std::string reason = failed.error != 0 ? SystemReason(failed.error, language) : failed.reason;
  Raise(type(error, reason, failed.path.string()));
}

}  // namespace zarv

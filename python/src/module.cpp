// zarv._zarv: the engine's calculation, its checks and its studies for Python. The package
// zarv (python/zarv/) wraps it; nothing here computes what the engine does not.
#include <pybind11/pybind11.h>

#include "flight_bindings.h"
#include "study_bindings.h"
#include "trust_bindings.h"

PYBIND11_MODULE(_zarv, m) {
  m.doc() = "ZARV's flight calculation: presets, flight files, runs, checks and studies.";
  m.attr("VERSION") = ZARV_VERSION;
  zarv::FlightClass flight = zarv::BindFlight(m);
  zarv::BindTrust(m, flight);
  zarv::BindStudy(m);
}

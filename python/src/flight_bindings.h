#pragma once

#include <string>

#include <pybind11/pybind11.h>

#include "scenario/calculation.h"

namespace zarv {

// A flight as the module holds it: what a fresh calculation takes to fly it, set up as
// zarv-run sets one up from a preset or a flight file, and the texts its file keeps. Every
// run has a calculation of its own, so runs of one flight on several threads share nothing.
struct PythonFlight {
  VehicleClass vehicleClass = VehicleClass::None;
  RunInputs inputs;
  RunSettings settings;
  std::string name, notes, preset;

  void SetUp(Calculation& calculation) const;
};

using FlightClass = pybind11::class_<PythonFlight>;

// zarv.presets() and zarv.Flight with its inputs, settings, files and run().
FlightClass BindFlight(pybind11::module_& m);

}  // namespace zarv

#pragma once

#include <memory>

#include <pybind11/pybind11.h>

#include "flight_bindings.h"
#include "texts/language.h"
#include "trust/run_outcomes.h"

namespace zarv {

// A finished run: its log of 500 samples, its summary and the model's warnings. Arrays in
// SI units are made from the log when first asked for; the warnings too, since they fly the
// flight again.
class RunResult {
 public:
  RunResult(const PythonFlight& flight, const Calculation& done, Language language);

  pybind11::dict Samples();
  pybind11::dict Summary() const;
  pybind11::list Warnings();
  const TrajectoryLog& log() const { return *log_; }
  Language language() const { return language_; }

 private:
  std::shared_ptr<const TrajectoryLog> log_;
  RunSummary summary_;
  PythonFlight flight_;
  RunOutcomes outcomes_;
  Language language_;
  pybind11::object samples_, warnings_;
};

// Runs the flight without the GIL; a rejected or diverged run raises its zarv.errors type.
RunResult RunFlight(const PythonFlight& flight, Language language);

// zarv.Result, and the names and units of its samples.
void BindRunResult(pybind11::module_& m);

}  // namespace zarv

#pragma once

#include <array>
#include <memory>
#include <vector>

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
  // The run's whole log, as the result file takes it.
  std::unique_ptr<TrajectoryLog> Log() const;
  Language language() const { return language_; }

 private:
  const double* row(int r) const { return rows_.data() + static_cast<std::size_t>(r) * kSampleCapacity; }

  // A run writes the first kRecordedRows rows of a log and leaves the rest zero; a copy of
  // those alone is a third of the log and still in the cache.
  std::vector<double> rows_;
  UnitFlags units_;
  std::array<int, kCurveListSize> curveList_{};
  int curveCount_ = 0;
  RunSettings settings_;
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

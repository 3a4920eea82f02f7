#include "run_result.h"

#include <algorithm>
#include <chrono>

#include <optional>
#include <stdexcept>

#include <pybind11/numpy.h>
#include <pybind11/stl/filesystem.h>

#include "flight_model/constants.h"
#include "interrupt_poll.h"
#include "python_errors.h"
#include "study/case_runner.h"
#include "trajectory/log_units.h"
#include "trajectory/result_file.h"
#include "trust_bindings.h"

namespace zarv {
namespace py = pybind11;
namespace {

constexpr double kPascalsPerBar = 1e5;     // Pa/bar
constexpr double kWattsPerKilowatt = 1e3;  // W/kW
constexpr double kReynoldsScale = 1e3;     // the log keeps Re per metre over 1000

// The recorded rows as arrays: the log's row, the factor from its recorded unit to SI, the
// SI unit and what it is. The log's empty rows and its copies of rows for charts are left out.
struct SampleRow {
  const char* name;
  int row;
  double toSi;
  const char* unit;
  const char* meaning;
};

constexpr SampleRow kSampleRows[] = {
    {"t", row::kTime, 1.0, "s", "flight time"},
    {"V", row::kVelocity, 1.0, "m/s", "speed along the path"},
    {"q", row::kDynamicPressure, 1.0, "Pa", "dynamic pressure"},
    {"H", row::kAltitude, 1.0, "m", "altitude, 0 below the ground"},
    {"theta", row::kPathAngle, 1.0 / kDegreesPerRadian, "rad", "path angle"},
    {"X", row::kRange, 1.0, "m", "range"},
    {"nx", row::kLoadFactorX, 1.0, "-", "load factor along the path (drag over weight at 9.8 m/s2)"},
    {"ny", row::kLoadFactorY, 1.0, "-", "load factor across the path (lift over weight at 9.8 m/s2)"},
    {"buoyancy_minus_weight", row::kLiftMinusWeight, 1.0, "N", "buoyancy minus weight"},
    {"buoyancy", row::kLiftForce, 1.0, "N", "buoyancy"},
    {"wind", row::kWind, 1.0, "m/s", "wind speed"},
    {"heat_flux", row::kHeatFlux, kWattsPerKilowatt, "W/m2", "stagnation-point heat flux"},
    {"thrust", row::kThrust, 1.0, "N", "thrust"},
    {"mass", row::kMass, 1.0, "kg", "mass"},
    {"thrust_per_mass", row::kThrustPerMass, 1.0, "m/s2", "thrust over mass"},
    {"envelope_volume", row::kEnvelopeVolume, 1.0, "m3", "balloon envelope volume"},
    {"drag", row::kDragForce, 1.0, "N", "drag force"},
    {"aero_lift", row::kAeroLiftForce, 1.0, "N", "aerodynamic lift force"},
    {"Cx", row::kDragCoefficient, 1.0, "-", "drag coefficient"},
    {"Cy", row::kLiftCoefficient, 1.0, "-", "lift coefficient"},
    {"Mach", row::kMach, 1.0, "-", "Mach number"},
    {"T", row::kTemperature, 1.0, "K", "air temperature"},
    {"p", row::kPressure, kPascalsPerBar, "Pa", "air pressure"},
    {"rho", row::kDensity, 1.0, "kg/m3", "air density"},
    {"Re_per_m", row::kReynolds, kReynoldsScale, "1/m", "Reynolds number per metre of length"},
    {"buoyancy_lost", row::kLiftLost, 1.0, "N", "buoyancy lost with the gas"},
};

py::array_t<double> ReadOnly(py::array_t<double> array) {
  array.attr("setflags")(py::arg("write") = false);
  return array;
}

}  // namespace

RunResult::RunResult(const PythonFlight& flight, const Calculation& done, Language language)
    : rows_(done.log().data(), done.log().data() + kRecordedRows * kSampleCapacity),
      units_(done.log().units),
      curveList_(done.log().CurveList),
      curveCount_(done.log().CurveCount),
      settings_(done.log().settings),
      summary_(done.summary()),
      flight_(flight),
      outcomes_(OutcomesOf(done)),
      language_(language) {}

std::unique_ptr<TrajectoryLog> RunResult::Log() const {
  auto log = std::make_unique<TrajectoryLog>();
  std::copy(rows_.begin(), rows_.end(), log->row(0));
  log->units = units_;
  log->CurveList = curveList_;
  log->CurveCount = curveCount_;
  log->settings = settings_;
  return log;
}

py::list RunResult::Warnings() {
  if (!warnings_) warnings_ = ModelWarningList(flight_, outcomes_, language_);
  return warnings_;
}

py::dict RunResult::Samples() {
  if (!samples_) {
    py::dict samples;
    for (const SampleRow& s : kSampleRows) {
      py::array_t<double> values(kSampleCapacity);
      double* out = values.mutable_data();
      // Rows the run rescaled for display (km, t, min) back in their recorded unit.
      const double factor = s.toSi * LogRowUnitSize(s.row, units_);
      const double* in = row(s.row);
      for (int j = 0; j < kSampleCapacity; ++j) out[j] = in[j] * factor;
      samples[s.name] = ReadOnly(std::move(values));
    }
    samples_ = std::move(samples);
  }
  return samples_;
}

py::dict RunResult::Summary() const {
  py::dict summary;
  // Keyed as the step check's rows and the warnings name the quantities.
  for (int q = 0; q < kStepQuantityCount; ++q) {
    const auto quantity = static_cast<StepQuantity>(q);
    summary[QuantityKey(quantity)] = QuantityOf(outcomes_, quantity);
  }
  summary["outcome"] =
      OutcomeWord(summary_.stop == RunStop::Ground ? OutcomeKind::Ground : OutcomeKind::EndTime);
  summary["steps"] = summary_.steps;
  return summary;
}

RunResult RunFlight(const PythonFlight& flight, Language language) {
  // A new calculation clears its two logs of 400 kB, several per cent of a run; each thread
  // keeps one for its runs instead. A run started while it is out (from a signal handler
  // during a run) gets a fresh one.
  thread_local std::unique_ptr<Calculation> kept;
  std::unique_ptr<Calculation> taken = kept ? std::move(kept) : std::make_unique<Calculation>();
  Calculation& calculation = *taken;
  flight.SetUp(calculation);
  InterruptPoll poll;
  RunControl control;
  control.cancel = poll.cancel();
  control.progress = [&poll](double) { poll.Poll(); };
  std::optional<RunFailure> failure;
  {
    const py::gil_scoped_release release;
    failure = calculation.Run(control);
  }
  // An interrupt that came as the run ended still ends the call.
  if (PyErr_Occurred() != nullptr) throw py::error_already_set();
  if (failure) RaiseRunFailure(*failure, language, flight.vehicleClass);
  RunResult result(flight, calculation, language);
  kept = std::move(taken);
  return result;
}

void BindRunResult(py::module_& m) {
  py::dict units, meanings;
  for (const SampleRow& s : kSampleRows) {
    units[s.name] = s.unit;
    meanings[s.name] = s.meaning;
  }
  m.attr("SAMPLE_UNITS") = units;
  m.attr("SAMPLE_MEANINGS") = meanings;

  // bench/python_bench.py's yardstick: the flight run n times on one calculation in C++, as
  // the C++ benchmark runs it, so that both are timed in one process in turn. Seconds.
  m.def("_bare_runs", [](const PythonFlight& flight, int n) {
    Calculation calculation;
    flight.SetUp(calculation);
    const py::gil_scoped_release release;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < n; ++i) {
      if (calculation.Run()) throw std::invalid_argument("the flight does not run");
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  });

  py::class_<RunResult>(m, "Result", "A finished run: 500 samples, the summary and the model's warnings.")
      .def_property_readonly("samples", &RunResult::Samples,
                             "The 500 samples as read-only numpy arrays by name, in SI units "
                             "(zarv.SAMPLE_UNITS).")
      .def_property_readonly("summary", &RunResult::Summary,
                             "flight_time s, range m, peak_altitude m, peak_speed m/s, peak_nx, "
                             "peak_q Pa, final_speed m/s, outcome ('ground' or 'end time'), steps.")
      .def_property_readonly("warnings", &RunResult::Warnings,
                             "Where the model or the step leave something out: dicts with code, "
                             "quantity, value and text. Worked out when first asked for: it flies "
                             "the flight again over the round Earth and at another step.")
      .def("to_pandas", [](RunResult& r) {
            return py::module_::import("pandas").attr("DataFrame")(r.Samples());
          }, "The samples as a pandas DataFrame, one column per quantity.")
      .def("write_result_file", [](const RunResult& r, const std::filesystem::path& dir) {
            FileWriteResult written;
            {
              const py::gil_scoped_release release;
              written = WriteResultFile(*r.Log(), dir);
            }
            if (!written.ok) RaiseWriteFailure(written, r.language());
            return written.path;
          }, py::arg("dir") = std::filesystem::path("."),
          "Writes DIR/Zarv_500.txt as the programs do, replacing it whole; returns its path.")
      .def("__repr__", [](const RunResult& r) {
        const py::dict s = r.Summary();
        return py::str("<zarv.Result {}: {:.6g} s, range {:.6g} m, peak altitude {:.6g} m>")
            .format(s["outcome"], s["flight_time"], s["range"], s["peak_altitude"]);
      });
}

}  // namespace zarv

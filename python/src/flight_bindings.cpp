#include "flight_bindings.h"

#include <charconv>
#include <cmath>
#include <string_view>
#include <variant>

#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

#include "python_errors.h"
#include "python_language.h"
#include "run_result.h"
#include "scenario/flight.h"
#include "scenario/flight_file.h"
#include "scenario/presets.h"
#include "texts/run_label.h"

namespace zarv {
namespace py = pybind11;
namespace {

bool ParseWhole(std::string_view text, int& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc{} && end == text.data() + text.size() && !text.empty();
}

PythonFlight FlightOfCalculation(const Calculation& calculation) {
  PythonFlight f;
  f.vehicleClass = calculation.vehicleClass();
  f.inputs = calculation.inputs();
  f.settings = calculation.settings();
  return f;
}

// As a click on the preset and zarv-run --preset set a fresh calculation up.
PythonFlight PresetFlight(const std::string& id) {
  const std::size_t colon = id.find(':');
  int cls = 0, item = 0;
  Scenario record;
  if (colon == std::string::npos || !ParseWhole(std::string_view(id).substr(0, colon), cls) ||
      !ParseWhole(std::string_view(id).substr(colon + 1), item) || !ApplyPreset(record, cls, item)) {
    throw py::value_error("no preset '" + id + "' (zarv.presets() lists them)");
  }
  Calculation calculation;
  calculation.Load(record);
  calculation.setSettings(RunSettings{});
  PythonFlight f = FlightOfCalculation(calculation);
  f.name = PresetName(cls, item);
  f.preset = id;
  return f;
}

PythonFlight LoadFlight(const std::filesystem::path& path, const std::string& lang) {
  const Language language = LanguageOfCode(lang);
  FlightRead read = ReadFlightFile(path);
  if (const auto* error = std::get_if<FlightFileError>(&read)) RaiseFlightFileError(*error, language);
  const Flight& flight = std::get<Flight>(read);
  Calculation calculation;
  ApplyFlight(flight, calculation);
  PythonFlight f = FlightOfCalculation(calculation);
  f.name = flight.name;
  f.notes = flight.notes;
  f.preset = flight.preset;
  return f;
}

// Checked as a reader of the file will check it, then written whole or not at all.
void SaveFlight(const PythonFlight& f, const std::filesystem::path& path, const std::string& lang) {
  const Language language = LanguageOfCode(lang);
  Calculation calculation;
  f.SetUp(calculation);
  Flight flight = FlightOf(calculation, f.settings);
  flight.name = f.name;
  flight.notes = f.notes;
  flight.preset = f.preset;
  if (const auto problem = CheckFlight(flight)) RaiseRejectedInput(*problem, language, f.vehicleClass);
  const FileWriteResult written = WriteFlightFile(path, flight);
  if (!written.ok) RaiseWriteFailure(written, language);
}

py::list Presets() {
  py::list presets;
  for (const PresetList& list : PresetLists()) {
    for (std::size_t item = 0; item < list.items.size(); ++item) {
      if (*list.items[item].text == '\0') continue;
      py::dict preset;
      preset["id"] = std::to_string(list.vehicleClass) + ":" + std::to_string(item);
      preset["class"] = ClassWord(VehicleClassFromRecord(list.vehicleClass));
      preset["name"] = PresetName(list.vehicleClass, static_cast<int>(item));
      presets.append(preset);
    }
  }
  return presets;
}

double Tolerance(double value, const char* name) {
  if (!(value > 0.0) || !std::isfinite(value)) {
    throw py::value_error(std::string(name) + " is a tolerance above 0");
  }
  return value;
}

}  // namespace

void PythonFlight::SetUp(Calculation& calculation) const {
  calculation.setVehicleClass(vehicleClass);
  calculation.setSettings(settings);
  calculation.inputs() = inputs;
}

FlightClass BindFlight(py::module_& m) {
  m.def("presets", &Presets,
        "The presets as dicts: id ('8:0', for Flight.preset), class and name.");

  FlightClass flight(m, "Flight",
                     "One flight: a vehicle of a class, its inputs (SI units, angles in degrees) "
                     "and how it is run.");
  flight
      .def_static("preset", &PresetFlight, py::arg("id"),
                  "The flight of a preset, 'CLASS:ITEM' as zarv.presets() lists it.")
      .def_static("load", &LoadFlight, py::arg("path"), py::arg("lang") = "en",
                  "Reads a flight file (.zarv); zarv.FlightFileError names the line and key it "
                  "refuses.")
      .def("save", &SaveFlight, py::arg("path"), py::arg("lang") = "en",
           "Writes the flight file, replacing it whole; an input a file cannot hold raises "
           "zarv.RejectedInput.")
      .def("run",
           [](const PythonFlight& f, const std::string& lang) { return RunFlight(f, LanguageOfCode(lang)); },
           py::arg("lang") = "en",
           "Runs the flight and returns a zarv.Result. The GIL is released while it computes. "
           "Raises zarv.RejectedInput or zarv.Diverged, worded in lang.")
      .def(
          "set",
          [](py::object self, py::kwargs changes) {
            auto& f = self.cast<PythonFlight&>();
            const PythonFlight before = f;
            try {
              for (const auto& [name, value] : changes) py::setattr(self, name, value);
            } catch (...) {
              f = before;
              throw;
            }
            return self;
          },
          "Sets inputs and settings by name, all or none: flight.set(dt0=0.001, Schub=2.8e5, "
          "earth='round'). Returns the flight.")
      .def("copy", [](const PythonFlight& f) { return f; }, "An independent copy.")
      .def("__copy__", [](const PythonFlight& f) { return f; })
      .def("__deepcopy__", [](const PythonFlight& f, py::dict) { return f; })
      .def_property_readonly("vehicle_class", [](const PythonFlight& f) { return ClassWord(f.vehicleClass); })
      .def_property_readonly("preset_id", [](const PythonFlight& f) { return f.preset; },
                             "The preset it started from, 'CLASS:ITEM', or ''.")
      .def_readwrite("name", &PythonFlight::name)
      .def_readwrite("notes", &PythonFlight::notes)
      .def_property(
          "earth", [](const PythonFlight& f) { return EarthWord(f.settings.earth); },
          [](PythonFlight& f, const std::string& word) {
            for (const EarthModel earth : {EarthModel::Flat, EarthModel::Round}) {
              if (word == EarthWord(earth)) {
                f.settings.earth = earth;
                return;
              }
            }
            throw py::value_error("earth is 'flat' or 'round', not '" + word + "'");
          },
          "'flat' (the default) or 'round'.")
      .def_property(
          "integrator", [](const PythonFlight& f) { return IntegratorName(f.settings.integrator); },
          [](PythonFlight& f, const std::string& word) {
            const auto integrator = IntegratorFromName(word);
            if (!integrator) throw py::value_error("integrator is 'euler', 'rk4' or 'adaptive', not '" + word + "'");
            f.settings.integrator = *integrator;
          },
          "'euler' (the default), 'rk4' or 'adaptive'.")
      .def_property(
          "rtol", [](const PythonFlight& f) { return f.settings.rtol; },
          [](PythonFlight& f, double rtol) { f.settings.rtol = Tolerance(rtol, "rtol"); },
          "The adaptive method's relative tolerance.")
      .def_property(
          "atol", [](const PythonFlight& f) { return f.settings.atol; },
          [](PythonFlight& f, std::optional<double> atol) {
            f.settings.atol = atol ? std::optional<double>(Tolerance(*atol, "atol")) : std::nullopt;
          },
          "The adaptive method's absolute tolerance for every variable, or None for each "
          "variable's own.")
      .def_property_readonly(
          "inputs",
          [](const PythonFlight& f) {
            py::dict inputs;
            for (const char* name : FlightInputNames(f.vehicleClass)) inputs[name] = *RunInputByName(f.inputs, name);
            inputs["AeroModel"] = f.inputs.AeroModel;
            return inputs;
          },
          "The inputs a flight of its class has, by name.")
      .def("__repr__", [](const PythonFlight& f) {
        return py::str("<zarv.Flight {!r}: {}{}>")
            .format(f.name, ClassWord(f.vehicleClass), f.preset.empty() ? "" : ", preset " + f.preset);
      });

  // Every input as an attribute, as zarv-run's --set takes it, whatever the class.
  for (const char* name : kRunInputNames) {
    flight.def_property(
        name,
        [name](const PythonFlight& f) { return *RunInputByName(f.inputs, name); },
        [name](PythonFlight& f, double value) { *RunInputByName(f.inputs, name) = value; });
  }
  BindRunResult(m);
  return flight;
}

}  // namespace zarv

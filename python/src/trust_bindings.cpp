#include "trust_bindings.h"

#include <cmath>
#include <variant>

#include "python_errors.h"
#include "python_language.h"
#include "texts/model_warning_texts.h"
#include "texts/step_check_report.h"
#include "texts/validation_report.h"
#include "trust/model_warnings.h"
#include "trust/step_check.h"
#include "trust/validation.h"

namespace zarv {
namespace py = pybind11;

const char* QuantityKey(StepQuantity quantity) {
  switch (quantity) {
    case StepQuantity::FlightTime: return "flight_time";
    case StepQuantity::Range: return "range";
    case StepQuantity::PeakAltitude: return "peak_altitude";
    case StepQuantity::PeakSpeed: return "peak_speed";
    case StepQuantity::PeakLoadFactorX: return "peak_nx";
    case StepQuantity::PeakDynamicPressure: return "peak_q";
    case StepQuantity::FinalSpeed: return "final_speed";
  }
  return "";
}

namespace {

const char* WarningCode(ModelWarningCode code) {
  switch (code) {
    case ModelWarningCode::FlatEarth: return "flat_earth";
    case ModelWarningCode::AboveAtmosphereTable: return "above_atmosphere_table";
    case ModelWarningCode::StepProbablyCoarse: return "step_probably_coarse";
    case ModelWarningCode::StepTooCoarse: return "step_too_coarse";
  }
  return "";
}

py::dict StepCheckDict(const StepCheck& check, Language language) {
  const double r = check.step.refinement;
  py::list rows;
  for (const StepCheckRow& c : check.rows) {
    py::dict row;
    row["quantity"] = QuantityKey(c.quantity);
    row["name"] = StepQuantityName(c.quantity, language);
    row["values"] = py::make_tuple(c.values[0], c.values[1], c.values[2]);
    row["extrapolated"] = c.extrapolated;
    row["error"] = c.error;
    row["observed_order"] = c.observedOrder;
    row["asymptotic"] = c.asymptotic;
    row["largest_step"] = c.largestStep;
    row["meets"] = c.meets;
    rows.append(row);
  }
  py::dict result;
  result["integrator"] = IntegratorName(check.step.integrator);
  result["steps"] = py::make_tuple(check.step.value, check.step.value / r, check.step.value / (r * r));
  result["tolerance"] = check.tolerance;
  result["rows"] = rows;
  result["meets"] = check.meets;
  result["asymptotic"] = check.asymptotic;
  result["suggested_step"] = check.suggestedStep;
  result["confirmed"] = check.confirmed;
  result["least_step"] = check.leastStep;
  result["verdict"] = StepCheckVerdict(check, language);
  result["report"] = FormatStepCheck(check, language);
  return result;
}

py::dict Validate(const std::string& lang) {
  const Language language = LanguageOfCode(lang);
  std::vector<ValidationRow> rows;
  {
    const py::gil_scoped_release release;
    rows = RunValidation();
  }
  py::list list;
  bool passed = true;
  for (const ValidationRow& r : rows) {
    py::dict row;
    row["case"] = ValidationCaseName(r.flight, language);
    row["integrator"] = IntegratorName(r.integrator);
    row["quantity"] = ValidationQuantityName(r.quantity, language);
    row["source"] = r.source;
    row["unit"] = r.unit;
    row["closed_form"] = r.closedForm;
    row["computed"] = r.computed;
    row["difference"] = r.difference();
    row["tolerance"] = r.tolerance;
    row["passed"] = r.passed();
    passed = passed && r.passed();
    list.append(row);
  }
  py::dict result;
  result["rows"] = list;
  result["passed"] = passed;
  result["report"] = FormatValidationReport(rows, language);
  return result;
}

}  // namespace

py::list ModelWarningList(const PythonFlight& flight, const RunOutcomes& outcomes, Language language) {
  Calculation calculation;
  flight.SetUp(calculation);
  std::optional<std::vector<ModelWarning>> warnings;
  {
    const py::gil_scoped_release release;
    warnings = AssessRun(calculation, outcomes, nullptr);
  }
  py::list list;
  for (const ModelWarning& w : warnings.value_or(std::vector<ModelWarning>{})) {
    py::dict warning;
    warning["code"] = WarningCode(w.code);
    warning["quantity"] = QuantityKey(w.quantity);
    warning["value"] = w.value;
    warning["text"] = DescribeModelWarning(w, language);
    list.append(warning);
  }
  return list;
}

void BindTrust(py::module_& m, FlightClass& flight) {
  flight.def(
      "check_step",
      [](const PythonFlight& f, double tolerance, const std::string& lang) {
        const Language language = LanguageOfCode(lang);
        if (!(tolerance > 0.0) || !std::isfinite(tolerance)) {
          throw py::value_error("tolerance is a relative error above 0, e.g. 0.01 for 1 %");
        }
        Calculation calculation;
        f.SetUp(calculation);
        std::variant<StepCheck, RunFailure> result;
        {
          const py::gil_scoped_release release;
          result = CheckStep(calculation, tolerance);
        }
        if (const auto* failure = std::get_if<RunFailure>(&result)) {
          RaiseRunFailure(*failure, language, f.vehicleClass);
        }
        return StepCheckDict(std::get<StepCheck>(result), language);
      },
      py::arg("tolerance") = kDefaultStepTolerance, py::arg("lang") = "en",
      "Runs the flight at its step dt0 (or the adaptive method at its rtol) and at two finer "
      "ones and extrapolates: a dict with the integrator, the three steps, a row per quantity "
      "(its three values, the extrapolated value, the relative error at dt0, the observed "
      "order, the largest step within the relative tolerance, meets), the suggested step, the "
      "verdict and the report as zarv-run --check-step prints it.");
  m.def("validate", &Validate, py::arg("lang") = "en",
        "Runs the flights with closed-form answers with every integrator: a dict with a row "
        "per quantity (case, integrator, closed form, computed, difference, tolerance, "
        "passed), passed for all, and the report as zarv-run --validate prints it.");
}

}  // namespace zarv

#include "study_bindings.h"

#include <memory>
#include <string>
#include <vector>

#include <pybind11/numpy.h>
#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

#include "flight_bindings.h"
#include "interrupt_poll.h"
#include "python_errors.h"
#include "python_language.h"
#include "study/case_stream.h"
#include "study/study_runner.h"
#include "tools/design_from_words.h"
#include "tools/preset_case_runner.h"
#include "tools/study_report.h"
#include "tools/study_words.h"
#include "trajectory/file_writer.h"

namespace zarv {
namespace py = pybind11;
namespace {

// Cases first .. first + count - 1 of a design, as cases 0 .. count - 1.
class CaseRange : public StudyDesign {
 public:
  CaseRange(const StudyDesign& whole, std::uint64_t first, std::uint64_t count)
      : whole_(whole), first_(first), count_(count) {
    names_ = whole.names();
  }
  std::uint64_t caseCount() const override { return count_; }
  void Inputs(std::uint64_t k, std::span<double> values) const override { whole_.Inputs(first_ + k, values); }
  std::string Describe() const override { return whole_.Describe(); }

 private:
  const StudyDesign& whole_;
  std::uint64_t first_, count_;
};

// The rows of a run, gathered without the GIL.
struct Rows {
  std::vector<std::uint64_t> cases;
  std::vector<double> inputs, values;
  std::vector<std::uint8_t> kinds;
  std::vector<std::string> reasons;

  void Add(const CaseRow& row) {
    cases.push_back(row.index);
    inputs.insert(inputs.end(), row.inputs.begin(), row.inputs.end());
    values.insert(values.end(), row.outcome.values.begin(), row.outcome.values.end());
    kinds.push_back(static_cast<std::uint8_t>(row.outcome.kind));
    reasons.push_back(row.outcome.reason);
  }

  py::dict Arrays(std::size_t inputCount) const {
    const auto n = static_cast<py::ssize_t>(cases.size());
    py::dict arrays;
    arrays["case"] = py::array_t<std::uint64_t>(n, cases.data());
    arrays["inputs"] = py::array_t<double>({n, static_cast<py::ssize_t>(inputCount)}, inputs.data());
    arrays["values"] = py::array_t<double>({n, static_cast<py::ssize_t>(kOutcomeColumns)}, values.data());
    arrays["kinds"] = py::array_t<std::uint8_t>(n, kinds.data());
    arrays["reasons"] = reasons;
    return arrays;
  }
};

// What a study runs: the flight's class, inputs and settings, the design in zarv-run's
// words (--sweep, --vary, --monte-carlo, --seed) and the language of its reasons. Plain
// values, so it pickles for an executor; every process makes the same design from them.
class StudyPlan {
 public:
  StudyPlan(const PythonFlight& flight, std::vector<std::string> sweeps, std::vector<std::string> varies,
            std::uint64_t count, std::uint64_t seed, Language language)
      : flight_(flight), sweeps_(std::move(sweeps)), varies_(std::move(varies)), count_(count),
        seed_(seed), language_(language) {
    flight_.name.clear();
    flight_.notes.clear();
    flight_.preset.clear();
    Design();
  }

  std::uint64_t caseCount() const { return design_->caseCount(); }
  const std::vector<std::string>& names() const { return design_->names(); }
  std::string Describe() const { return design_->Describe(); }

  // Cases first .. first + count - 1 on `threads` threads (0: every core), without the GIL.
  // Returns the rows and the summary's text; Ctrl-C raises KeyboardInterrupt.
  py::tuple Run(std::uint64_t first, std::uint64_t count, unsigned threads) const {
    if (first > caseCount() || count > caseCount() - first) throw py::index_error("cases out of the study");
    const CaseRange range(*design_, first, count);
    const PythonFlight& f = flight_;
    const Language language = language_;
    const CaseRunnerFactory factory = [&f, language] {
      return std::make_unique<PresetCaseRunner>(f.vehicleClass, f.settings, f.inputs, language);
    };
    InterruptPoll poll;
    StudyOptions options;
    options.threads = threads;
    options.cancel = poll.cancel();
    options.progress = [&poll](const StudyProgress&) { poll.Poll(); };
    Rows rows;
    StudyResult result;
    {
      const py::gil_scoped_release release;
      result = RunStudy(range, factory, options, [&rows, first](const CaseRow& row) {
        CaseRow shifted = row;
        shifted.index += first;
        rows.Add(shifted);
      });
    }
    if (result.cancelled && PyErr_Occurred() == nullptr) PyErr_SetNone(PyExc_KeyboardInterrupt);
    if (PyErr_Occurred() != nullptr) throw py::error_already_set();
    return py::make_tuple(rows.Arrays(names().size()), FormatSummary(result.summary, language_));
  }

  // The summary of rows in case order, as zarv-run prints it.
  std::string Summarize(py::array_t<double, py::array::c_style> values,
                        py::array_t<std::uint8_t, py::array::c_style> kinds) const {
    const auto v = values.unchecked<2>();
    const auto k = kinds.unchecked<1>();
    if (v.shape(0) != k.shape(0) || v.shape(1) != kOutcomeColumns) throw py::value_error("not a study's rows");
    SummaryBuilder builder;
    for (py::ssize_t i = 0; i < k.shape(0); ++i) {
      CaseOutcome outcome;
      outcome.kind = Kind(k(i));
      for (int c = 0; c < kOutcomeColumns; ++c) outcome.values[c] = v(i, c);
      builder.Add(outcome);
    }
    return FormatSummary(builder.Finish(), language_);
  }

  // The table as zarv-run --out writes it, written whole or not at all.
  void WriteTable(const std::filesystem::path& path, const py::dict& arrays) const {
    const auto cases = arrays["case"].cast<py::array_t<std::uint64_t, py::array::c_style>>().unchecked<1>();
    const auto inputs = arrays["inputs"].cast<py::array_t<double, py::array::c_style>>().unchecked<2>();
    const auto values = arrays["values"].cast<py::array_t<double, py::array::c_style>>().unchecked<2>();
    const auto kinds = arrays["kinds"].cast<py::array_t<std::uint8_t, py::array::c_style>>().unchecked<1>();
    const auto reasons = arrays["reasons"].cast<std::vector<std::string>>();
    const py::ssize_t n = cases.shape(0);
    const auto m = static_cast<py::ssize_t>(names().size());
    if (inputs.shape(0) != n || inputs.shape(1) != m || values.shape(0) != n ||
        values.shape(1) != kOutcomeColumns || kinds.shape(0) != n || static_cast<py::ssize_t>(reasons.size()) != n) {
      throw py::value_error("not a study's rows");
    }
    std::string text = TableHead(*design_);
    CaseRow row;
    row.inputs.resize(static_cast<std::size_t>(m));
    for (py::ssize_t i = 0; i < n; ++i) {
      row.index = cases(i);
      for (py::ssize_t j = 0; j < m; ++j) row.inputs[static_cast<std::size_t>(j)] = inputs(i, j);
      for (int c = 0; c < kOutcomeColumns; ++c) row.outcome.values[c] = values(i, c);
      row.outcome.kind = Kind(kinds(i));
      row.outcome.reason = reasons[static_cast<std::size_t>(i)];
      AppendRow(text, row);
    }
    FileWriteResult written;
    {
      const py::gil_scoped_release release;
      written = WriteWholeFile(path, text);
    }
    if (!written.ok) RaiseWriteFailure(written, language_);
  }

  py::tuple State() const {
    const RunSettings& s = flight_.settings;
    py::list inputs;
    for (const char* name : kRunInputNames) inputs.append(*RunInputByName(flight_.inputs, name));
    return py::make_tuple(static_cast<int>(flight_.vehicleClass), inputs, static_cast<int>(s.earth),
                          static_cast<int>(s.integrator), s.rtol, s.atol, sweeps_, varies_, count_, seed_,
                          static_cast<int>(language_));
  }

  static StudyPlan FromState(const py::tuple& t) {
    if (t.size() != 11) throw py::value_error("not a study plan");
    const int earth = t[2].cast<int>(), integrator = t[3].cast<int>(), language = t[10].cast<int>();
    if (earth < 0 || earth > 1 || integrator < 0 || integrator > 2 || language < 1 || language > 3) {
      throw py::value_error("not a study plan");
    }
    PythonFlight f;
    f.vehicleClass = VehicleClassFromRecord(t[0].cast<int>());
    const auto inputs = t[1].cast<std::vector<double>>();
    if (inputs.size() != std::size(kRunInputNames)) throw py::value_error("not a study plan");
    for (std::size_t i = 0; i < inputs.size(); ++i) *RunInputByName(f.inputs, kRunInputNames[i]) = inputs[i];
    f.settings.earth = static_cast<EarthModel>(earth);
    f.settings.integrator = static_cast<Integrator>(integrator);
    f.settings.rtol = t[4].cast<double>();
    f.settings.atol = t[5].cast<std::optional<double>>();
    return StudyPlan(f, t[6].cast<std::vector<std::string>>(), t[7].cast<std::vector<std::string>>(),
                     t[8].cast<std::uint64_t>(), t[9].cast<std::uint64_t>(), static_cast<Language>(language));
  }

 private:
  static OutcomeKind Kind(std::uint8_t code) {
    if (code >= kOutcomeKinds) throw py::value_error("not an outcome");
    return static_cast<OutcomeKind>(code);
  }

  [[noreturn]] void Refuse(const StudyError& error) const {
    throw py::value_error(DescribeStudyError(error, language_));
  }

  // As zarv-run makes it: sweeps into a grid, or variations around the flight's values.
  void Design() {
    if (sweeps_.empty() && count_ < 1) Refuse({StudyProblem::BadCount, std::to_string(count_)});
    WordsDesign made = DesignFromWords(sweeps_, varies_, count_, seed_, flight_.inputs);
    if (!made.unknownInput.empty()) {
      throw py::value_error(std::string(study_words::kUnknownInput.in(language_)) + " '" +
                            made.unknownInput + "'");
    }
    if (!made.design) Refuse(made.error);
    design_ = std::move(made.design);
  }

  PythonFlight flight_;
  std::vector<std::string> sweeps_, varies_;
  std::uint64_t count_ = 0, seed_ = kDefaultSeed;
  Language language_;
  std::shared_ptr<const StudyDesign> design_;
};

}  // namespace

void BindStudy(py::module_& m) {
  py::list outcomeWords;
  for (int k = 0; k < kOutcomeKinds; ++k) outcomeWords.append(OutcomeWord(static_cast<OutcomeKind>(k)));
  m.attr("OUTCOME_WORDS") = outcomeWords;
  py::list outcomeKeys;
  for (const char* key : kOutcomeKeys) outcomeKeys.append(key);
  m.attr("OUTCOME_KEYS") = outcomeKeys;
  m.attr("DEFAULT_SEED") = kDefaultSeed;

  py::class_<StudyPlan>(m, "StudyPlan")
      .def(py::init([](const PythonFlight& flight, std::vector<std::string> sweeps, std::vector<std::string> varies,
                       std::uint64_t count, std::uint64_t seed, const std::string& lang) {
             return StudyPlan(flight, std::move(sweeps), std::move(varies), count, seed, LanguageOfCode(lang));
           }),
           py::arg("flight"), py::arg("sweeps"), py::arg("varies"), py::arg("count"), py::arg("seed"),
           py::arg("lang"))
      .def_property_readonly("case_count", &StudyPlan::caseCount)
      .def_property_readonly("names", &StudyPlan::names)
      .def_property_readonly("description", &StudyPlan::Describe)
      .def("run", &StudyPlan::Run, py::arg("first"), py::arg("count"), py::arg("threads"))
      .def("summarize", &StudyPlan::Summarize, py::arg("values"), py::arg("kinds"))
      .def("write_table", &StudyPlan::WriteTable, py::arg("path"), py::arg("arrays"))
      .def(py::pickle([](const StudyPlan& plan) { return plan.State(); },
                      [](const py::tuple& state) { return StudyPlan::FromState(state); }));
}

}  // namespace zarv

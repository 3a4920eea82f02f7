#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>

#include "scenario/scenario.h"
#include "trajectory/input_check.h"
#include "trajectory/result_file.h"
#include "trajectory/run_inputs.h"
#include "trajectory/run_settings.h"
#include "trajectory/trajectory_log.h"
#include "trajectory/trajectory_run.h"
#include "trajectory/vehicle_class.h"

namespace zarv {

// One calculation as every client makes it: a record's inputs, changed by name if need
// be, run into the log, written to the result file. The run and its log live as long as
// the calculation, so a class without a set-up of its own (the airship) continues from
// the one before, as in the window.
class Calculation {
 public:
  Calculation();

  // Takes the record's inputs as an activation does (inputs of other classes keep their
  // values) and the record's class.
  void Load(const Scenario& record);

  RunInputs& inputs() { return inputs_; }
  const RunInputs& inputs() const { return inputs_; }
  VehicleClass vehicleClass() const { return vehicleClass_; }
  void setVehicleClass(VehicleClass vehicleClass) { vehicleClass_ = vehicleClass; }

  // How the next runs are computed: the Earth model, the integrator and its tolerances.
  const RunSettings& settings() const { return run_.settings(); }
  void setSettings(const RunSettings& settings) { run_.SetSettings(settings); }
  EarthModel earthModel() const { return settings().earth; }
  void setEarthModel(EarthModel earth) {
    RunSettings changed = settings();
    changed.earth = earth;
    setSettings(changed);
  }
  Integrator integrator() const { return settings().integrator; }
  void setIntegrator(Integrator integrator) {
    RunSettings changed = settings();
    changed.integrator = integrator;
    setSettings(changed);
  }

  // Runs the model with a seeded fault, for the tests that show a check catches it.
  void SetModelFault(ModelFault fault) { run_.SetModelFault(fault); }

  // Sets one input by its name; false, changing nothing, for a name that is no input.
  bool Set(std::string_view name, double value);

  // A failed run changes nothing: the log and the summary stay those of the last run.
  // With control.recordLog off the summary is the new run's and the log stays as it was.
  std::optional<RunFailure> Run(const RunControl& control = {});

  const TrajectoryLog& log() const { return *log_; }
  TrajectoryLog& log() { return *log_; }
  const RunSummary& summary() const { return run_.summary(); }

  FileWriteResult WriteResultFile(const std::filesystem::path& dir = ".") const;

  // Off: the recording pass integrates the whole flight again instead of continuing from
  // the first pass's state copies (the same log, for comparisons).
  void SetStateCopies(bool keep) { run_.SetStateCopies(keep); }

 private:
  RunInputs inputs_;
  VehicleClass vehicleClass_ = VehicleClass::None;
  TrajectoryRun run_;
  // Heap-held, 400 kB each; a run fills the spare one and they swap on success.
  std::unique_ptr<TrajectoryLog> log_;
  std::unique_ptr<TrajectoryLog> spare_;
};

}  // namespace zarv

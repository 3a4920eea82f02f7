#pragma once

#include <memory>

#include "scenario/presets.h"
#include "scenario/scenario_inputs.h"
#include "trajectory/trajectory_run.h"

namespace zarv::testing {

// A run of one preset as the calculation window would start it.
struct PresetRun {
  Scenario record;
  RunInputs inputs;
  TrajectoryRun run;
  std::unique_ptr<TrajectoryLog> log = std::make_unique<TrajectoryLog>();

  PresetRun(int vehicleClass, int item) {
    ApplyPreset(record, vehicleClass, item);
    inputs = InputsFromScenario(record);
  }
  std::optional<InputError> Run() { return run.Run(inputs, record[sf::VehicleClass], *log); }
};

}  // namespace zarv::testing

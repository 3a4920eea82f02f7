#include "scenario/calculation.h"

#include <utility>

#include "scenario/scenario_inputs.h"

namespace zarv {

Calculation::Calculation()
    : log_(std::make_unique<TrajectoryLog>()), spare_(std::make_unique<TrajectoryLog>()) {}

void Calculation::Load(const Scenario& record) {
  inputs_ = InputsFromScenario(record, inputs_);
  vehicleClass_ = VehicleClassFromRecord(record[sf::VehicleClass]);
}

bool Calculation::Set(std::string_view name, double value) {
  // Matched as a whole view, so a name with a NUL inside is no prefix match.
  for (const char* known : kRunInputNames) {
    if (name == known) {
      *RunInputByName(inputs_, known) = value;
      return true;
    }
  }
  return false;
}

std::optional<RunFailure> Calculation::Run(const RunControl& control) {
  if (auto failure = run_.Run(inputs_, vehicleClass_, *spare_, control)) return failure;
  if (control.recordLog) std::swap(log_, spare_);
  return std::nullopt;
}

FileWriteResult Calculation::WriteResultFile(const std::filesystem::path& dir) const {
  return zarv::WriteResultFile(*log_, dir);
}

}  // namespace zarv

#include "trajectory/run_inputs.h"

#include <cstring>
#include <iterator>

namespace zarv {

double* RunInputByName(RunInputs& in, const char* name) {
  struct Entry {
    const char* name;
    double RunInputs::*member;
  };
  static constexpr Entry kEntries[] = {
      {"H0", &RunInputs::H0},         {"V0", &RunInputs::V0},
      {"TTO", &RunInputs::TTO},       {"Tk", &RunInputs::Tk},
      {"Hk", &RunInputs::Hk},         {"Vk", &RunInputs::Vk},
      {"dt0", &RunInputs::dt0},       {"MassaStart", &RunInputs::MassaStart},
      {"Vwind", &RunInputs::Vwind},   {"S0", &RunInputs::S0},
      {"Cx", &RunInputs::Cx},         {"Cy", &RunInputs::Cy},
      {"Mt", &RunInputs::Mt},         {"Iud", &RunInputs::Iud},
      {"Mdv", &RunInputs::Mdv},       {"Schub", &RunInputs::Schub},
      {"RSAT", &RunInputs::RSAT},     {"Auftriebplus", &RunInputs::Auftriebplus},
      {"Gasverlust", &RunInputs::Gasverlust}, {"GasDichte", &RunInputs::GasDichte},
      {"HFlug", &RunInputs::HFlug},   {"AeroModel", &RunInputs::AeroModel},
  };
  static_assert(std::size(kEntries) == std::size(kRunInputNames));
  for (const Entry& e : kEntries) {
    if (std::strcmp(e.name, name) == 0) return &(in.*(e.member));
  }
  return nullptr;
}

const double* RunInputByName(const RunInputs& in, const char* name) {
  return RunInputByName(const_cast<RunInputs&>(in), name);
}

}  // namespace zarv

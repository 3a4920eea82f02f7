#pragma once

#include <array>

namespace zarv {

// Field numbers of the scenario record; the numbers in between are reserved.
namespace sf {
inline constexpr int VehicleClass = 0;
inline constexpr int GasDichte = 2;
inline constexpr int AeroModel = 3;
inline constexpr int Language = 4;
inline constexpr int MassaStart = 5;
inline constexpr int S0 = 6;
inline constexpr int Cx = 7;
inline constexpr int Cy = 8;
inline constexpr int H0 = 11;
inline constexpr int V0 = 12;
inline constexpr int TTO = 13;
inline constexpr int HFlug = 14;
inline constexpr int Hk = 16;
inline constexpr int Vk = 17;
inline constexpr int Tk = 18;
inline constexpr int dt0 = 19;
inline constexpr int Vwind = 20;
inline constexpr int RSAT = 22;
inline constexpr int Mt = 30;
inline constexpr int Iud = 31;
inline constexpr int Mdv = 32;
inline constexpr int Schub = 33;
}  // namespace sf

inline constexpr int kScenarioFields = 40;

// The record the start window fills and the calculation window reads on activation:
// 40 doubles, all 0 at program start.
struct Scenario {
  std::array<double, kScenarioFields> field{};

  double& operator[](int n) { return field[static_cast<std::size_t>(n)]; }
  double operator[](int n) const { return field[static_cast<std::size_t>(n)]; }
};

}  // namespace zarv

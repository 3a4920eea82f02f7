#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "trajectory/earth_model.h"

namespace zarv {

// How the equations of motion are integrated: the fixed-step explicit Euler method (the
// default, whose results never move), classic fourth-order Runge-Kutta at the same fixed
// step, or Dormand-Prince 5(4) with error control and dense output.
enum class Integrator { Euler, Rk4, Adaptive };

inline constexpr double kDefaultRelativeTolerance = 1e-6;

// How a run is computed, apart from its inputs. Every client passes one: the window, the
// command line, the studies and the step check's copies.
struct RunSettings {
  EarthModel earth = EarthModel::Flat;
  Integrator integrator = Integrator::Euler;
  // Of the adaptive method only.
  double rtol = kDefaultRelativeTolerance;
  // One absolute tolerance for every state variable in its SI unit (m, m/s, rad, kg);
  // none: each variable's own (kDefaultAbsoluteTolerances in flight_equations.h).
  std::optional<double> atol;

  bool operator==(const RunSettings&) const = default;
};

// "euler", "rk4", "adaptive".
const char* IntegratorName(Integrator integrator);
std::optional<Integrator> IntegratorFromName(std::string_view name);

// The order of the global error in the step: 1, 4, and 5 for the adaptive method.
int IntegratorOrder(Integrator integrator);

// "rk4", or "adaptive, rtol 1e-06, atol per variable": what the result file and the CSV
// say about a run.
std::string DescribeIntegration(const RunSettings& settings);

}  // namespace zarv

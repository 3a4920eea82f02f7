#include "flight_model/drag_law.h"

namespace zarv {
namespace {

// Drag coefficient against Mach number: constant, a linear rise through the transonic
// range, then a hyperbolic fall.
constexpr double kSubsonicCx = 0.29;
constexpr double kTransonicStart = 0.8;      // Mach
constexpr double kTransonicOffset = 0.51;    // Cx = M - 0.51
constexpr double kSupersonicNumerator = 0.5; // Cx = 0.5 / M + 0.091
constexpr double kSupersonicFloor = 0.091;

}  // namespace

void DragLaw(const double& model, const double& mach, double& cx) {
  // Models 1 and 2 are those that round to 1 or 2 (halves away from zero).
  if (!(model >= 0.5 && model < 2.5)) return;
  // The A-4 law (2) shares the Titan-2 law (1) over the whole Mach range.
  if (mach < kTransonicStart) {
    cx = kSubsonicCx;
  } else if (mach < kDragLawJumpMach) {
    cx = mach - kTransonicOffset;
  } else {
    cx = kSupersonicNumerator / mach + kSupersonicFloor;
  }
}

}  // namespace zarv

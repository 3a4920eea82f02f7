#pragma once

namespace zarv {

// Mach number where the laws leave the transonic line for the supersonic hyperbola; Cx
// jumps there by 0.0012.
inline constexpr double kDragLawJumpMach = 1.068;

// Mach-dependent drag coefficient. model is rounded to the nearest integer; models 1
// (Titan-2) and 2 write cx, any other model leaves it untouched.
void DragLaw(const double& model, const double& mach, double& cx);

}  // namespace zarv

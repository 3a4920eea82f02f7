#pragma once

#include "flight_model/path_rates.h"

namespace zarv {

// Values the run shares with the motion step besides its parameters: the current mass
// (read), the form selector and the Earth model (read) and the two aerodynamic forces
// (written).
struct MotionShared {
  double mass = 0.0;          // kg, must be positive
  int aerostatLatch = 0;      // 1: aerostat form (balloon, airship)
  double dragForce = 0.0;     // N, Cx * q * S
  double aeroLiftForce = 0.0; // N, Cy * q * S
  bool roundEarth = false;    // false: flat Earth with constant gravity
  double pathPower = 0.0;     // W/kg, of the forces but gravity at the step's start (written)
  double gravity = 0.0;       // m/s2, as applied in the step (written)
  double buoyancy = 0.0;      // N, the lift force as applied in the step (written)
  ModelFault fault = ModelFault::None;
};

// One explicit Euler step of the point mass in the vertical plane, over a flat Earth or,
// with shared.roundEarth, over a round one (gravity falling with altitude, the path
// turning with the curvature, range measured along the ground). Advances t, H, X, V and
// theta (rad) in place and writes nx, ny (in units of 9.8 m/s2) and q (Pa).
void MotionStep(const double& liftForce, const double& thrust, const double& area,
                const double& windSpeed, const double& dt, const double& density,
                const double& cx, const double& cy, double& t, double& h, double& x,
                double& v, double& theta, double& nx, double& ny, double& q,
                MotionShared& shared);

}  // namespace zarv

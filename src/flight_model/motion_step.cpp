#include "flight_model/motion_step.h"

#include <cmath>

#include "flight_model/constants.h"
#include "flight_model/path_rates.h"

namespace zarv {

// The round Earth takes gravity, the ground factor and the curvature from the altitude
// at the start of the step, as the flat form takes density. The turn takes the speed
// after the step, so the flat form's results stay what they always were.
void MotionStep(const double& liftForce, const double& thrust, const double& area,
                const double& windSpeed, const double& dt, const double& density,
                const double& cx, const double& cy, double& t, double& h, double& x,
                double& v, double& theta, double& nx, double& ny, double& q,
                MotionShared& shared) {
  if (v == 0.0) v = kZeroSpeedReplacement;
  q = density * v * v / 2.0;
  const double s = std::sin(theta);
  const double c = std::cos(theta);

  const bool round = shared.roundEarth;
  const double h0 = h;
  PathForces f;
  f.g = ModelGravity(round, shared.fault, h0);
  f.lift = ModelBuoyancy(liftForce, f.g, round, shared.fault);
  f.thrust = thrust;
  f.area = area;
  f.wind = windSpeed;
  f.density = density;
  f.cx = cx;
  f.cy = cy;
  f.mass = shared.mass;
  shared.gravity = f.g;
  shared.buoyancy = f.lift;

  const double dVdt = SpeedRate(f, v, s, c);
  shared.pathPower = PathPower(f, v, s, c);
  const bool aerostat = shared.aerostatLatch == 1;
  const double advance = GroundSpeed(aerostat, v, windSpeed, c) * dt;
  x = round ? x + advance * (kEarthRadius / (kEarthRadius + h0)) : x + advance;
  h = h + v * s * dt;
  v = v + dVdt * dt;
  theta = theta + TurnRate(f, v, s, c, h0, round, shared.fault) * dt;
  const double limit = aerostat ? kPathAngleLimitAerostat : kPathAngleLimitNormal;
  if (theta < -limit) theta = -limit;
  if (theta > limit) theta = limit;
  t = t + dt;

  shared.dragForce = cx * q * area;
  shared.aeroLiftForce = cy * q * area;
  nx = -shared.dragForce / kGravity / shared.mass;
  ny = -shared.aeroLiftForce / kGravity / shared.mass;
}

}  // namespace zarv

#include "flight_model/motion_step.h"

#include <cmath>

#include "flight_model/constants.h"

namespace zarv {

void MotionStep(const double& liftForce, const double& thrust, const double& area,
                const double& windSpeed, const double& dt, const double& density,
                const double& cx, const double& cy, double& t, double& h, double& x,
                double& v, double& theta, double& nx, double& ny, double& q,
                MotionShared& shared) {
  const double m = shared.mass;
  const double w = windSpeed;
  if (v == 0.0) v = kZeroSpeedReplacement;
  q = density * v * v / 2.0;
  const double s = std::sin(theta);
  const double c = std::cos(theta);

  const double dVdt = (liftForce * s + thrust - cx * density * v * v / 2.0 * area +
                       cx * density * w * w / 2.0 * area * c - m * kGravity * s) /
                      m;
  const bool aerostat = shared.aerostatLatch == 1;
  if (aerostat) {
    x = x + v * c * dt;
  } else {
    x = x + (v + w * c) * c * dt;
  }
  h = h + v * s * dt;
  v = v + dVdt * dt;
  const double dThetadt = (cy * density * v * v * area / 2.0 + liftForce * c -
                           m * kGravity * c - cx * density * w * w / 2.0 * area * s) /
                          m / v;
  theta = theta + dThetadt * dt;
  const double limit = aerostat ? kPathAngleLimitAerostat : kPathAngleLimitNormal;
  if (theta < -limit) theta = -limit;
  if (theta > limit) theta = limit;
  t = t + dt;

  shared.dragForce = cx * q * area;
  shared.aeroLiftForce = cy * q * area;
  nx = -shared.dragForce / kGravity / m;
  ny = -shared.aeroLiftForce / kGravity / m;
}

}  // namespace zarv

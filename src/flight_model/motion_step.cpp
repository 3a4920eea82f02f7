#include "flight_model/motion_step.h"

#include <cmath>

#include "flight_model/constants.h"

namespace zarv {

double GravityAt(double h) {
  const double ratio = kEarthRadius / (kEarthRadius + h);
  return kGravity * ratio * ratio;
}

// The round Earth takes gravity, the ground factor and the curvature from the altitude
// at the start of the step, as the flat form takes density; the flat form's arithmetic is
// kept operation for operation so that its results do not move by a bit.
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

  const bool round = shared.roundEarth;
  const double h0 = h;
  const double g = round ? GravityAt(h0) : kGravity;

  const double dVdt = (liftForce * s + thrust - cx * density * v * v / 2.0 * area +
                       cx * density * w * w / 2.0 * area * c - m * g * s) /
                      m;
  // What the run's energy check books; dVdt keeps its own order of operations.
  shared.pathPower = (liftForce * s + thrust - cx * density * v * v / 2.0 * area +
                      cx * density * w * w / 2.0 * area * c) / m * v;
  const bool aerostat = shared.aerostatLatch == 1;
  const double advance = aerostat ? v * c * dt : (v + w * c) * c * dt;
  x = round ? x + advance * (kEarthRadius / (kEarthRadius + h0)) : x + advance;
  h = h + v * s * dt;
  v = v + dVdt * dt;
  double dThetadt = (cy * density * v * v * area / 2.0 + liftForce * c - m * g * c -
                     cx * density * w * w / 2.0 * area * s) /
                    m / v;
  if (round) dThetadt += v * c / (kEarthRadius + h0);
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

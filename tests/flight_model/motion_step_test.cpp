#include "flight_model/motion_step.h"

#include <cmath>

#include <gtest/gtest.h>

#include "flight_model/constants.h"

namespace zarv {
namespace {

struct Step {
  double lift = 0, thrust = 0, area = 1, wind = 0, dt = 0.01, rho = 1.225, cx = 0.5, cy = 0;
  double t = 0, h = 1000, x = 0, v = 100, theta = 0;
  double nx = 0, ny = 0, q = 0;
  MotionShared shared{10.0, 0, 0, 0, false};

  void Run() {
    MotionStep(lift, thrust, area, wind, dt, rho, cx, cy, t, h, x, v, theta, nx, ny, q, shared);
  }
};

TEST(MotionStep, LevelFlightWithoutWindMatchesTheClosedForm) {
  Step s;
  s.Run();
  const double dVdt = -0.5 * 1.225 * 100 * 100 * 1 / (2 * 10.0);
  EXPECT_DOUBLE_EQ(s.h, 1000.0) << "level flight keeps the altitude in one step";
  EXPECT_DOUBLE_EQ(s.x, 100 * 0.01) << "range advances by V dt with the old V";
  EXPECT_DOUBLE_EQ(s.v, 100 + dVdt * 0.01);
  EXPECT_DOUBLE_EQ(s.q, 1.225 * 100 * 100 / 2);
  EXPECT_DOUBLE_EQ(s.t, 0.01);
  EXPECT_DOUBLE_EQ(s.shared.dragForce, 0.5 * s.q);
  EXPECT_DOUBLE_EQ(s.nx, -0.5 * s.q / kGravity / 10.0);
  EXPECT_LT(s.theta, 0.0) << "gravity bends an unsupported path down";
}

TEST(MotionStep, ZeroSpeedIsReplacedBeforeTheStep) {
  Step s;
  s.v = 0.0;
  s.theta = -1.0;
  s.Run();
  EXPECT_DOUBLE_EQ(s.q, 1.225 * 0.0002 * 0.0002 / 2) << "q uses the replacement speed";
  const double dVdt = (-0.5 * 1.225 * 0.0002 * 0.0002 / 2 - 10.0 * kGravity * std::sin(-1.0)) / 10.0;
  EXPECT_DOUBLE_EQ(s.v, 0.0002 + dVdt * 0.01);
  EXPECT_TRUE(std::isfinite(s.theta));
}

TEST(MotionStep, PathAngleIsClampedPerForm) {
  struct Case {
    int latch;
    double theta;
    double cy;
    double expected;
    const char* why;
  };
  // Limits in degrees over the engine's 57.3 deg/rad.
  const Case cases[] = {
      {0, 1.567, 50, 89.8 / 57.3, "normal climb held at 89.8 deg"},
      {1, 1.5703, 50, 89.98 / 57.3, "aerostat climb held at 89.98 deg"},
      {0, -1.567, -50, -89.8 / 57.3, "normal dive held at -89.8 deg"},
      {1, -1.5703, -50, -89.98 / 57.3, "aerostat dive held at -89.98 deg"},
  };
  for (const Case& c : cases) {
    Step s;
    s.shared.aerostatLatch = c.latch;
    s.theta = c.theta;
    s.cy = c.cy;
    s.Run();
    EXPECT_DOUBLE_EQ(s.theta, c.expected) << c.why;
  }
}

TEST(MotionStep, WindSignMattersOnlyForTheNormalRange) {
  for (int latch : {0, 1}) {
    Step plus, minus;
    plus.theta = minus.theta = 0.3;
    plus.shared.aerostatLatch = minus.shared.aerostatLatch = latch;
    plus.wind = 5;
    minus.wind = -5;
    plus.Run();
    minus.Run();
    EXPECT_DOUBLE_EQ(plus.v, minus.v);
    EXPECT_DOUBLE_EQ(plus.theta, minus.theta);
    EXPECT_DOUBLE_EQ(plus.h, minus.h);
    EXPECT_DOUBLE_EQ(plus.q, minus.q);
    EXPECT_DOUBLE_EQ(plus.nx, minus.nx);
    EXPECT_DOUBLE_EQ(plus.ny, minus.ny);
    const double c = std::cos(0.3);
    const double expected = latch == 0 ? 10 * c * c * 0.01 : 0.0;
    EXPECT_NEAR(plus.x - minus.x, expected, 1e-15)
        << (latch == 0 ? "normal form carries the wind into X"
                       : "aerostat form has no wind term in X");
  }
}

TEST(MotionStep, BuoyancyLiftsAnAerostatAndLoadFactorsOpposeTheForces) {
  Step s;
  s.shared.aerostatLatch = 1;
  s.v = 1.0;
  s.theta = 1.5;
  s.cy = 0.3;
  s.lift = 2 * 10.0 * kGravity;  // twice the weight
  s.Run();
  EXPECT_GT(s.v, 1.0) << "net buoyancy accelerates along a steep path";
  EXPECT_LT(s.nx, 0.0);
  EXPECT_LT(s.ny, 0.0);
  EXPECT_DOUBLE_EQ(s.shared.aeroLiftForce, 0.3 * s.q * 1.0);
}

// The round Earth against single steps worked by hand from the equations: gravity
// 9.8 (R/(R+H))^2 for the weight and the buoyancy alike, V cos(theta)/(R+H) added to the
// turn rate with the new V, and the horizontal advance shrunk to the ground by R/(R+H); H
// is the altitude at the start of the step throughout.
TEST(MotionStep, RoundEarthStepMatchesTheHandWorkedStep) {
  struct Case {
    const char* what;
    int latch;
    double h, v, theta, wind, lift, thrust, cx, cy;
  };
  const Case cases[] = {
      // what                                latch  h [m]     v [m/s]  theta  wind lift thrust cx  cy
      {"orbital speed at 300 km, level",     0,     300000.0, 7726.0,  0.0,   0,   0,   0,     0,   0},
      {"entry at 120 km, diving",            0,     120000.0, 7800.0, -0.05,  0,   0,   0,     1.2, 0.3},
      {"climb with thrust and wind",         0,     10000.0,  800.0,   0.7,   12,  0,   2000,  0.4, 0},
      {"aerostat with buoyancy",             1,     2000.0,   3.0,     0.4,   7,   250, 0,     0.5, 0.1},
  };
  constexpr double R = 6371000.0;
  for (const Case& c : cases) {
    Step s;
    s.shared.roundEarth = true;
    s.shared.aerostatLatch = c.latch;
    s.h = c.h;
    s.v = c.v;
    s.theta = c.theta;
    s.wind = c.wind;
    s.lift = c.lift;
    s.thrust = c.thrust;
    s.cx = c.cx;
    s.cy = c.cy;
    s.rho = 1e-3;
    s.Run();

    const double m = 10.0, dt = 0.01, rho = 1e-3, S = 1.0, w = c.wind;
    const double g = 9.8 * (R / (R + c.h)) * (R / (R + c.h));
    const double sn = std::sin(c.theta), cs = std::cos(c.theta);
    const double lift = c.lift * g / 9.8;
    const double dVdt = (lift * sn + c.thrust - c.cx * rho * c.v * c.v / 2 * S +
                         c.cx * rho * w * w / 2 * S * cs - m * g * sn) / m;
    const double v1 = c.v + dVdt * dt;
    const double advance = c.latch == 1 ? c.v * cs * dt : (c.v + w * cs) * cs * dt;
    const double turn = (c.cy * rho * v1 * v1 * S / 2 + lift * cs - m * g * cs -
                         c.cx * rho * w * w / 2 * S * sn) / m / v1 + v1 * cs / (R + c.h);
    EXPECT_NEAR(s.v, v1, 1e-9 * c.v) << c.what;
    EXPECT_NEAR(s.x, advance * R / (R + c.h), 1e-12 * (1 + std::abs(advance))) << c.what;
    EXPECT_NEAR(s.h, c.h + c.v * sn * dt, 1e-9) << c.what;
    EXPECT_NEAR(s.theta, c.theta + turn * dt, 1e-13) << c.what;
    const double q = rho * c.v * c.v / 2;
    EXPECT_NEAR(s.nx, -c.cx * q * S / 9.8 / m, 1e-12 * (1 + q)) << c.what << ": nx stays in 9.8 m/s2";
  }
}

TEST(MotionStep, RoundEarthCircularSpeedKeepsTheLevelPathLevel) {
  // At the circular speed the curvature term cancels gravity in the turn rate.
  Step s;
  s.shared.roundEarth = true;
  s.cx = 0.0;
  s.h = 300000.0;
  s.v = std::sqrt(GravityAt(s.h) * (6371000.0 + s.h));
  s.theta = 0.0;
  s.Run();
  EXPECT_NEAR(s.theta, 0.0, 1e-15);
  EXPECT_DOUBLE_EQ(s.h, 300000.0);

  Step flat = s;
  flat.shared.roundEarth = false;
  flat.theta = 0.0;
  flat.Run();
  EXPECT_LT(flat.theta, -1e-5) << "the flat Earth has no centrifugal relief";
}

}  // namespace
}  // namespace zarv

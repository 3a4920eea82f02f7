#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "flight_model/constants.h"
#include "flight_model/motion_step.h"
#include "scenario/calculation.h"

namespace zarv {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// A drag-free vehicle at 300 km with the circular speed, theta = 0. On the round Earth
// the path angle's rate is zero up to rounding at every step, so the altitude may only
// move by rounding (1 m allowed, far above it, far below what any missing term gives);
// the run ends on the first step at or past the period, so the range may exceed the
// circumference by one step's ground track at most.
TEST(RoundEarth, CircularOrbitKeepsItsAltitudeAndGoesOnceRound) {
  Calculation calculation;
  calculation.setVehicleClass(VehicleClass::Projectile);
  calculation.setEarthModel(EarthModel::Round);
  RunInputs& in = calculation.inputs();
  in.MassaStart = 1000.0;
  in.S0 = 1.0;
  in.H0 = 300000.0;
  in.V0 = std::sqrt(GravityAt(in.H0) * (kEarthRadius + in.H0));
  in.Tk = kTwoPi * (kEarthRadius + in.H0) / in.V0;
  in.dt0 = 1.0;
  ASSERT_FALSE(calculation.Run());

  const TrajectoryLog& log = calculation.log();
  ASSERT_EQ(log.units.AltitudeInKm, 1);
  for (int j = 1; j <= kSampleCapacity; ++j) {
    ASSERT_NEAR(log.at(row::kAltitude, j) * 1000.0, in.H0, 1.0) << "sample " << j;
  }
  const double groundStep = in.V0 * in.dt0 * kEarthRadius / (kEarthRadius + in.H0);
  const double range = calculation.summary().range;
  EXPECT_GE(range, kTwoPi * kEarthRadius - 1e-6 * groundStep);
  EXPECT_LE(range, kTwoPi * kEarthRadius + groundStep);

  // Over the flat Earth the same start falls.
  calculation.setEarthModel(EarthModel::Flat);
  ASSERT_FALSE(calculation.Run());
  EXPECT_LT(calculation.summary().flightTime, in.Tk / 2.0);
}

}  // namespace
}  // namespace zarv

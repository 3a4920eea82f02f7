#include <cmath>

#include <gtest/gtest.h>

#include "trajectory/log_digest.h"
#include "trajectory/run_fixture.h"

namespace zarv {
namespace {

using testing::LogDigest;
using testing::PresetRun;

// Digests of the reviewed logs of every preset and of a few runs with other steps; any
// change of the physics, the sampling or the rescaling changes them. A deliberate change
// renews them from a reviewed run.
TEST(RunRegression, EveryPresetReproducesItsLogBitForBit) {
  struct Case {
    int vehicleClass, item;
    unsigned long long digest;
    int samples;
  };
  const Case cases[] = {
      {1, 0, 0xb09c7a8dad1501e6ull, 501},
      {1, 1, 0x84fc8d8be86ff860ull, 501},
      {1, 2, 0xb1aa2df4c0ea8c0eull, 501},
      {1, 3, 0xe9d9506f1b596219ull, 501},
      {1, 4, 0x374c236591daa139ull, 500},
      {1, 5, 0x6563d0773195ad19ull, 500},
      {1, 6, 0x6526a80deaeb7857ull, 501},
      {1, 7, 0xa4f79323c98f80bcull, 501},
      {1, 8, 0x2e89c8230e4da263ull, 501},
      {2, 0, 0xb30f7eafb9262c23ull, 501},
      {2, 1, 0x9fd92b58c645e4acull, 501},
      {3, 0, 0x5d52ccc77422f29cull, 501},
      {3, 1, 0xee9443a9c752eaa2ull, 501},
      {3, 2, 0x88279e5462b1ad55ull, 501},
      {3, 3, 0xe587157ec2344f5cull, 501},
      {5, 0, 0x04630e882c1bfcf6ull, 501},
      {5, 1, 0x476e2c3bd1c9bbb6ull, 500},
      {5, 2, 0x6ffb583edd7da8a5ull, 501},
      {5, 3, 0xac2615e3aeda8581ull, 501},
      {7, 0, 0x00dbf2c9fa88132eull, 501},
      {7, 1, 0xac5817fe1c04a2d7ull, 501},
      {7, 2, 0xf14fa819d0afa605ull, 501},
      {7, 3, 0xb991443cd2d23a06ull, 501},
      {7, 4, 0x8e9b603a4dcccf4eull, 501},
      {7, 5, 0x602d85f5d0fb75acull, 501},
      {7, 6, 0xb794d39cd1c57863ull, 501},
      {7, 7, 0xa6ea9e9c9b6c7da4ull, 501},
      {7, 8, 0x2bdfc9d4c8cb36e8ull, 501},
      {8, 0, 0xe52fc51c6c665ef8ull, 501},
      {8, 1, 0xe568285b2dd5b2e9ull, 501},
      {8, 2, 0xb7fae4242b747fafull, 501},
      {8, 3, 0x6e40356c2221bbf3ull, 501},
      {8, 4, 0xd2b1b83080fe7bd2ull, 501},
      {8, 5, 0xaab6281702e16abbull, 501},
      {8, 6, 0x0a751146ad52e9e6ull, 501},
  };
  for (const Case& c : cases) {
    PresetRun r(c.vehicleClass, c.item);
    ASSERT_FALSE(r.Run());
    EXPECT_EQ(LogDigest(*r.log), c.digest) << "preset " << c.vehicleClass << ":" << c.item;
    EXPECT_EQ(r.run.summary().samplesRecorded, c.samples) << "preset " << c.vehicleClass << ":" << c.item;
  }
}

TEST(RunRegression, OtherStepsReproduceTheirLogs) {
  struct Case {
    int vehicleClass, item;
    double dt0;
    unsigned long long digest;
    int samples;
  };
  // 1e-5 s: about 1.4 million steps, the state copies thinned nine times; 0.5 s: short
  // flights of fewer steps than samples.
  const Case cases[] = {
      {1, 0, 1e-05, 0x5e0d97da551e6017ull, 501},
      {1, 0, 0.5, 0x5e8cd4ecf277595cull, 8},
      {8, 1, 0.5, 0x1cfff6aaedcbeb35ull, 21},
      {3, 3, 0.0001, 0xabd9db1955e3d747ull, 501},
      {7, 5, 0.0005, 0x9143a13b6c91386aull, 501},
  };
  for (const Case& c : cases) {
    PresetRun r(c.vehicleClass, c.item);
    r.inputs.dt0 = c.dt0;
    ASSERT_FALSE(r.Run());
    EXPECT_EQ(LogDigest(*r.log), c.digest) << "preset " << c.vehicleClass << ":" << c.item << " dt0 " << c.dt0;
    EXPECT_EQ(r.run.summary().samplesRecorded, c.samples) << "dt0 " << c.dt0;
  }
}

TEST(RunRegression, AirshipFliesItsSecondPassOnItsOwn) {
  // No preset sets the airship; it takes the lift an earlier balloon run left.
  PresetRun balloon(3, 0);
  ASSERT_FALSE(balloon.Run());
  balloon.calculation.setVehicleClass(VehicleClass::Airship);
  ASSERT_FALSE(balloon.Run());
  EXPECT_EQ(balloon.run.summary().stepsComputed, balloon.run.summary().steps)
      << "both passes integrated in full";
  for (int j = 1; j <= 500; ++j) ASSERT_TRUE(std::isfinite(balloon.log->at(row::kAltitude, j)));
}

}  // namespace
}  // namespace zarv

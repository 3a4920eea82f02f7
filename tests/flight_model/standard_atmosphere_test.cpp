#include "flight_model/standard_atmosphere.h"

#include <gtest/gtest.h>

namespace zarv {
namespace {

struct AirCase {
  double h;            // m
  double temperature;  // K
  double pressure;     // bar
  double sound;        // m/s
  double density;      // kg/m3
  double viscosity;    // poise
  const char* why;
};

constexpr double kAny = -1.0;  // quantity not checked in this case

TEST(StandardAtmosphere, BandsEdgesAndFineDensity) {
  const AirCase cases[] = {
      {0, 288.15, 1.013, 340.3, 1.225, 0.00017894, "sea level is the top of band 2"},
      {-3000, 307.625, 1.2345, 351.555, 1.225, 0.000188, "below ground: band 1 mid, ground density"},
      {-5000, 320.6, 1.33, 359, 1.225, 0.000194, "table floor"},
      {-12000, 320.6, 1.33, 359, 1.225, 0.000194, "below the table: floor values"},
      {500, 284.9, 0.954, 338.37, 1.1673, 0.00017737, "upper limit inclusive: band 3 top"},
      {250, 286.525, 0.9835, 339.335, 1.19615, 0.000178155, "band 3 middle"},
      {750, 283.275, kAny, kAny, kAny, kAny, "second band inside a 1 km bucket"},
      {1000, 281.65, kAny, kAny, 1.1116, kAny, "bucket start that is a band top"},
      {1250, 280.025, kAny, kAny, kAny, kAny, "band 5 quarter"},
      {199999, 854.5554596, kAny, kAny, kAny, kAny, "just below the discontinuity"},
      {11000, 216.65, 0.2263, 295.07, 0.3639, 0.00014216, "top of band 18"},
      {15000, 216.65, kAny, kAny, kAny, kAny, "isothermal band"},
      {20000, 216.65, 0.05474, 295.07, 0.088, 0.00014216, "20 km still coarse density"},
      {21000, 217.65, kAny, kAny, 0.07586, kAny, "fine table, equal to coarse here"},
      {31000, 229.09, kAny, kAny, 0.0156185, kAny, "fine density, band 27 fraction 0.1"},
      {86000, kAny, kAny, kAny, 5.6411e-06, kAny, "node 86 km belongs to the band below"},
      {88000, kAny, kAny, kAny, 4.52855e-06, kAny, "last fine band is 4 km wide"},
      {90000, 186.87, kAny, 274.71, 3.416e-06, kAny, "fine table top"},
      {95000, 190.975, kAny, kAny, 1.98820e-06, kAny, "coarse density again above 90 km"},
      {200000, 854.56, kAny, kAny, kAny, kAny, "top of band 36"},
      {200000.5, 627.5402331375, kAny, kAny, kAny, kAny, "band 37 just above"},
      {2000000, 1466.835, kAny, 274.71, 0.0, 0.00012647, "band 37 extrapolated, f = 2.25, density held at 0"},
      {1e7, 5197.035, 0.0, 274.71, 0.0, kAny, "far above: pressure held at 0 too, temperature still rises"},
  };
  for (const AirCase& c : cases) {
    double t, p, a, rho, mu;
    StandardAtmosphere(c.h, t, p, a, rho, mu);
    const auto check = [&](double got, double want, const char* what) {
      if (want == kAny) return;
      EXPECT_NEAR(got, want, 1e-9 * std::abs(want) + 1e-12)
          << what << " at h = " << c.h << " (" << c.why << ")";
    };
    check(t, c.temperature, "temperature");
    check(p, c.pressure, "pressure");
    check(a, c.sound, "speed of sound");
    check(rho, c.density, "density");
    check(mu, c.viscosity, "viscosity");
  }
}

TEST(StandardAtmosphere, DensityFallsWithAltitudeInsideTheFineTable) {
  double previous = 1.0;
  for (double h = 20000.5; h <= 90000; h += 250) {
    double t, p, a, rho, mu;
    StandardAtmosphere(h, t, p, a, rho, mu);
    EXPECT_LT(rho, previous) << "density must fall monotonically, h = " << h;
    previous = rho;
  }
}

}  // namespace
}  // namespace zarv

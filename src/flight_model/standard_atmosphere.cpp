#include "flight_model/standard_atmosphere.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <limits>

#include "flight_model/constants.h"

namespace zarv {
namespace {

struct Band {
  double lower, upper;                  // m
  double rho0, rho1;                    // kg/m3
  double temp0, temp1;                  // K
  double p0, p1;                        // bar
  double a0, a1;                        // m/s
  double mu0, mu1;                      // poise
};

// Altitude bands; each quantity is given at the lower and at the upper altitude.
//  lower,     upper,      density kg/m3,          temperature K,    pressure bar,            sound m/s,       viscosity poise
constexpr std::array<Band, 37> kBands{{
    {-5000,    -1000,      1.93,      1.347,       320.6,  294.65,   1.33,      1.139,        359,    344.11,  0.000194,   0.000182},
    {-1000,    0,          1.347,     1.225,       294.65, 288.15,   1.139,     1.013,        344.11, 340.3,   0.000182,   0.00017894},
    {0,        500,        1.225,     1.1673,      288.15, 284.9,    1.013,     0.954,        340.3,  338.37,  0.00017894, 0.00017737},
    {500,      1000,       1.1673,    1.1116,      284.9,  281.65,   0.954,     0.8987,       338.37, 336.43,  0.00017737, 0.00017578},
    {1000,     1500,       1.1116,    1.0581,      281.65, 278.4,    0.8987,    0.8455,       336.43, 334.49,  0.00017578, 0.00017419},
    {1500,     2000,       1.0581,    1.0065,      278.4,  275.15,   0.8455,    0.7949,       334.49, 332.53,  0.00017419, 0.0001726},
    {2000,     2500,       1.0065,    0.9568,      275.15, 271.9,    0.7949,    0.7468,       332.53, 330.56,  0.0001726,  0.00017099},
    {2500,     3000,       0.9568,    0.90912,     271.9,  268.65,   0.7468,    0.701,        330.56, 328.58,  0.00017099, 0.00016937},
    {3000,     3500,       0.90912,   0.8632,      268.65, 265.4,    0.701,     0.657,        328.58, 326.58,  0.00016937, 0.00016775},
    {3500,     4000,       0.8632,    0.8191,      265.4,  262.15,   0.657,     0.6164,       326.58, 324.58,  0.00016775, 0.00016611},
    {4000,     4500,       0.8191,    0.7767,      262.15, 258.9,    0.6164,    0.57728,      324.58, 322.56,  0.00016611, 0.00016447},
    {4500,     5000,       0.7767,    0.7361,      258.9,  255.65,   0.57728,   0.54019,      322.56, 320.53,  0.00016447, 0.00016281},
    {5000,     6000,       0.7361,    0.6597,      255.65, 249.15,   0.54019,   0.4718,       320.53, 316.43,  0.00016281, 0.00015947},
    {6000,     7000,       0.6597,    0.5895,      249.15, 242.65,   0.4718,    0.4106,       316.43, 312.27,  0.00015947, 0.0001561},
    {7000,     8000,       0.5895,    0.5251,      242.65, 236.15,   0.4106,    0.3559,       312.27, 308.06,  0.0001561,  0.00015268},
    {8000,     9000,       0.5251,    0.4663,      236.15, 229.65,   0.3559,    0.3074,       308.06, 303.79,  0.00015268, 0.00014922},
    {9000,     10000,      0.4663,    0.4127,      229.65, 223.15,   0.3074,    0.2643,       303.79, 299.46,  0.00014922, 0.00014571},
    {10000,    11000,      0.4127,    0.3639,      223.15, 216.65,   0.2643,    0.2263,       299.46, 295.07,  0.00014571, 0.00014216},
    {11000,    12000,      0.3639,    0.3108,      216.65, 216.65,   0.2263,    0.1933,       295.07, 295.07,  0.00014216, 0.00014216},
    {12000,    14000,      0.3108,    0.2267,      216.65, 216.65,   0.1933,    0.141,        295.07, 295.07,  0.00014216, 0.00014216},
    {14000,    16000,      0.2267,    0.1654,      216.65, 216.65,   0.141,     0.1028,       295.07, 295.07,  0.00014216, 0.00014216},
    {16000,    18000,      0.1654,    0.12068,     216.65, 216.65,   0.1028,    0.07504,      295.07, 295.07,  0.00014216, 0.00014216},
    {18000,    20000,      0.12068,   0.088,       216.65, 216.65,   0.07504,   0.05474,      295.07, 295.07,  0.00014216, 0.00014216},
    {20000,    22000,      0.088,     0.06372,     216.65, 218.65,   0.05474,   0.03999,      295.07, 296.43,  0.00014216, 0.00014326},
    {22000,    25000,      0.06372,   0.03946,     218.65, 221.65,   0.03999,   0.02511,      296.43, 298.45,  0.00014326, 0.0001449},
    {25000,    30000,      0.03946,   0.018012,    221.65, 226.65,   0.02511,   0.01171,      298.45, 301.8,   0.0001449,  0.0001476},
    {30000,    40000,      0.018012,  0.003851,    226.65, 251.05,   0.01171,   0.002775,     301.8,  317.63,  0.0001476,  0.00016045},
    {40000,    50000,      0.003851,  0.0009775,   251.05, 270.65,   0.002775,  0.0007594,    317.63, 329.8,   0.00016045, 0.00017037},
    {50000,    60000,      0.0009775, 0.0002883,   270.65, 245.45,   0.0007594, 0.0002031,    329.8,  314.07,  0.00017037, 0.00015756},
    {60000,    70000,      0.0002883, 7.424e-05,   245.45, 217.45,   0.0002031, 4.634e-05,    314.07, 295.61,  0.00015756, 0.0001426},
    {70000,    80000,      7.424e-05, 1.57e-05,    217.45, 196.65,   4.634e-05, 8.862e-06,    295.61, 281.12,  0.0001426,  0.00013095},
    {80000,    90000,      1.57e-05,  3.416e-06,   196.65, 186.87,   8.862e-06, 1.835e-06,    281.12, 274.71,  0.00013095, 0.00012647},
    {90000,    100000,     3.416e-06, 5.604e-07,   186.87, 195.08,   1.835e-06, 3.2011e-07,   274.71, 274.71,  0.00012647, 0.00012647},
    {100000,   120000,     5.604e-07, 2.222e-08,   195.08, 360,      3.2011e-07, 2.538e-08,   274.71, 274.71,  0.00012647, 0.00012647},
    {120000,   150000,     2.222e-08, 2.196e-09,   360,    627.54,   2.538e-08, 4.742e-09,    274.71, 274.71,  0.00012647, 0.00012647},
    {150000,   200000,     2.196e-09, 2.541e-10,   627.54, 854.56,   4.742e-09, 8.473e-10,    274.71, 274.71,  0.00012647, 0.00012647},
    {200000,   1000000,    2.541e-10, 3.56e-14,    627.54, 1000.56,  8.473e-10, 7.51e-10,     274.71, 274.71,  0.00012647, 0.00012647},
}};

// Upper altitudes of the bands for the search; band 37 takes everything above band 36.
constexpr std::array<double, 37> kUpperLimits = [] {
  std::array<double, 37> limits{};
  for (std::size_t i = 0; i + 1 < limits.size(); ++i) limits[i] = kBands[i].upper;
  limits.back() = std::numeric_limits<double>::infinity();
  return limits;
}();

// Density nodes from 20 km to 90 km, kg/m3: 2000 m apart, the last band 4000 m wide.
constexpr double kDensityTableFloor = 20000.0;  // m
constexpr double kDensityTableCeiling = 90000.0;  // m
constexpr double kDensityNodeSpacing = 2000.0;  // m
constexpr double kDensityBandsPerMetre = 1.0 / kDensityNodeSpacing;
constexpr std::array<double, 35> kDensityNodes{
    0.088,     0.06372,   0.046267,  0.033688,  0.024599,  0.018012,   0.013225,
    0.009609,  0.007034,  0.005187,  0.003851,  0.002878,  0.002164,   0.001638,
    0.001258,  0.000978,  0.000767,  0.000605,  0.000475,  0.000371,   0.000288,
    0.000223,  0.0001709, 0.0001303, 9.87e-05,  7.42e-05,  5.524e-05,  4.07e-05,
    2.981e-05, 2.17e-05,  1.57005e-05, 1.1282e-05, 8.051e-06, 5.6411e-06, 3.416e-06};
constexpr std::array<double, 35> kDensityNodeAltitudes = [] {
  std::array<double, 35> h{};
  for (std::size_t i = 0; i + 1 < h.size(); ++i) h[i] = kDensityTableFloor + kDensityNodeSpacing * i;
  h[34] = kDensityTableCeiling;
  return h;
}();

// Band lookup through 1 km buckets from the table floor to 200 km: a bucket starts in a
// known band and holds at most two more band boundaries (the narrowest bands are 500 m).
constexpr double kBucketFloor = -5000.0;    // m
constexpr double kBucketsPerMetre = 0.001;  // 1/m; the rounding of the product never
                                            // leaves a bucket's start band behind
constexpr std::size_t kBucketCount = 206;   // up to 201 000 m
constexpr std::size_t kTopBand = 36;        // band 37, also above its upper limit

constexpr std::size_t SearchBand(double h) {
  std::size_t index = 0;
  while (index < kUpperLimits.size() && kUpperLimits[index] < h) ++index;
  return index;
}

constexpr std::array<unsigned char, kBucketCount> kBucketBands = [] {
  std::array<unsigned char, kBucketCount> bands{};
  for (std::size_t k = 0; k < kBucketCount; ++k) {
    bands[k] = static_cast<unsigned char>(SearchBand(kBucketFloor + 1000.0 * static_cast<double>(k)));
  }
  return bands;
}();

// First band whose upper limit is >= h: lower limits are exclusive, upper inclusive.
std::size_t BandIndex(double h) {
  const double bucket = (h - kBucketFloor) * kBucketsPerMetre;
  if (!(bucket < static_cast<double>(kBucketCount))) return kTopBand;
  std::size_t index = kBucketBands[static_cast<std::size_t>(bucket)];
  while (kUpperLimits[index] < h) ++index;
  return index;
}

double Lerp(double v0, double v1, double f) { return v0 + f * (v1 - v0); }

double FineDensity(double h) {
  // Band n runs from node n (exclusive) to node n+1; the product only estimates n, the
  // node altitudes decide.
  std::size_t band = static_cast<std::size_t>((h - kDensityTableFloor) * kDensityBandsPerMetre);
  band = std::min<std::size_t>(band, kDensityNodes.size() - 2);
  if (band > 0 && h <= kDensityNodeAltitudes[band]) --band;
  if (band + 2 < kDensityNodes.size() && h > kDensityNodeAltitudes[band + 1]) ++band;
  const double lower = kDensityNodeAltitudes[band];
  const double upper = kDensityNodeAltitudes[band + 1];
  return Lerp(kDensityNodes[band], kDensityNodes[band + 1], (h - lower) / (upper - lower));
}

}  // namespace

void StandardAtmosphere(const double& h, double& temperature, double& pressure,
                        double& speedOfSound, double& density, double& viscosity) {
  // Below the table the floor values hold; the ground override sets the density.
  const double altitude = std::max(h, kBands.front().lower);
  const std::size_t index = BandIndex(altitude);
  const Band& band = kBands[index];
  const double f = (altitude - band.lower) / (band.upper - band.lower);

  temperature = Lerp(band.temp0, band.temp1, f);
  pressure = Lerp(band.p0, band.p1, f);
  speedOfSound = Lerp(band.a0, band.a1, f);
  viscosity = Lerp(band.mu0, band.mu1, f);
  if (altitude > kDensityTableFloor && altitude <= kDensityTableCeiling) {
    density = FineDensity(altitude);
  } else {
    density = Lerp(band.rho0, band.rho1, f);
  }
  if (h <= 0.0) density = kSeaLevelDensity;
  // The top band's straight line crosses zero not far above the table.
  density = std::max(density, 0.0);
  pressure = std::max(pressure, 0.0);
}

}  // namespace zarv

#include "trajectory/balloon_envelope.h"

#include <cmath>

#include "flight_model/constants.h"
#include "flight_model/standard_atmosphere.h"
#include "trajectory/number_format.h"

namespace zarv {

BalloonEnvelope ComputeBalloonEnvelope(double massaStart, double gasDensity) {
  double temperature, pressure, speedOfSound, density, viscosity;
  StandardAtmosphere(0.0, temperature, pressure, speedOfSound, density, viscosity);
  BalloonEnvelope e;
  // The mass, not the weight, over the density difference: the displaced air must
  // weigh as much as the payload.
  e.volume = massaStart / (density - gasDensity);
  e.radius = std::pow(3.0 * e.volume / 4.0 / kPi, kEnvelopeExponent);
  e.surface = 4.0 * kPi * e.radius * e.radius;
  e.area = kPi * e.radius * e.radius;
  e.areaShown = RoundToSignificant(e.area, 4);
  return e;
}

}  // namespace zarv

#pragma once

namespace zarv {

// Spherical gas envelope that carries a mass at sea level.
struct BalloonEnvelope {
  double volume = 0.0;   // m3, MassaStart / (rho(0) - gas density)
  double radius = 0.0;   // m, (3 V / 4 / 3.14)^0.33
  double surface = 0.0;  // m2, 12.56 r^2
  double area = 0.0;     // m2, cross-section 3.14 r^2, as computed
  double areaShown = 0.0;  // m2, the cross-section rounded to the 4 digits its field shows
};

// The one envelope computation of the program, for the run and for the window.
// Requires gasDensity below the sea-level air density.
BalloonEnvelope ComputeBalloonEnvelope(double massaStart, double gasDensity);

}  // namespace zarv

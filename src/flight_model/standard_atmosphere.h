#pragma once

namespace zarv {

// The altitudes the table covers.
inline constexpr double kAtmosphereTableFloor = -5000.0;   // m
inline constexpr double kAtmosphereTableCeiling = 1.0e6;   // m

// Air state at altitude h (m): temperature (K), pressure (bar), speed of sound (m/s),
// density (kg/m3) and dynamic viscosity (poise). Pure function of h.
// At and below the table's floor (-5000 m) the floor values are returned with the
// ground density; above 1 000 000 m the top band is extrapolated, density and pressure
// held at 0 where the line would take them below.
void StandardAtmosphere(const double& h, double& temperature, double& pressure,
                        double& speedOfSound, double& density, double& viscosity);

}  // namespace zarv

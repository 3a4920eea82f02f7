#pragma once

namespace zarv {

// The input values of a run, each bound to one edit field of the calculation window.
// SI units; angles in degrees as the user enters them.
struct RunInputs {
  double H0 = 0.0;            // m, initial altitude
  double V0 = 0.0;            // m/s, initial velocity
  double TTO = 0.0;           // deg, initial path angle
  double Tk = 0.0;            // s, end time
  double Hk = 0.0;            // m, end altitude
  double Vk = 0.0;            // m/s, end velocity (copied, not a stop condition)
  double dt0 = 0.0;           // s, integration step
  double MassaStart = 0.0;    // kg, start mass
  double Vwind = 0.0;         // m/s, wind speed
  double S0 = 0.0;            // m2, reference (lifting) area
  double Cx = 0.0;            // drag coefficient
  double Cy = 0.0;            // lift coefficient
  double Mt = 0.0;            // kg, propellant mass (rocket)
  double Iud = 0.0;           // N*s/kg, specific impulse (rocket)
  double Mdv = 0.0;           // kg, engine dry mass (rocket, copied only)
  double Schub = 0.0;         // N, thrust (rocket)
  double RSAT = 0.0;          // m, nose radius (re-entry)
  double Auftriebplus = 0.0;  // %, lift surplus over weight (balloon)
  double Gasverlust = 0.0;    // litres per m2 per 24 h, gas loss (balloon)
  double GasDichte = 0.0;     // kg/m3, lifting gas density (balloon)
  double HFlug = 0.0;         // m, cruise altitude (balloon)
  double AeroModel = 0.0;     // 0 constant, 1 Titan-2 law, 2 A-4 law
};

// Name-based access for scripting (zarv-run --set NAME=VALUE). Returns nullptr for an
// unknown name.
double* RunInputByName(RunInputs& inputs, const char* name);
const double* RunInputByName(const RunInputs& inputs, const char* name);

// Every input name, in declaration order.
inline constexpr const char* kRunInputNames[] = {
    "H0", "V0", "TTO", "Tk", "Hk", "Vk", "dt0", "MassaStart", "Vwind", "S0", "Cx",
    "Cy", "Mt", "Iud", "Mdv", "Schub", "RSAT", "Auftriebplus", "Gasverlust",
    "GasDichte", "HFlug", "AeroModel"};

}  // namespace zarv

#include "trajectory/divergence.h"

#include <algorithm>
#include <cmath>

#include "flight_model/constants.h"

namespace zarv {
namespace {

// The share of the energy at hand a run may make before it counts as diverged. A start
// from rest under a steady force makes a third in its second step, whatever the step;
// later steps make less. Flights at steps that leave the physics pass a half within a
// few steps.
constexpr double kEnergyMadeShare = 0.5;
// J/kg, what a flight that hardly moves (a balloon in balance) may make by rounding: the
// energy of a 10 cm fall.
constexpr double kEnergyFloor = 1.0;
// m, the deepest point the round Earth's potential is taken at: it falls without bound
// towards the centre.
constexpr double kLowestRoundFloor = -kEarthRadius / 2.0;

enum class Measure { StartAltitude, StartSpeed, Wind, AreaPerMass, Drag, Lift, ThrustPerMass, LiftSurplus };

// Magnitudes beyond anything that flies through an atmosphere: meteors enter at up to
// 72 km/s, the strongest jet streams blow at 110 m/s, a sheet of foil carries about
// 50 m2/kg, rockets and shells stay below 10^5 g, drag coefficients of bodies below 3.
struct Bound {
  Measure measure;
  const char* input;
  double limit;
};
// measure                  input           limit  (unit)
constexpr Bound kBounds[] = {
    {Measure::StartAltitude, "H0",           1e9},  // m, |H0|
    {Measure::StartSpeed,    "V0",           1e5},  // m/s, |V0|
    {Measure::Wind,          "Vwind",        1e4},  // m/s, |Vwind|
    {Measure::AreaPerMass,   "S0",           1e4},  // m2/kg, S0 / MassaStart
    {Measure::Drag,          "Cx",           1e2},  // |Cx|
    {Measure::Lift,          "Cy",           1e2},  // |Cy|
    {Measure::ThrustPerMass, "Schub",        1e7},  // N/kg, Schub / MassaStart, rocket
    {Measure::LiftSurplus,   "Auftriebplus", 1e6},  // %, |Auftriebplus|, aerostats
};

// 0 for a measure the class does not fly with.
double Magnitude(Measure measure, const RunInputs& in, VehicleClass cls) {
  switch (measure) {
    case Measure::StartAltitude: return in.H0;
    case Measure::StartSpeed: return in.V0;
    case Measure::Wind: return in.Vwind;
    case Measure::AreaPerMass: return in.S0 / in.MassaStart;
    case Measure::Drag: return in.Cx;
    case Measure::Lift: return in.Cy;
    case Measure::ThrustPerMass:
      return cls == VehicleClass::Rocket ? in.Schub / in.MassaStart : 0.0;
    case Measure::LiftSurplus: return IsAerostat(cls) ? in.Auftriebplus : 0.0;
  }
  return 0.0;
}

}  // namespace

double SpecificEnergy(double v, double h, bool roundEarth) {
  // The round Earth's potential g R h / (R + h) is the work of GravityAt from 0 to h.
  const double potential = roundEarth ? kGravity * kEarthRadius * h / (kEarthRadius + h) : kGravity * h;
  return v * v / 2.0 + potential;
}

bool BookStep(EnergyBook& book, double work, double turnover, double v, double h,
              double endAltitude, bool roundEarth) {
  const double energy = SpecificEnergy(v, h, roundEarth);
  if (!book.open) {
    book = EnergyBook{energy, 0.0, 0.0, std::min(h, endAltitude), true};
    return true;
  }
  book.work += work;
  book.turnover += turnover;
  book.lowest = std::min(book.lowest, h);
  const double floor = roundEarth ? std::max(book.lowest, kLowestRoundFloor) : book.lowest;
  const double made = energy - book.opening - book.work;
  const double atHand = book.opening - SpecificEnergy(0.0, floor, roundEarth) + book.turnover;
  return made <= kEnergyMadeShare * atHand + kEnergyFloor;
}

std::vector<std::string> InputsOutOfRange(const RunInputs& in, VehicleClass cls) {
  std::vector<std::string> out;
  for (const Bound& bound : kBounds) {
    // Negated, so that a ratio that overflowed counts as out of range.
    if (!(std::abs(Magnitude(bound.measure, in, cls)) <= bound.limit)) out.emplace_back(bound.input);
  }
  return out;
}

}  // namespace zarv

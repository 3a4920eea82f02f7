#include "scenario/scenario_inputs.h"

#include "flight_model/constants.h"
#include "trajectory/balloon_envelope.h"

namespace zarv {

RunInputs InputsFromScenario(const Scenario& record, const RunInputs& previous) {
  RunInputs in = previous;
  const VehicleClass cls = VehicleClassFromRecord(record[sf::VehicleClass]);
  in.AeroModel = record[sf::AeroModel];
  in.MassaStart = record[sf::MassaStart];
  in.H0 = record[sf::H0];
  in.V0 = record[sf::V0];
  if (cls == VehicleClass::Reentry) in.RSAT = record[sf::RSAT];
  in.S0 = record[sf::S0];
  in.Cx = record[sf::Cx];
  in.Cy = record[sf::Cy];
  in.TTO = record[sf::TTO];
  in.Tk = record[sf::Tk];
  in.Hk = record[sf::Hk];
  in.Vk = record[sf::Vk];
  in.dt0 = record[sf::dt0];
  in.Vwind = record[sf::Vwind];
  in.Auftriebplus = kDefaultAuftriebplus;
  in.Gasverlust = kDefaultGasverlust;
  if (cls == VehicleClass::Rocket) {
    in.Mt = record[sf::Mt];
    in.Mdv = record[sf::Mdv];
    in.Iud = record[sf::Iud];
    in.Schub = record[sf::Schub];
  }
  if (cls == VehicleClass::Balloon) {
    in.GasDichte = record[sf::GasDichte];
    in.HFlug = record[sf::HFlug];
    if (in.GasDichte < kSeaLevelDensity) in.S0 = ComputeBalloonEnvelope(in.MassaStart, in.GasDichte).areaShown;
  }
  return in;
}

}  // namespace zarv

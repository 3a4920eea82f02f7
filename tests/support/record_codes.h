#pragma once

#include "texts/language.h"
#include "trajectory/vehicle_class.h"

namespace zarv {

// The codes the start window writes into the record for the classes and languages, as the
// window tests set them up.
namespace vc {
inline constexpr int Projectile = static_cast<int>(VehicleClass::Projectile);
inline constexpr int Parachute = static_cast<int>(VehicleClass::Parachute);
inline constexpr int Balloon = static_cast<int>(VehicleClass::Balloon);
inline constexpr int Airship = static_cast<int>(VehicleClass::Airship);
inline constexpr int Glider = static_cast<int>(VehicleClass::Glider);
inline constexpr int Airplane = static_cast<int>(VehicleClass::Airplane);
inline constexpr int Reentry = static_cast<int>(VehicleClass::Reentry);
inline constexpr int Rocket = static_cast<int>(VehicleClass::Rocket);
}  // namespace vc
inline constexpr int kRussian = static_cast<int>(Language::Russian);
inline constexpr int kGerman = static_cast<int>(Language::German);
inline constexpr int kEnglish = static_cast<int>(Language::English);

}  // namespace zarv

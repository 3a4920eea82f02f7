#pragma once

#include <cmath>

namespace zarv {

// Vehicle classes with the numbers the scenario record codes them with.
enum class VehicleClass {
  None = 0,
  Projectile = 1,
  Parachute,
  Balloon,
  Airship,
  Glider,
  Airplane,
  Reentry,
  Rocket,
};

// The class a record field names; anything but an integer in 1..8 has no physics.
inline VehicleClass VehicleClassFromRecord(double code) {
  if (!(code >= 1.0 && code <= 8.0) || code != std::floor(code)) return VehicleClass::None;
  return static_cast<VehicleClass>(static_cast<int>(code));
}

inline bool IsAerostat(VehicleClass c) {
  return c == VehicleClass::Balloon || c == VehicleClass::Airship;
}

}  // namespace zarv

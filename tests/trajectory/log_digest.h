#pragma once

#include <cstdint>
#include <cstring>

#include "trajectory/trajectory_log.h"

namespace zarv::testing {

// FNV-1a over the bytes of every recorded slot and the unit flags: equal digests mean
// bit-identical logs.
inline std::uint64_t LogDigest(const TrajectoryLog& log) {
  std::uint64_t hash = 14695981039346656037ull;
  const auto mix = [&hash](const void* data, std::size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < size; ++i) hash = (hash ^ bytes[i]) * 1099511628211ull;
  };
  mix(log.data(), sizeof(double) * kSampleCapacity * kRecordedRows);
  const UnitFlags& u = log.units;
  const int flags[] = {u.AltitudeInKm, u.RangeInKm, u.VelocityInKm, u.ThrustInKilo,
                       u.MassInKilo,   u.TimeUnit,  u.PressureUnit};
  mix(flags, sizeof flags);
  return hash;
}

}  // namespace zarv::testing

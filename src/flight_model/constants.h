#pragma once

// Physical and numerical constants of the flight model. SI units unless noted.
namespace zarv {

inline constexpr double kGravity = 9.8;             // m/s2, constant over altitude (not 9.80665)
inline constexpr double kDegreesPerRadian = 57.3;   // deg/rad, the engine's angle conversion (not 180/pi)
inline constexpr double kPi = 3.14;                 // pi as the balloon envelope formulas take it
inline constexpr double kEnvelopeExponent = 0.33;   // cube-root exponent of the envelope radius
inline constexpr double kSeaLevelDensity = 1.225;   // kg/m3, ground override of the atmosphere

inline constexpr double kPathAngleLimitNormal = 89.8 / kDegreesPerRadian;     // rad
inline constexpr double kPathAngleLimitAerostat = 89.98 / kDegreesPerRadian;  // rad
inline constexpr double kZeroSpeedReplacement = 0.0002;  // m/s, keeps the division by V finite

inline constexpr double kSpeedOfSoundCap = 290.0;       // m/s, used above kSpeedOfSoundCapAltitude
inline constexpr double kSpeedOfSoundCapAltitude = 120000.0;  // m
inline constexpr double kHeatFluxCeiling = 160000.0;    // m, no heat flux at or above
inline constexpr double kHeatFluxCoefficient = 223200.0;  // kW/m2 * sqrt(m), nose heat flux law
inline constexpr double kHeatFluxReferenceSpeed = 8000.0; // m/s
inline constexpr double kHeatFluxSpeedExponent = 3.22;

inline constexpr double kEarthRadius = 6371000.0;     // m, round-Earth model

inline constexpr double kSecondsPerDay = 86400.0;       // s, gas loss is given per 24 h
inline constexpr double kLitresPerCubicMetre = 1000.0;

}  // namespace zarv

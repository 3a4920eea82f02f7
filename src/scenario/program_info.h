#pragma once

namespace zarv {

inline constexpr const char* kVersion = ZARV_VERSION;  // the project's version, from the build

inline constexpr const char* kBanner = "  ZARV vers 1.17 Beta  ";        // calculation window, charts
inline constexpr const char* kStartCaption = "  Zarv version 1.17 (Beta)";  // start window

}  // namespace zarv

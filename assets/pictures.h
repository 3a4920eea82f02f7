#pragma once

#include <QImage>

namespace zarv {

// The decorative pictures, built in as resources under ":/pictures/".
namespace picture {
inline constexpr const char* Capsule = "capsule.jpg";                  // 218 x 115
inline constexpr const char* Balloon = "balloon.jpg";                  // 222 x 120
inline constexpr const char* RocketStrip = "rocket_strip.jpg";         // 58 x 117
inline constexpr const char* Rocket = "rocket.jpg";                    // 224 x 115
inline constexpr const char* Projectile = "projectile.jpg";            // 224 x 125
inline constexpr const char* Airplane = "airplane.jpg";                // 220 x 127
inline constexpr const char* StartPicture = "start_picture.jpg";       // 264 x 155
inline constexpr const char* StartBackground = "start_background.jpg";  // 683 x 475
}  // namespace picture

// Decodes one of the pictures above; a null image if the JPEG support is missing.
QImage LoadPicture(const char* file);

}  // namespace zarv

#pragma once

#include <array>

namespace zarv {

inline constexpr int kClassCount = 8;

// The classes in class order 1..8, as each list shows them ("?" is stored as such).
inline constexpr std::array<const char*, kClassCount> kGermanClasses = {
    "Ballistik (Projectil, Kugel, Ball,Tropfen, Railgun etc.)",
    "Fallschirm",
    "Ballon (Ballon, Luftballon, Gasballon (H,He,HeisseLuft, Vakuum) etc.)",
    "Luftschiff",
    "Segelflugzeug (Modelle etc. )",
    "Flugzeug (konventionell, elektrische Antrieb, Raketenflugzeug)",
    "Landekapsel (Soyuz, Appollo, Space Shuttle, Meteoriten, Luna 16 etc.)",
    "Raketentr?ger - (V-2, Raketenmodele, SpaceShipOne, Globale Glider etc.)",
};

inline constexpr std::array<const char*, kClassCount> kRussianClasses = {
    "Баллистические тела (снаряды, пули, мячи и т.д.)",
    "Парашюты",
    "Воздушные шары (He, H, горячий воздух и т.д.)",
    "Дирижабли",
    "Планеры",
    "Самолеты",
    "Спускаемые аппараты (Восток, Союз, Апполон, Спейс Шатл и т.д.)",
    "Ракеты (Ракетоносители, Модели ракет,V-2, Тессард, Space Ship One и т.д.)",
};

inline constexpr std::array<const char*, kClassCount> kEnglishClasses = {
    "Projectile (Railguns, Ballistic, Drop, Maroult projectil, Kestrin ,balls etc. )",
    "Parachute",
    "Ballon (He-, H-, HotAir-, Vacuum- Ballons)",
    "Airship",
    "Glider (Stratospheric, Modell etc.)",
    "Airplane",
    "Reentry Vehicles (Wostok, Apollo, Sojuz, Space Shuttle, Meteorits etc.)",
    "Rocket (Launcher, Rocket model, SpaceSpipOne etc.)",
};

struct ClassList {
  int language;            // 1 Russian, 2 German, 3 English
  const char* objectName;  // the radio group
  const char* caption;
  const std::array<const char*, kClassCount>* items;
};

// language  group        caption   items
inline constexpr std::array<ClassList, 3> kClassLists = {{
    {2,        "RadioWahl", "Wahl",   &kGermanClasses},
    {1,        "WahlRU",    "Выбор",  &kRussianClasses},
    {3,        "WahlEN",    "Choice", &kEnglishClasses},
}};

// Zero-based items with no preset list (airship, airplane); the masks cover them.
inline constexpr int kMaskedItems[] = {3, 5};

}  // namespace zarv

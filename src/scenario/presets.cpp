#include "scenario/presets.h"

#include <array>
#include <cstddef>

namespace zarv {
namespace {

constexpr Preset kEmpty{"", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

// Columns: m0 kg, S0 m2, Cx, Cy, H0 m, V0 m/s, Qo deg, Tk s, dt s, gas kg/m3, HFlug m,
// RSAT m, Mt kg, Iud N*s/kg, Mdv kg, Schub N, aerodynamics model.

constexpr std::array<Preset, 11> kProjectiles{{
    // text                                                              m0      S0        Cx    Cy   H0     V0     Qo   Tk   dt     gas HFlug RSAT Mt Iud Mdv Schub aero
    {"Projectil, Q= 45 Grad,  V= 100 m/s, H= 0 m",                       1,      0.02,     0.01, 0,   1,     100,   45,  100, 0.005, 0,  0,    0,   0, 0,  0,  0,    0},
    {"Projectil, Q= -88 Grad,  V= 0 m/s, H= 10 km",                      1,      0.02,     0.45, 0,   10000, 0,     -88, 100, 0.01,  0,  0,    0,   0, 0,  0,  0,    0},
    {"Fußball (m=450 g, Umfang = 70 cm)",                                0.41,   0.038,    0.47, 0,   0.1,   30,    45,  100, 0.001, 0,  0,    0,   0, 0,  0,  0,    0},
    {"Maroult - 1865 De la Terre a la Lune (= Von der Erde zum Mond)",   10000,  5,        0.2,  0,   0.1,   18000, 89,  5,   0.001, 0,  0,    0,   0, 0,  0,  0,    0},
    {"Railgun (K=0, Q=89)",                                              100,    0.1,      0.1,  0,   0.1,   14000, 89,  10,  0.001, 0,  0,    0,   0, 0,  0,  0,    0},
    {"Railgun (K=1, Q=12)",                                              100,    0.1,      0.1,  0.1, 0.1,   14000, 12,  10,  0.001, 0,  0,    0,   0, 0,  0,  0,    0},
    {"Tropfen, Drop",                                                    0.0002, 0.000015, 0.45, 0,   8000,  0,     -87, 400, 0.02,  0,  0,    0,   0, 0,  0,  0,    0},
    {"Kestrin (Ho=31300)",                                               80.1,   0.8,      0.9,  0,   31300, 0,     -87, 250, 0.02,  0,  0,    0,   0, 0,  0,  0,    0},
    {"Doravel (Ho=38000, M>1)",                                          80,     0.8,      0.6,  0,   38000, 0,     -87, 200, 0.02,  0,  0,    0,   0, 0,  0,  0,    0},
    kEmpty,
    kEmpty,
}};

constexpr std::array<Preset, 2> kParachutes{{
    // text                                                              m0   S0  Cx   Cy H0    V0 Qo   Tk    dt   gas HFlug RSAT Mt Iud Mdv Schub aero
    {"Parachute ( V = 0 m/s, Cx = 0.8, Ho = 4000 m,  m = 100kg )",       100, 36, 0.8, 0, 4000, 0, -90, 5000, 0.1, 0,  0,    0,   0, 0,  0,  0,    0},
    {"Parachute ( V = 0 m/s, Cx = 1.0, Ho = 4000 m,  m = 100kg )",       100, 36, 1.0, 0, 4000, 0, -90, 5000, 0.1, 0,  0,    0,   0, 0,  0,  0,    0},
}};

constexpr std::array<Preset, 6> kBalloons{{
    // text                                          m0    S0 Cx    Cy H0 V0 Qo  Tk    dt    gas    HFlug  RSAT Mt Iud Mdv Schub aero
    {"Gasballon (Gas - H, m=1000 kg, H=1km)",        1000, 6, 0.45, 0, 0, 0, 90, 3500, 0.1,  0.085, 1000,  0,   0, 0,  0,  0,    0},
    {"Gasballon (Gas - He, m=1000 kg, H=1km)",       1000, 6, 0.45, 0, 0, 0, 90, 3500, 0.1,  0.178, 1000,  0,   0, 0,  0,  0,    0},
    {"Vakuumballon (Vakuum, m=1000 kg, H=1km)",      1000, 6, 0.45, 0, 0, 0, 90, 3500, 0.1,  0,     1000,  0,   0, 0,  0,  0,    0},
    {"Luftballon (Gas - He, m=100 g)",               0.1,  1, 0.45, 0, 0, 0, 90, 50,   0.01, 0.178, 10000, 0,   0, 0,  0,  0,    0},
    kEmpty,
    kEmpty,
}};

constexpr std::array<Preset, 5> kGliders{{
    // text                                      m0   S0    Cx     Cy   H0     V0     Qo     Tk     dt     gas HFlug RSAT Mt Iud Mdv Schub aero
    {"Glider (Vo=40m/s, Ho=2000m, K=50)",        300, 6,    0.03,  1.5, 2000,  25.45, -1.1,  5000,  0.1,   0,  1000, 0,   0, 0,  0,  0,    0},
    {"Glider (Vo=0m/s, Ho=28km, K=20)",          5,   1,    0.06,  1.2, 28000, 57,    -0.01, 35000, 1,     0,  0,    0,   0, 0,  0,  0,    0},
    {"Model Glider (Vo=5m/s, Ho=2m, K=20)",      1,   0.5,  0.06,  1.2, 2,     5,     -3.4,  500,   0.001, 0,  0,    0,   0, 0,  0,  0,    0},
    {"Segelflugzeug  DS-8 (18m, K=48)",          525, 10.5, 0.021, 1,   500,   29,    -1.5,  1500,  0.1,   0,  0,    0,   0, 0,  0,  0,    0},
    kEmpty,
}};

constexpr std::array<Preset, 10> kReentries{{
    // text                                                                                  m0       S0    Cx    Cy     H0      V0     Qo    Tk    dt    gas HFlug RSAT  Mt Iud Mdv Schub aero
    {"Wostok            ( K  =  0  V  =  7,8 km/s )",                                       2460,    4.15, 0.5,  0,     120000, 7800,  -3,   400,  0.1,  0,  0,    1.15, 0, 0,  0,  0,    0},
    {"Sojuz                ( K  =  0,25  V  =  7,8 km/s )",                                 2800,    3.8,  0.5,  0.125, 120000, 7800,  -3,   400,  0.1,  0,  0,    2,    0, 0,  0,  0,    0},
    {"Apollo               ( K  =  0,3  V = 11,2 km/s )",                                   5560,    12,   0.85, 0.252, 120000, 11200, -6.5, 2000, 0.1,  0,  0,    2.8,  0, 0,  0,  0,    0},
    {"Space Shuttle   ( K  =  1,4 V =  8 km/s )",                                           104000,  500,  1,    1.4,   77000,  7800,  -1,   2000, 0.1,  0,  0,    2,    0, 0,  0,  0,    0},
    {"Meterorit           ( K  =  0, V  =  20 km/s,  Density = 2t/m3, D = 10m)",            1046000, 78.5, 0.5,  0,     120000, 20000, -45,  2000, 0.01, 0,  0,    10,   0, 0,  0,  0,    0},
    {"Luna-16            ( K  =  0, V  =  11,2 km/s )",                                     36,      0.2,  0.5,  0,     120000, 10950, -80,  30,   0.05, 0,  0,    0.25, 0, 0,  0,  0,    0},
    {"Superlight Reentry Vehicles ( K  =  0  V  =  7,8 km/s)",                              10,      1,    0.5,  0,     120000, 7800,  -3,   450,  0.1,  0,  0,    0.5,  0, 0,  0,  0,    0},
    {"Superlight Reentry Vehicles ( K  =  0,3  V  =  7,8 km/s)",                            10,      1,    0.5,  0.17,  120000, 7800,  -3,   450,  0.1,  0,  0,    0.5,  0, 0,  0,  0,    0},
    {"Apollo               ( K = 0,0  V = 11,2 km/s ) - ballistic Re-Entry",                5560,    12,   1,    0,     120000, 11200, -6.5, 2000, 0.1,  0,  0,    2.8,  0, 0,  0,  0,    0},
    kEmpty,
}};

constexpr std::array<Preset, 7> kRockets{{
    // text                                                      m0     S0     Cx    Cy   H0     V0      Qo    Tk    dt      gas HFlug RSAT Mt      Iud   Mdv    Schub    aero
    {"Launcher V-2",                                             12700, 2,     0.25, 0,   1,     1,      89.3, 1500, 0.01,   0,  0,    0,   8200,   2200, 2000,  300000,  2},
    {"Raketenmodel (m=10 kg)",                                   10,    0.01,  0.6,  0,   1,     0.01,   90,   500,  0.01,   0,  0,    0,   4,      1200, 5,     500,     0},
    {"SpaceShipTwo (SS2)- Virgin Galactic",                      6000,  12.5,  0.3,  0.7, 15200, 200.01, -0.1, 380,  0.02,   0,  0,    0,   3000,   2600, 600,   120000,  0},
    {"Globale Glider (Tessard Prinzip) ",                        200000, 200.5, 0.3, 1.2, 20000, 350.01, 17.1, 1000, 0.1,    0,  0,    0,   160000, 3500, 12000, 3800000, 0},
    {"SpaceShipOne (SS1) ->  en.wikipedia.org/wiki/SpaceShipOne", 3600, 15,    0.3,  0.4, 16200, 200.01, 0.1,  500,  0.02,   0,  0,    0,   2100,   2450, 600,   74000,   0},
    {"Rocket Model (F=86N, Q=85, t=2s))",                        0.9,   0.008, 0.5,  0,   1,     0.001,  85,   500,  0.01,   0,  0,    0,   0.1056, 1640, 0.228, 86,      0},
    {"Water Rocket, Wasserrakete (8 Bar,m=900g )",               0.9,   0.0094, 0.3, 0,   1,     0.001,  89,   20,   0.0005, 0,  0,    0,   0.8,    33,   0.05,  400,     0},
}};

constexpr std::array<PresetList, 6> kLists{{
    {1, "ListBoxProjectil", kProjectiles},
    {2, "ListBoxFallschirm", kParachutes},
    {3, "ListBoxBallon", kBalloons},
    {5, "ListBoxGlider", kGliders},
    {7, "ListBoxLandekapsel", kReentries},
    {8, "ListBoxLauncher", kRockets},
}};

// Projectile items from this index on write only fields 0..21.
constexpr int kFirstShortProjectile = 5;

}  // namespace

std::span<const PresetList> PresetLists() { return kLists; }

const PresetList* FindPresetList(int vehicleClass) {
  for (const PresetList& list : kLists) {
    if (list.vehicleClass == vehicleClass) return &list;
  }
  return nullptr;
}

int PresetWriteEnd(int vehicleClass, int item) {
  const VehicleClass cls = VehicleClassFromRecord(vehicleClass);
  if (cls == VehicleClass::Rocket) return 39;
  if (cls == VehicleClass::Projectile && item >= kFirstShortProjectile) return 21;
  return 29;
}

bool ApplyPreset(Scenario& record, int vehicleClass, int item) {
  const PresetList* list = FindPresetList(vehicleClass);
  if (list == nullptr || item < 0 || static_cast<std::size_t>(item) >= list->items.size()) {
    return false;
  }
  const Preset& p = list->items[static_cast<std::size_t>(item)];
  if (p.text[0] == '\0') return false;

  Scenario preset;
  preset[sf::VehicleClass] = vehicleClass;
  preset[sf::GasDichte] = p.GasDichte;
  preset[sf::AeroModel] = p.AeroModel;
  preset[sf::MassaStart] = p.m0;
  preset[sf::S0] = p.S0;
  preset[sf::Cx] = p.Cx;
  preset[sf::Cy] = p.Cy;
  preset[sf::H0] = p.H0;
  preset[sf::V0] = p.V0;
  preset[sf::TTO] = p.Qo;
  preset[sf::HFlug] = p.HFlug;
  preset[sf::Tk] = p.Tk;
  preset[sf::dt0] = p.dt;
  preset[sf::RSAT] = p.RSAT;
  preset[sf::Mt] = p.Mt;
  preset[sf::Iud] = p.Iud;
  preset[sf::Mdv] = p.Mdv;
  preset[sf::Schub] = p.Schub;
  const int end = PresetWriteEnd(vehicleClass, item);
  for (int n = 0; n <= end; ++n) record[n] = preset[n];
  return true;
}

int FindPresetItem(const Scenario& record) {
  const double code = record[sf::VehicleClass];
  const int vehicleClass = static_cast<int>(VehicleClassFromRecord(code));
  const PresetList* list = FindPresetList(vehicleClass);
  if (list == nullptr) return -1;
  for (int item = 0; item < static_cast<int>(list->items.size()); ++item) {
    Scenario clicked = record;
    if (!ApplyPreset(clicked, vehicleClass, item)) continue;
    clicked[sf::Language] = record[sf::Language];
    if (clicked.field == record.field) return item;
  }
  return -1;
}

}  // namespace zarv

#include "texts/form_captions.h"

#include <cstring>

namespace zarv {
namespace {

// Control captions: object name, German (designed), Russian, English.
constexpr CaptionRow kCaptions[] = {
    {"Label10",  "Integrationsschritt, s",               "t интегр.,с",             "step of integration, s"},
    {"Label19",  "Flache, So, m2",                       "So, м2",                  "lifting area,So,m2"},
    {"Label8",   "Gewicht, mo,kg",                       "m0, кг",                  "mass, mo,kg"},
    {"Label3",   "Zeit, s",                              "Время, t,с",              "time,s"},
    {"Label2",   "Hohe, H, m ",                          "Высота, H, м",            "altitude,H,m"},
    {"Label4",   "Geschwindigkeit, Vk, m/s",             "Скорость, V, м/c",        "velocity,V,m/s"},
    {"Label14",  "Bahnwinkel,  Qo, grad",                "Qo,град",                 "angle,Qo,grad"},
    {"Label11",  "Ca",                                   "Cy",                      "Cl"},
    {"Label13",  "Cw",                                   "Cx",                      "Cd"},
    {"Label12",  "Anfangsbedingungen ",                  "Начальные условия",       "entry conditions"},
    {"Label1",   "Endbedingungen",                       "Конечные условия",        "terminal conditions"},
    {"Label25",  "Hohe, Ho, m",                          "Высота,Ho,м",             "altitude,Ho,m"},
    {"edV",      "Geschwindigkeit, Vo, m/s",             "Скорость,Vo,м/c",         "velocity,Vo,m/s"},
    {"Label7",   "Windgeschwindigkeit  Vw, m/s",         "Скорость ветра,Vw, m/s",  "windspeed,Vw,m/s"},
    {"Button12", "W=f(t)",                               "X=f(t)",                  "Drag=f(t)"},
    {"Button14", "A=f(t)",                               "Y=f(t)",                  "Lift=f(t)"},
    {"Label23",  "Treibstoffmasse, kg",                  "mt,kg",                   "fuel,mt,kg"},
    {"Label6",   "Isp, N*s/kg = (s*9,8)",                "Iуд,N*s/kg",              "impulse,Isp,N*s/kg"},
    {"Label22",  "Triebwerkmasse (ohne Treibstoff), kg", "md,kg",                   "engine,md,kg"},
    {"Label24",  "Schub, N",                             "Тяга,P,N",                "thrust,P,N"},
    {"Label18",  "Gasdichte, kg/m3",                     "Плотность газа,kg/m3",    "gas density,kg/m3"},
    {"Label20",  "Flughohe, m",                          "Высота полета,m",         "height of flight,m"},
    {"Label27",  "Auftrieb/Masse, %",                    "Y аэр. / Вес, %",         "lift/weight"},
    {"Label28",  "Gasverlust, (L/m2) 24h",               "Потеря газа, L/m2 24h",   "gas loss, L/m2 24h"},
    {"Label26",  "Radius, m",                            "R затупления,м",          nullptr},
};

// Input, edit field, caption label.
constexpr InputField kInputFields[] = {
    {"GasDichte",    "EdGas",          "Label18"},
    {"HFlug",        "EdHFlug",        "Label20"},
    {"Gasverlust",   "EdGasverlust",   "Label28"},
    {"Auftriebplus", "EdAuftriebplus", "Label27"},
    {"Mt",           "EdMt",           "Label23"},
    {"Mdv",          "EdMdv",          "Label22"},
    {"Iud",          "EdIud",          "Label6"},
    {"Schub",        "EdSchub",        "Label24"},
    {"RSAT",         "EdRSAT",         "Label26"},
    {"Cx",           "EdCx",           "Label13"},
    {"Cy",           "EdCy",           "Label11"},
    {"MassaStart",   "edMassaStart",   "Label8"},
    {"S0",           "EdS0",           "Label19"},
    {"Vwind",        "edVwind",        "Label7"},
    {"dt0",          "eddt0",          "Label10"},
    {"TTO",          "EdTTO",          "Label14"},
    {"H0",           "edH0",           "Label25"},
    {"V0",           "edV0",           "edV"},
    {"Tk",           "edTk",           "Label3"},
    {"Hk",           "edHkk",          "Label2"},
    {"Vk",           "edVk",           "Label4"},
    {"AeroModel",    "AeroBox1",       nullptr},
};

// Captions are padded with spaces to sit in their boxes; a message wants the words.
std::string Squeezed(const char* text) {
  std::string out;
  for (const char* c = text; *c != '\0'; ++c) {
    if (*c == ' ' && (out.empty() || out.back() == ' ')) continue;
    out += *c;
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

}  // namespace

std::span<const CaptionRow> CaptionTable() { return kCaptions; }

const char* CaptionFor(const CaptionRow& row, int language) {
  switch (language) {
    case 1: return row.russian;
    case 3: return row.english;
    default: return row.german;
  }
}

std::span<const InputField> InputFields() { return kInputFields; }

const InputField* FindInputField(std::string_view input) {
  for (const InputField& f : kInputFields) {
    if (input == f.input) return &f;
  }
  return nullptr;
}

std::string InputCaption(std::string_view input, Language language, VehicleClass vehicleClass) {
  const InputField* field = FindInputField(input);
  if (field == nullptr || field->label == nullptr) return std::string(input);
  if (language == Language::English && vehicleClass == VehicleClass::Balloon) {
    if (std::strcmp(field->label, "Label18") == 0) return Squeezed(kBalloonGasDensityEnglish);
    if (std::strcmp(field->label, "Label20") == 0) return Squeezed(kBalloonFlightAltitudeEnglish);
  }
  for (const CaptionRow& row : kCaptions) {
    if (std::strcmp(row.control, field->label) != 0) continue;
    // A label without a caption of its own in a language keeps the designed one.
    const char* text = CaptionFor(row, static_cast<int>(language));
    return Squeezed(text != nullptr ? text : row.german);
  }
  return std::string(input);
}

std::string InputWithCaption(std::string_view input, Language language,
                             VehicleClass vehicleClass) {
  const std::string caption = InputCaption(input, language, vehicleClass);
  if (caption == input) return caption;
  return std::string(input) + " (" + caption + ")";
}

}  // namespace zarv

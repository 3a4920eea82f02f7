#include "texts/form_captions.h"


namespace zarv {
namespace {

// Control captions: object name; Russian, German (designed), English.
constexpr CaptionRow kCaptions[] = {
    {"Label10",   {"t интегр.,с",             "Integrationsschritt, s",                "step of integration, s"}},
    {"Label19",   {"So, м2",                  "Flache, So, m2",                        "lifting area,So,m2"}},
    {"Label8",    {"m0, кг",                  "Gewicht, mo,kg",                        "mass, mo,kg"}},
    {"Label3",    {"Время, t,с",              "Zeit, s",                               "time,s"}},
    {"Label2",    {"Высота, H, м",            "Hohe, H, m ",                           "altitude,H,m"}},
    {"Label4",    {"Скорость, V, м/c",        "Geschwindigkeit, Vk, m/s",              "velocity,V,m/s"}},
    {"Label14",   {"Qo,град",                 "Bahnwinkel,  Qo, grad",                 "angle,Qo,grad"}},
    {"Label11",   {"Cy",                      "Ca",                                    "Cl"}},
    {"Label13",   {"Cx",                      "Cw",                                    "Cd"}},
    {"Label12",   {"Начальные условия",       "Anfangsbedingungen ",                   "entry conditions"}},
    {"Label1",    {"Конечные условия",        "Endbedingungen",                        "terminal conditions"}},
    {"Label25",   {"Высота,Ho,м",             "Hohe, Ho, m",                           "altitude,Ho,m"}},
    {"edV",       {"Скорость,Vo,м/c",         "Geschwindigkeit, Vo, m/s",              "velocity,Vo,m/s"}},
    {"Label7",    {"Скорость ветра,Vw, m/s",  "Windgeschwindigkeit  Vw, m/s",          "windspeed,Vw,m/s"}},
    {"Button12",  {"X=f(t)",                  "W=f(t)",                                "Drag=f(t)"}},
    {"Button14",  {"Y=f(t)",                  "A=f(t)",                                "Lift=f(t)"}},
    {"Label23",   {"mt,kg",                   "Treibstoffmasse, kg",                   "fuel,mt,kg"}},
    {"Label6",    {"Iуд,N*s/kg",              "Isp, N*s/kg = (s*9,8)",                 "impulse,Isp,N*s/kg"}},
    {"Label22",   {"md,kg",                   "Triebwerkmasse (ohne Treibstoff), kg",  "engine,md,kg"}},
    {"Label24",   {"Тяга,P,N",                "Schub, N",                              "thrust,P,N"}},
    {"Label18",   {"Плотность газа,kg/m3",    "Gasdichte, kg/m3",                      "gas density,kg/m3"}},
    {"Label20",   {"Высота полета,m",         "Flughohe, m",                           "height of flight,m"}},
    {"Label27",   {"Y аэр. / Вес, %",         "Auftrieb/Masse, %",                     "lift/weight"}},
    {"Label28",   {"Потеря газа, L/m2 24h",   "Gasverlust, (L/m2) 24h",                "gas loss, L/m2 24h"}},
    {"Label26",   {"R затупления,м",          "Radius, m",                             nullptr}},
};

// Inputs a user chooses elsewhere than in a field of the calculation window.
struct OtherInput {
  const char* input;
  LanguageText caption;
};
constexpr OtherInput kOtherInputs[] = {
    {"VehicleClass", {"класс аппарата", "Fahrzeugklasse", "vehicle class"}},
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

const char* ControlCaption(std::string_view control, Language language,
                           VehicleClass vehicleClass) {
  if (language == Language::English && vehicleClass == VehicleClass::Balloon) {
    if (control == "Label18") return kBalloonGasDensityEnglish;
    if (control == "Label20") return kBalloonFlightAltitudeEnglish;
  }
  for (const CaptionRow& row : kCaptions) {
    if (control == row.control) return row.text.in(language);
  }
  return nullptr;
}

std::span<const InputField> InputFields() { return kInputFields; }

const InputField* FindInputField(std::string_view input) {
  for (const InputField& f : kInputFields) {
    if (input == f.input) return &f;
  }
  return nullptr;
}

std::string InputCaption(std::string_view input, Language language, VehicleClass vehicleClass) {
  for (const OtherInput& other : kOtherInputs) {
    if (input == other.input) return other.caption.in(language);
  }
  const InputField* field = FindInputField(input);
  if (field == nullptr || field->label == nullptr) return std::string(input);
  if (const char* text = ControlCaption(field->label, language, vehicleClass)) return Squeezed(text);
  // A label without a caption of its own in a language keeps the designed one.
  if (const char* text = ControlCaption(field->label, Language::German)) return Squeezed(text);
  return std::string(input);
}

std::string InputWithCaption(std::string_view input, Language language,
                             VehicleClass vehicleClass) {
  const std::string caption = InputCaption(input, language, vehicleClass);
  if (caption == input) return caption;
  return std::string(input) + " (" + caption + ")";
}

}  // namespace zarv

#pragma once

#include <span>
#include <string>
#include <string_view>

#include "texts/language.h"
#include "trajectory/vehicle_class.h"

namespace zarv {

// One control's caption in the three languages; the German one is also the designed
// text. A null entry keeps the current text.
struct CaptionRow {
  const char* control;  // object name on the calculation window
  LanguageText text;
};

std::span<const CaptionRow> CaptionTable();

// The caption a control shows in a window of that language and class: the table's, with
// the balloon's own wording of two captions; nullptr keeps the current text (also for a
// control the table does not hold).
const char* ControlCaption(std::string_view control, Language language,
                           VehicleClass vehicleClass = VehicleClass::None);

// The balloon class words two English captions differently.
inline constexpr const char* kBalloonGasDensityEnglish = "    density of gas,         kg/m3";
inline constexpr const char* kBalloonFlightAltitudeEnglish = "flight altitude, m";

// Where a run input is shown on the calculation window: its edit field and the label
// that captions it.
struct InputField {
  const char* input;  // RunInputs name
  const char* field;  // object name of the edit field (or the selector)
  const char* label;  // object name of the caption; nullptr: the field has none
};

std::span<const InputField> InputFields();
const InputField* FindInputField(std::string_view input);

// The caption a user sees for an input in a window of that language and class, with its
// padding taken out ("step of integration, s"); inputs without a field of their own (the
// vehicle class) by the words of the start window; else the input's own name.
std::string InputCaption(std::string_view input, Language language,
                         VehicleClass vehicleClass = VehicleClass::None);

// How messages name an input outside the windows: "dt0 (step of integration, s)".
std::string InputWithCaption(std::string_view input, Language language,
                             VehicleClass vehicleClass = VehicleClass::None);

}  // namespace zarv

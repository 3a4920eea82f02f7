#pragma once

#include <span>
#include <string>
#include <string_view>

#include "texts/language.h"
#include "trajectory/vehicle_class.h"

namespace zarv {

// One control's caption in the three languages. A null entry keeps the current text.
struct CaptionRow {
  const char* control;  // object name on the calculation window
  const char* german;   // also the designed text
  const char* russian;
  const char* english;
};

std::span<const CaptionRow> CaptionTable();

// The column of a row for a language code (1 ru, 2 de, 3 en); nullptr keeps the text.
const char* CaptionFor(const CaptionRow& row, int language);

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
// padding taken out ("step of integration, s"); the input's own name when it has none.
std::string InputCaption(std::string_view input, Language language,
                         VehicleClass vehicleClass = VehicleClass::None);

// How messages name an input outside the windows: "dt0 (step of integration, s)".
std::string InputWithCaption(std::string_view input, Language language,
                             VehicleClass vehicleClass = VehicleClass::None);

}  // namespace zarv

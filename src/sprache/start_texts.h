#pragma once

#include "texts/language.h"

namespace zarv {

// Texts of the start window that are ours, not the designed captions.
namespace start_text {

// START with a class chosen but no preset of it: an empty row, or none.
inline constexpr LanguageText kChoosePreset{
    "Сначала выберите в списке пример этого класса.",
    "Wählen Sie zuerst ein Beispiel dieser Klasse aus der Liste.",
    "Choose an example of this class from the list first."};

}  // namespace start_text

}  // namespace zarv

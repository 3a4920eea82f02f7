#pragma once

#include <span>

#include <QString>

#include "texts/form_captions.h"

namespace zarv {

// Texts of the window that are ours, not the designed captions.
struct WindowTexts {
  const char* usageTerms;       // Memo1
  const char* troubleshooting;  // Memo2
  const char* savePicture;      // chart context menu
  const char* copyPicture;
  const char* pictureFilter;    // file dialog filter
  const char* fileWriteFailed;  // %1 file, %2 the system's reason
  const char* pictureSaveFailed;  // %1 file
};

// Texts for a language code; anything outside 1..3 reads as German, the designed language.
const WindowTexts& TextsFor(int language);

}  // namespace zarv

#pragma once

#include <span>

#include <QString>

namespace zarv {

// One control's caption in the three languages. A null entry keeps the current text.
struct CaptionRow {
  const char* control;  // object name
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

#pragma once

#include <string>

#include <QString>

#include "texts/language.h"

namespace zarv {

// Texts of the calculation window that are ours, not the designed captions.
struct WindowTexts {
  LanguageText usageTerms;         // Memo1
  LanguageText troubleshooting;    // Memo2
  LanguageText savePicture;        // chart context menu
  LanguageText copyPicture;
  LanguageText fileWriteFailed;    // %1 file, %2 the system's reason
  LanguageText fieldNotANumber;    // %1 the field's caption, %2 its text
  LanguageText notANumber;         // a field's tooltip while typing, %1 its text
  LanguageText runBusy;            // over the progress bar
  LanguageText cancelRun;
  LanguageText runCancelled;       // the note a cancelled run leaves
  LanguageText chartShowsRun;      // follows it, %1 the run's name
  LanguageText chartShowsEarlierRun;  // follows it for a run without a name
};

const WindowTexts& Texts();

inline QString Text(const LanguageText& text, Language language) {
  return QString::fromUtf8(text.in(language));
}

// "Could not write FILE: REASON", the reason in the language where the user can act on it.
QString WriteFailedText(const QString& path, const std::string& systemReason, Language language);

}  // namespace zarv

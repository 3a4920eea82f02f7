#include "texts/study_texts.h"

#include <array>
#include <cstddef>

namespace zarv {
namespace {

constexpr std::array<LanguageText, kStudyOutcomeCaptions> kCaptions{{
    {"время полета [с]", "Flugzeit [s]", "flight time [s]"},
    {"дальность [м]", "Reichweite [m]", "range [m]"},
    {"макс. высота [м]", "max. Höhe [m]", "peak altitude [m]"},
    {"макс. скорость [м/с]", "max. Geschwindigkeit [m/s]", "peak speed [m/s]"},
    {"макс. |nx| [g]", "max. |nx| [g]", "peak |nx| [g]"},
    {"макс. скор. напор [Па]", "max. Staudruck [Pa]", "peak dynamic pressure [Pa]"},
    {"конечная скорость [м/с]", "Endgeschwindigkeit [m/s]", "final speed [m/s]"},
}};

constexpr std::array<LanguageText, kStudyOutcomeKindTexts> kKinds{{
    {"земля", "Boden", "ground"},
    {"конец времени", "Zeitende", "end time"},
    {"расходимость", "divergiert", "diverged"},
    {"отклонено", "abgelehnt", "rejected"},
}};

}  // namespace

const LanguageText& StudyOutcomeCaption(int column) {
  return kCaptions[static_cast<std::size_t>(column)];
}

const LanguageText& StudyOutcomeKindText(int kind) {
  return kKinds[static_cast<std::size_t>(kind)];
}

}  // namespace zarv

#include "study/case_runner.h"

namespace zarv {

const std::array<const char*, kOutcomeColumns> kOutcomeColumnNames = {
    "flight time [s]", "range [m]",         "peak altitude [m]", "peak speed [m/s]",
    "peak |nx| [g]",   "peak q [Pa]",       "final speed [m/s]"};

namespace {
constexpr const char* kWords[kOutcomeKinds] = {"ground", "end time", "diverged", "rejected"};
}

const char* OutcomeWord(OutcomeKind kind) { return kWords[static_cast<int>(kind)]; }

bool OutcomeFromWord(std::string_view word, OutcomeKind& kind) {
  for (int i = 0; i < kOutcomeKinds; ++i) {
    if (word == kWords[i]) {
      kind = static_cast<OutcomeKind>(i);
      return true;
    }
  }
  return false;
}

}  // namespace zarv

#include "texts/run_messages.h"

#include <string>

#include <gtest/gtest.h>

namespace zarv {
namespace {

TEST(DescribeRunFailure, EveryKindInEveryLanguage) {
  RunFailure step{RunFailure::Kind::Diverged, {}, {12.5, DivergenceCause::StepTooLarge, {}}};
  RunFailure range{RunFailure::Kind::Diverged, {}, {0.005, DivergenceCause::InputsOutOfRange, {"V0", "Vwind"}}};
  RunFailure cancelled{RunFailure::Kind::Cancelled, {}, {}};
  struct Case {
    const RunFailure* failure;
    Language language;
    const char* expected;
  };
  const Case cases[] = {
      {&step, Language::English, "diverged at t = 12.5 s: step too large for the dynamics."},
      {&step, Language::German, "Rechnung divergiert bei t = 12.5 s: Schritt zu groß für die Dynamik."},
      {&step, Language::Russian, "расчет разошелся при t = 12.5 с: шаг слишком велик для динамики."},
      {&range, Language::English, "diverged at t = 0.005 s: inputs out of range: V0, Vwind."},
      {&range, Language::German, "Rechnung divergiert bei t = 0.005 s: Eingaben außerhalb des Bereichs: V0, Vwind."},
      {&range, Language::Russian,
       "расчет разошелся при t = 0.005 с: входные данные вне допустимого диапазона: V0, Vwind."},
      {&cancelled, Language::English, "calculation cancelled."},
      {&cancelled, Language::German, "Rechnung abgebrochen."},
      {&cancelled, Language::Russian, "расчет прерван."},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DescribeRunFailure(*c.failure, c.language), c.expected)
        << "language " << static_cast<int>(c.language);
  }
}

}  // namespace
}  // namespace zarv

#include "flight_model/drag_law.h"

#include <gtest/gtest.h>

namespace zarv {
namespace {

TEST(DragLaw, RangesAndTheirEdges) {
  constexpr double kUntouched = -7.0;  // the law leaves Cx alone
  struct Case {
    double model, mach, cx;
    const char* why;
  };
  const Case cases[] = {
      {1, 0.0, 0.29, "subsonic constant"},
      {1, 0.7999999, 0.29, "just below the transonic range"},
      {1, 0.8, 0.29, "0.8 opens the transonic range, continuous"},
      {1, 1.0, 0.49, "transonic linear rise"},
      {1, 1.0679999, 1.0679999 - 0.51, "just below the supersonic range"},
      {1, 1.068, 0.5 / 1.068 + 0.091, "1.068 opens the supersonic range"},
      {1, 2.0, 0.341, "supersonic"},
      {1, 10.0, 0.141, "hypersonic"},
      {2, 0.5, 0.29, "A-4 law subsonic"},
      {2, 1.0, 0.49, "A-4 law transonic"},
      {2, 1.068, 0.5 / 1.068 + 0.091, "A-4 law keeps the supersonic branch, no drop to 0.29"},
      {2, 3.0, 0.5 / 3.0 + 0.091, "A-4 law supersonic"},
      {1.6, 0.5, 0.29, "model rounds to 2"},
      {0, 2.0, kUntouched, "constant model writes nothing"},
      {0.4, 2.0, kUntouched, "rounds to 0"},
      {3, 2.0, kUntouched, "no law 3"},
      {-1, 2.0, kUntouched, "no negative law"},
  };
  for (const Case& c : cases) {
    double cx = kUntouched;
    DragLaw(c.model, c.mach, cx);
    EXPECT_DOUBLE_EQ(cx, c.cx) << "model " << c.model << ", M = " << c.mach << ": " << c.why;
  }
}

}  // namespace
}  // namespace zarv

// Step check, Earth model and warnings of zarv-run, through the real binary.
#include <algorithm>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "tools/tool_process.h"

namespace {

namespace fs = std::filesystem;
using TrustCommand = zarv::testing::ScratchDir;

using Outcome = zarv::testing::ToolOutcome;
using zarv::testing::Has;
using zarv::testing::Tool;

TEST_F(TrustCommand, StepCheckExitsByTheToleranceAndLeavesTheRunAlone) {
  struct Case {
    const char* args;
    int status;
    const char* verdict;
  };
  const Case cases[] = {
      {"--preset 8:0 --check-step", 4, "is too coarse for the 1 % tolerance"},
      {"--preset 8:0 --check-step --tolerance 50", 0, "meets the 50 % tolerance"},
      {"--preset 8:0 --check-step --lang de", 4, "ist für die Toleranz von 1 % zu grob"},
      {"--preset 8:0 --check-step --tolerance 0", 2, "--tolerance"},
      // Larger steps are confirmed by a run, past the error law where it breaks.
      {"--preset 5:3 --check-step", 0, "A run at dt0 = 1.6 s stayed within half of it"},
      {"--preset 8:5 --check-step", 4, "Not yet in the asymptotic range"},
      {"--preset 8:5 --check-step", 4, "is below the 1e-05 s that Tk = 500 s allows"},
      {"--preset 2:0 --check-step --integrator adaptive", 0, "rtol up to 0.001 will do"},
  };
  ASSERT_EQ(Tool(dir_, "--preset 8:0 --csv plain.csv").status, 0);
  const std::string plain = zarv::testing::ReadFile(dir_ / "plain.csv");
  for (const Case& c : cases) {
    const Outcome o = Tool(dir_, std::string(c.args) + " --csv checked.csv");
    EXPECT_EQ(o.status, c.status) << c.args << "\n" << o.out << o.err;
    // The sentences are wrapped under the table.
    std::string text = o.out + o.err;
    std::replace(text.begin(), text.end(), '\n', ' ');
    EXPECT_TRUE(Has(text, c.verdict)) << c.args << "\n" << o.out << o.err;
    if (c.status == 2) continue;
    for (const char* row : {"flight time, s", "range, m", "peak altitude, m", "peak speed, m/s",
                            "peak |nx|", "peak dynamic pressure, Pa", "final speed, m/s"}) {
      EXPECT_TRUE(Has(o.out, row) || Has(c.args, "--lang")) << c.args << ": no row " << row;
    }
    if (Has(c.args, "8:0")) {
      EXPECT_EQ(zarv::testing::ReadFile(dir_ / "checked.csv"), plain)
          << c.args << ": the run changed";
    }
  }
}

TEST_F(TrustCommand, WarningsComeAfterTheSummaryAndSurviveQuiet) {
  struct Case {
    const char* args;
    bool summary;
    const char* warning;  // nullptr: none
  };
  const Case cases[] = {
      {"--preset 7:0", true, "flat Earth: the round Earth changes the range by +98 %"},
      {"--preset 7:0 --quiet", false, "flat Earth: the round Earth changes the range by +98 %"},
      {"--preset 7:0 --earth round --quiet", false, nullptr},
      {"--preset 2:1", true, nullptr},
      {"--preset 1:0 --set H0=2e6 --set Tk=1 --lang de", true, "über der Atmosphärentabelle"},
      {"--preset 8:0 --quiet", false, "the step dt0 = 0.01 s is probably too coarse"},
      {"--preset 8:0 --check-step --quiet", false,
       "the last step check of this flight suggests dt0 at most 0.0003 s"},
  };
  for (const Case& c : cases) {
    const Outcome o = Tool(dir_, c.args);
    EXPECT_TRUE(o.status == 0 || o.status == 4) << c.args << "\n" << o.err;
    EXPECT_EQ(Has(o.out, "samples recorded") || Has(o.out, "aufgezeichnete Werte"), c.summary)
        << c.args << "\n" << o.out;
    if (c.warning == nullptr) {
      EXPECT_FALSE(Has(o.err, "warning")) << c.args << "\n" << o.err;
    } else {
      EXPECT_TRUE(Has(o.err, c.warning)) << c.args << "\n" << o.err;
    }
  }
  EXPECT_EQ(Tool(dir_, "--preset 7:0 --earth curved").status, 2);
}

}  // namespace

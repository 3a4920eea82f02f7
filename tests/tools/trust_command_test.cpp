// Step check, Earth model and warnings of zarv-run, through the real binary.
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
  };
  ASSERT_EQ(Tool(dir_, "--preset 8:0 --csv plain.csv").status, 0);
  const std::string plain = zarv::testing::ReadFile(dir_ / "plain.csv");
  for (const Case& c : cases) {
    const Outcome o = Tool(dir_, std::string(c.args) + " --csv checked.csv");
    EXPECT_EQ(o.status, c.status) << c.args << "\n" << o.out << o.err;
    EXPECT_TRUE(Has(o.out + o.err, c.verdict)) << c.args << "\n" << o.out << o.err;
    if (c.status == 2) continue;
    for (const char* row : {"flight time, s", "range, m", "peak altitude, m", "peak speed, m/s",
                            "peak |nx|", "peak dynamic pressure, Pa", "final speed, m/s"}) {
      EXPECT_TRUE(Has(o.out, row) || Has(c.args, "--lang")) << c.args << ": no row " << row;
    }
    EXPECT_EQ(zarv::testing::ReadFile(dir_ / "checked.csv"), plain) << c.args << ": the run changed";
  }
}

TEST_F(TrustCommand, WarningsComeAfterTheSummaryAndSurviveQuiet) {
  struct Case {
    const char* args;
    bool summary;
    const char* warning;  // nullptr: none
  };
  const Case cases[] = {
      {"--preset 7:0", true, "flat Earth: V^2 / ((R + H) g) = "},
      {"--preset 7:0 --quiet", false, "flat Earth: V^2 / ((R + H) g) = "},
      {"--preset 7:0 --earth round --quiet", false, nullptr},
      {"--preset 2:1", true, nullptr},
      {"--preset 1:0 --set H0=2e6 --set Tk=1 --lang de", true, "über der Atmosphärentabelle"},
      {"--preset 8:0 --check-step --quiet", false, "the last step check found dt0 too coarse"},
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

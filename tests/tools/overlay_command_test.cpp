// zarv-run --overlay: saved runs and measured flights, through the real binary.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tools/tool_process.h"

namespace {

using zarv::testing::Has;
using zarv::testing::ReadFile;
using zarv::testing::Tool;
using ToolOverlay = zarv::testing::ScratchDir;

TEST_F(ToolOverlay, ASavedRunDrawsAsTheComparedRunAndAMeasuredFlightIsHeldAgainstTheRun) {
  ASSERT_EQ(Tool(dir_, "--preset 8:0 --set dt0=0.005 --csv fine.csv --quiet").status, 0);
  ASSERT_EQ(Tool(dir_, "--preset 8:0 --compare ,dt0=0.005 --chart Button9 --png compared.png").status, 0);
  const auto overlaid = Tool(dir_, "--preset 8:0 --overlay fine.csv --chart Button9 --png overlaid.png");
  ASSERT_EQ(overlaid.status, 0) << overlaid.err;
  EXPECT_EQ(ReadFile(dir_ / "overlaid.png"), ReadFile(dir_ / "compared.png"))
      << "the same picture, name and all";

  std::ofstream(dir_ / "track.csv") << "t [min], H [ft]\n1, 30000\n2, 60000\n";
  const auto reported = Tool(dir_, "--preset 8:0 --overlay track.csv --quiet --lang de");
  ASSERT_EQ(reported.status, 0) << reported.err;
  EXPECT_TRUE(Has(reported.out, "Gemessener Flug: track.csv")) << reported.out;
  EXPECT_TRUE(Has(reported.out, "Rechnung: Launcher V-2")) << reported.out;
  EXPECT_TRUE(Has(reported.out, "Höhe")) << reported.out;
}

TEST_F(ToolOverlay, ABadFileStopsTheProgramBeforeAnythingIsWritten) {
  std::ofstream(dir_ / "bad.csv") << "t [s], V [m/s]\n0, 1\n-1, 2\n";
  const auto refused = Tool(dir_, "--preset 8:0 --overlay bad.csv --csv out.csv --lang de");
  EXPECT_EQ(refused.status, 2);
  EXPECT_EQ(refused.err,
            "zarv-run: bad.csv, Zeile 3, Spalte 1 (t [s]): die Zeit -1 liegt nicht nach der Zeile davor\n");
  EXPECT_FALSE(std::filesystem::exists(dir_ / "out.csv"));
  EXPECT_FALSE(std::filesystem::exists(dir_ / "Zarv_500.txt"));

  std::ofstream(dir_ / "m.csv") << "t [s], H [m]\n0, 1\n";
  const auto many =
      Tool(dir_, "--preset 8:0 --overlay m.csv --overlay m.csv --overlay m.csv --overlay m.csv");
  EXPECT_EQ(many.status, 2) << "three measured flights at most";
  EXPECT_EQ(Tool(dir_, "--preset 8:0 --overlay missing.csv").status, 2);
}

}  // namespace

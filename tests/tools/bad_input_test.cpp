// zarv-run under bad input: every option and input it cannot honour is refused, naming it,
// and nothing it was asked to keep is touched.
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "tools/tool_process.h"

namespace {

namespace fs = std::filesystem;
using zarv::testing::Has;
using zarv::testing::ReadFile;
using zarv::testing::Tool;
using BadInput = zarv::testing::ScratchDir;

void Put(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

TEST_F(BadInput, IsRefusedNamingWhatIsWrong) {
  // Four shards of one study; one cut in the middle of a row, one stopped after ten rows.
  for (const char* shard : {"0", "1", "2", "3"}) {
    ASSERT_EQ(Tool(dir_, std::string("--preset 1:0 --monte-carlo 100 --vary V0=normal:1 --shard ") +
                             shard + "/4 --out p" + shard + ".csv").status, 0);
  }
  const std::string p1 = ReadFile(dir_ / "p1.csv");
  Put(dir_ / "cut.csv", p1.substr(0, p1.size() - 20));
  std::size_t tenRows = 0;
  for (int line = 0; line < 12; ++line) tenRows = p1.find('\n', tenRows) + 1;
  Put(dir_ / "stopped.csv", p1.substr(0, tenRows) + "# partial: 10 of 25 cases\n");
  Put(dir_ / "empty.csv", "");
  Put(dir_ / "ro.csv", "old");
  ::chmod((dir_ / "ro.csv").c_str(), 0444);
  Put(dir_ / "Zarv_500.txt", "previous");
  fs::create_directory(dir_ / "runs");

  struct Case {
    const char* args;
    int status;
    const char* message;  // part of what it printed; "": nothing on standard error
    const char* environment = "";
  };
  const Case cases[] = {
      // A set of shards that lacks cases, however they went missing.
      {"--merge p0.csv p1.csv p2.csv --out all.csv", 2, "cases missing (25 of 100): 3, 7, 11, 15, "},
      {"--merge p0.csv cut.csv p2.csv p3.csv --out all.csv", 2, "the table ends in the middle of a row 'cut.csv:"},
      {"--merge p0.csv stopped.csv p2.csv p3.csv --out all.csv", 2, "cases missing (15 of 100): 41, 45, "},
      {"--merge empty.csv --out all.csv", 2, "no study table (no header line) 'empty.csv'"},
      {"--merge p0.csv p1.csv p2.csv --out all.csv --allow-partial", 0, "the table is marked partial"},
      // Empty, repeated and lonely options.
      {"--preset 2:1 --csv ''", 2, "empty value for --csv"},
      {"--preset 2:1 --dir ''", 2, "empty value for --dir"},
      {"--preset 1:0 --sweep V0=1 --out ''", 2, "empty value for --out"},
      {"--preset 1:0 --monte-carlo 2 --vary V0=normal:1 --seed ''", 2, "empty value for --seed"},
      {"--preset 1:0 --sweep V0=1 --shard ''", 2, "empty value for --shard"},
      {"--preset 1:0 --sweep V0=1 --threads ''", 2, "empty value for --threads"},
      {"--preset 2:1 --csv a.csv --csv b.csv", 2, "--csv is given twice"},
      {"--preset 1:0 --monte-carlo 2 --vary V0=normal:1 --seed 1 --seed 2", 2, "--seed is given twice"},
      {"--preset 8:0 --tolerance 2", 2, "--tolerance needs --check-step"},
      {"--preset 1:0 --sweep V0=1 --seed 3", 2, "--seed does not go with --sweep"},
      {"--preset 8:0 --compare 8:1", 2, "--compare needs --chart"},
      {"--preset 1:0 --sweep V0=1 --csv x.csv", 2, "--csv does not go with --sweep"},
      {"--list --preset 8:0", 2, "--preset does not go with --list"},
      {"--preset 2:1 --csv - --chart default --png -", 2, "'-': that file is named twice"},
      // Every 64-bit seed as written.
      {"--preset 1:0 --monte-carlo 1 --vary V0=normal:1 --seed 9007199254740993", 0, "seed 9007199254740993:"},
      {"--preset 1:0 --monte-carlo 1 --vary V0=normal:1 --seed 18446744073709551615", 0,
       "seed 18446744073709551615:"},
      {"--preset 1:0 --monte-carlo 1 --vary V0=normal:1 --seed 18446744073709551616", 2,
       "--seed takes a whole number from 0 to 18446744073709551615"},
      // A file its owner protected.
      {"--preset 2:1 --csv ro.csv", 1, "cannot write ro.csv: permission denied"},
      {"--preset 1:0 --sweep V0=1 --out ro.csv", 1, "cannot write ro.csv: permission denied"},
      // Inputs no vehicle has.
      {"--preset 2:1 --set Cx=-1", 2, "Invalid input Cx (Cd): the value must not be negative."},
      {"--preset 2:1 --set V0=-100", 2, "Invalid input V0 (velocity,Vo,m/s): the value must not be negative."},
      {"--preset 2:1 --set MassaStart=1e-300", 2, "MassaStart (mass, mo,kg): the value must be from 1e-06 to 1e+12."},
      {"--preset 7:0 --set MassaStart=1e308", 2, "MassaStart (mass, mo,kg): the value must be from 1e-06 to 1e+12."},
      {"--preset 8:0 --set AeroModel=99", 2, "AeroModel: the value must be 0 (constant Cx), 1 (Titan-2 law) or 2"},
      {"--preset 8:0 --set AeroModel=-5", 2, "AeroModel: the value must be 0 (constant Cx)"},
      {"--preset 8:0 --set AeroModel=1.5", 2, "AeroModel: the value must be 0 (constant Cx)"},
      {"--atmosphere 1e308", 2, "the atmosphere table covers altitudes from -5000 to 1000000 m"},
      // A step far too large makes energy no force gave: diverged, not an absurd flight.
      {"--preset 1:6 --set dt0=10", 3, "diverged at t = 20 s: step too large"},
      {"--preset 2:0 --set dt0=50", 3, "diverged at t = 100 s: step too large"},
      {"--preset 5:0 --set dt0=50", 3, "diverged at t = 100 s: step too large"},
      // Outputs are checked before anything is written or run.
      {"--preset 2:1 --csv nodir/a.csv", 1, "cannot write nodir/a.csv: no such file or directory"},
      {"--preset 1:0 --sweep V0=1:100:5 --out s.csv --study-chart nodir/c.png", 1, "cannot write nodir/c.png"},
      // What the program says, and what it keeps to itself.
      {"--list", 0, "1:2  Fußball (m=450 g"},
      {"--preset 2:1 --dir runs --chart default --png c.png --quiet", 0, "", "env -u XDG_RUNTIME_DIR"},
      {"--preset 1:0 --sweep V0=1,2 --study-chart runs/s.png", 0, "", "env -u XDG_RUNTIME_DIR"},
      {"--preset 1:0 --sweep V0=1 --study-chart c.png --outcomes foo", 2,
       "unknown outcome 'foo' (outcomes: flight-time, range, peak-altitude,"},
      {"--preset 1:0 --vary V0=normal:1", 2, "--vary needs --monte-carlo N"},
      {"--preset 1:0 --sweep V0=1 --threads 1025", 2, "--threads takes a whole number from 1 to 1024"},
      {"--preset 1:0 --sweep speed=1,2", 2, "unknown input 'speed' (inputs: H0, V0, TTO,"},
      {"--preset 2:1 --chart Button99 --png c.png", 2, "no such chart 'Button99' (charts: default, Button22,"},
  };
  for (const Case& c : cases) {
    const zarv::testing::ToolOutcome o = Tool(dir_, c.args, c.environment);
    EXPECT_EQ(o.status, c.status) << c.args << "\n" << o.err;
    if (*c.message == '\0') {
      EXPECT_EQ(o.err, "") << c.args;
    } else {
      EXPECT_TRUE(Has(o.out + o.err, c.message)) << c.args << "\n" << o.err;
    }
  }
  EXPECT_EQ(ReadFile(dir_ / "ro.csv"), "old");
  EXPECT_EQ(ReadFile(dir_ / "Zarv_500.txt"), "previous") << "a failed run replaced the result file";
  EXPECT_FALSE(fs::exists(dir_ / "s.csv")) << "the study ran although its chart could not be written";
  const std::string merged = ReadFile(dir_ / "all.csv");
  EXPECT_TRUE(merged.ends_with("\n# partial: 75 of 100 cases\n")) << merged.substr(merged.size() - 80);
  for (const fs::directory_entry& f : fs::recursive_directory_iterator(dir_)) {
    EXPECT_NE(f.path().extension(), ".tmp") << f.path().filename() << " was left";
  }
}

}  // namespace

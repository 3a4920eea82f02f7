#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "support/scratch_dir.h"
#include "tools/tool_process.h"

namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status;
  std::string out;  // stdout and stderr together
};

// Runs zarv-run in `dir` with the given arguments; what it printed on both streams.
Outcome RunTool(const fs::path& dir, const std::string& args) {
  const zarv::testing::ToolOutcome tool = zarv::testing::Tool(dir, args);
  return {tool.status, tool.out + tool.err};
}

using zarv::testing::ReadFile;
using ZarvRun = zarv::testing::ScratchDir;

TEST_F(ZarvRun, ListsEveryPresetOnce) {
  const Outcome o = RunTool(dir_, "--list");
  ASSERT_EQ(o.status, 0) << o.out;
  int lines = 0;
  for (char c : o.out) lines += c == '\n';
  EXPECT_EQ(lines, 35);
  EXPECT_NE(o.out.find("8:0  Launcher V-2\n"), std::string::npos);
  EXPECT_NE(o.out.find("3:3  Luftballon (Gas - He, m=100 g)\n"), std::string::npos);
}

TEST_F(ZarvRun, RunsAPresetWritesTheFileAndTheCsv) {
  const Outcome o = RunTool(dir_, "--preset 2:1 --set dt0=0.05 --csv out.csv");
  ASSERT_EQ(o.status, 0) << o.out;
  EXPECT_NE(o.out.find("samples recorded  "), std::string::npos) << o.out;
  const std::string file = ReadFile(dir_ / "Zarv_500.txt");
  EXPECT_EQ(file.substr(0, 3), " \r\n");
  const std::string csv = ReadFile(dir_ / "out.csv");
  EXPECT_EQ(csv.rfind("# earth model: flat\n"
                      "# run: Parachute ( V = 0 m/s, Cx = 1.0, Ho = 4000 m, m = 100kg ), dt0 = 0.05\n"
                      "slot,row0 t [s],row1 V [m/s],row2 q [Pa],row3 H [m]", 0), 0u)
      << csv.substr(0, 200);
  int lines = 0;
  for (char c : csv) lines += c == '\n';
  EXPECT_EQ(lines, 503);
  EXPECT_NE(csv.find("\n1,0.05,"), std::string::npos) << "--set dt0 reached the run";
}

TEST_F(ZarvRun, ExitStatusAndMessages) {
  struct Case {
    const char* args;
    int status;
    const char* message;
  };
  const Case cases[] = {
      {"", 2, "--preset or --flight is missing"},
      {"--bogus", 2, "unknown argument '--bogus'"},
      {"--preset 4:0", 2, "no such preset '4:0'"},
      {"--preset 1:9", 2, "no such preset '1:9'"},
      {"--preset 1:0 --set dt0=0,5", 2, "not a number: dt0 (step of integration, s) = '0,5'"},
      {"--preset 1:0 --set speed=3", 2, "unknown input 'speed'"},
      {"--preset 1:0 --set dt0=0", 2,
       "Invalid input dt0 (step of integration, s): the value must be greater than 0."},
      {"--preset 1:0 --set dt0=-1 --lang de", 2, "Ungültige Eingabe dt0"},
      {"--preset 3:0 --set GasDichte=1.3 --lang ru", 2, "Неверный ввод GasDichte"},
      {"--preset 1:0 --chart Button99 --png x.png", 2, "no such chart 'Button99'"},
      {"--preset 1:0 --png x.png", 2, "--png must follow --chart"},
      {"--preset 1:0 --lang fr", 2, "--lang ru|de|en"},
      {"--preset 1:0 --dir no/such/folder", 1, "cannot write"},
  };
  for (const Case& c : cases) {
    const Outcome o = RunTool(dir_, c.args);
    EXPECT_EQ(o.status, c.status) << "zarv-run " << c.args << "\n" << o.out;
    EXPECT_NE(o.out.find(c.message), std::string::npos) << "zarv-run " << c.args << "\n" << o.out;
  }
  EXPECT_FALSE(fs::exists(dir_ / "Zarv_500.txt")) << "no half-written result file";
}

TEST_F(ZarvRun, AtmosphereIsLabelledWithUnits) {
  const Outcome o = RunTool(dir_, "--atmosphere 0");
  ASSERT_EQ(o.status, 0) << o.out;
  for (const char* line : {"temperature     288.15 K", "pressure        1.013 bar",
                           "speed of sound  340.3 m/s", "density         1.225 kg/m3",
                           "viscosity       0.00017894 poise"}) {
    EXPECT_NE(o.out.find(line), std::string::npos) << line << "\n" << o.out;
  }
  EXPECT_EQ(RunTool(dir_, "--atmosphere high").status, 2);
}

TEST_F(ZarvRun, WritesChartPicturesOf700By500) {
  const Outcome o = RunTool(dir_, "--preset 8:0 --chart default --png a.png --chart Button15 --png b.png");
  ASSERT_EQ(o.status, 0) << o.out;
  for (const char* name : {"a.png", "b.png"}) {
    const std::string png = ReadFile(dir_ / name);
    ASSERT_GT(png.size(), 24u) << name;
    EXPECT_EQ(png.substr(1, 3), "PNG") << name;
    auto be32 = [&](std::size_t at) {
      return (static_cast<unsigned char>(png[at]) << 24) | (static_cast<unsigned char>(png[at + 1]) << 16) |
             (static_cast<unsigned char>(png[at + 2]) << 8) | static_cast<unsigned char>(png[at + 3]);
    };
    EXPECT_EQ(be32(16), 700) << name;
    EXPECT_EQ(be32(20), 500) << name;
  }
}

// Every option the manual page documents is in --help, and the other way round.
TEST_F(ZarvRun, HelpListsEveryOptionOfTheManualPageAndNoOther) {
  const Outcome help = RunTool(dir_, "--help");
  ASSERT_EQ(help.status, 0) << help.out;
  // roff writes a hyphen as \-.
  std::string page;
  for (const char c : ReadFile(fs::path(ZARV_MAN_DIR) / "zarv-run.1")) {
    if (c == '-' && !page.empty() && page.back() == '\\') page.pop_back();
    page += c;
  }
  const auto options = [](const std::string& text) {
    std::set<std::string> found;
    for (std::size_t at = text.find("--"); at != std::string::npos; at = text.find("--", at + 2)) {
      std::size_t end = at + 2;
      while (end < text.size() && (std::islower(static_cast<unsigned char>(text[end])) || text[end] == '-')) ++end;
      if (end > at + 2) found.insert(text.substr(at, end - at));
    }
    return found;
  };
  const std::set<std::string> inHelp = options(help.out);
  const std::set<std::string> inPage = options(page);
  for (const std::string& o : inPage) EXPECT_TRUE(inHelp.count(o)) << o << " is documented but not in --help";
  for (const std::string& o : inHelp) EXPECT_TRUE(inPage.count(o)) << o << " is in --help but not documented";

  const Outcome version = RunTool(dir_, "--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, std::string("zarv-run ") + ZARV_VERSION + "\n");
}

}  // namespace

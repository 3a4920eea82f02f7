// zarv-run with flight files: written from any preset or flight, run wherever a preset runs.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "tools/tool_process.h"

namespace {

namespace fs = std::filesystem;
using zarv::testing::Has;
using zarv::testing::ReadFile;
using zarv::testing::Tool;
using FlightFiles = zarv::testing::ScratchDir;

TEST_F(FlightFiles, EveryPresetRunsToTheSameResultFileFromItsFlightFile) {
  const zarv::testing::ToolOutcome list = Tool(dir_, "--list");
  ASSERT_EQ(list.status, 0);
  std::istringstream lines(list.out);
  int presets = 0;
  for (std::string line; std::getline(lines, line);) {
    const std::string preset = line.substr(0, line.find(' '));
    ++presets;
    fs::create_directories(dir_ / "preset");
    fs::create_directories(dir_ / "flight");
    ASSERT_EQ(Tool(dir_, "--preset " + preset + " --dir preset --quiet").status, 0) << preset;
    const auto saved = Tool(dir_, "--preset " + preset + " --save-flight f.zarv");
    ASSERT_EQ(saved.status, 0) << preset << ": " << saved.err;
    const auto run = Tool(dir_, "--flight f.zarv --dir flight --quiet");
    ASSERT_EQ(run.status, 0) << preset << ": " << run.err;
    EXPECT_EQ(ReadFile(dir_ / "flight/Zarv_500.txt"), ReadFile(dir_ / "preset/Zarv_500.txt"))
        << preset << ": the flight file runs otherwise than its preset\n" << ReadFile(dir_ / "f.zarv");
    const auto again = Tool(dir_, "--flight f.zarv --save-flight g.zarv");
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(ReadFile(dir_ / "g.zarv"), ReadFile(dir_ / "f.zarv")) << preset << ": written again, it changed";
  }
  EXPECT_EQ(presets, 35);
}

TEST_F(FlightFiles, GoWhereverAPresetGoes) {
  ASSERT_EQ(Tool(dir_, "--preset 8:0 --set Schub=310000 --earth round --save-flight mine.zarv").status, 0);
  const std::string mine = ReadFile(dir_ / "mine.zarv");
  EXPECT_TRUE(Has(mine, "Schub = 310000.0") && Has(mine, "earth = \"round\"") &&
              Has(mine, "preset = \"8:0\"") && Has(mine, "name = \"Launcher V-2\""))
      << mine;
  std::ofstream(dir_ / "rk4.zarv") << [&] {
    std::string text = mine;
    text.replace(text.find("\"euler\""), 7, "\"rk4\"");
    return text;
  }();

  struct Case {
    const char* args;
    int status;
    const char* said;  // part of what it printed on either stream
  };
  const Case cases[] = {
      {"--flight mine.zarv", 0, "flight  mine.zarv\nEarth  round\n"},
      {"--flight mine.zarv --earth flat", 0, "Earth  flat\n"},
      {"--flight mine.zarv --set dt0=0.02 --check-step", 4, "dt0 = 0.02  dt0 = 0.01"},
      {"--flight mine.zarv --compare mine.zarv,Schub=300000 --compare 8:0 --chart default --png c.png", 0, "flight  mine.zarv"},
      {"--flight mine.zarv --sweep Schub=300000,310000", 0, "flight  mine.zarv, sweep"},
      {"--flight mine.zarv --monte-carlo 4 --vary Schub=normal:1%", 0, "cases  4: ground 4"},
      {"--flight mine.zarv --preset 8:0", 2, "--flight does not go with --preset"},
      {"--flight mine.zarv --save-flight x.zarv --chart default --png c.png", 2, "does not go with --save-flight"},
      {"--flight mine.zarv --set dt0=0 --save-flight x.zarv", 2, "Invalid input dt0 (step of integration, s)"},
      {"--flight missing.zarv --lang de", 2, "missing.zarv: die Flugdatei ist nicht lesbar"},
      // The file's integrator runs unless the command line says otherwise.
      {"--flight rk4.zarv --set dt0=0.05", 0, "integrator  rk4\n"},
      {"--flight rk4.zarv --set dt0=0.05 --integrator adaptive --rtol 1e-8", 0, "integrator  adaptive, rtol 1e-08"},
      {"--flight rk4.zarv --rtol 1e-8", 2, "--rtol needs --integrator adaptive"},
      {"--flight rk4.zarv --set dt0=0.05 --sweep Schub=300000,310000", 0, "cases  2: ground 2"},
  };
  for (const Case& c : cases) {
    const zarv::testing::ToolOutcome o = Tool(dir_, c.args);
    EXPECT_EQ(o.status, c.status) << "zarv-run " << c.args << "\n" << o.out << o.err;
    EXPECT_TRUE(Has(o.out + o.err, c.said)) << "zarv-run " << c.args << "\n" << o.out << o.err;
  }
  EXPECT_FALSE(fs::exists(dir_ / "x.zarv")) << "a refused flight is not written";
}

}  // namespace

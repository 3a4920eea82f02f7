#include "scenario/flight_file.h"

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "scenario/presets.h"
#include "support/scratch_dir.h"
#include "texts/flight_file_messages.h"

namespace zarv {
namespace {

// The flight a preset click gives, named as zarv-run names it.
Flight PresetFlight(int vehicleClass, int item, Calculation& calculation) {
  Scenario record;
  EXPECT_TRUE(ApplyPreset(record, vehicleClass, item));
  calculation.Load(record);
  Flight flight = FlightOf(calculation, RunSettings{});
  flight.name = FindPresetList(vehicleClass)->items[item].text;
  flight.preset = std::to_string(vehicleClass) + ":" + std::to_string(item);
  return flight;
}

Flight Parsed(const std::string& text) {
  FlightRead read = ParseFlightFile(text, "x.zarv");
  if (const auto* e = std::get_if<FlightFileError>(&read)) {
    ADD_FAILURE() << DescribeFlightFileError(*e, Language::English) << "\n" << text;
    return {};
  }
  return std::get<Flight>(read);
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(FlightFile, EveryPresetComesBackAsTheSameTextAndTheSameRunInputs) {
  int presets = 0;
  for (const PresetList& list : PresetLists()) {
    for (int item = 0; item < static_cast<int>(list.items.size()); ++item) {
      if (list.items[item].text[0] == '\0') continue;
      ++presets;
      Calculation byPreset;
      const Flight flight = PresetFlight(list.vehicleClass, item, byPreset);
      ASSERT_FALSE(CheckFlight(flight)) << list.vehicleClass << ":" << item;
      const std::string text = FormatFlightFile(flight);
      const Flight back = Parsed(text);
      EXPECT_TRUE(SameFlight(back, flight)) << text;
      EXPECT_EQ(FormatFlightFile(back), text);

      Calculation byFile;
      ApplyFlight(back, byFile);
      EXPECT_EQ(byFile.vehicleClass(), byPreset.vehicleClass());
      RunInputs a = byFile.inputs(), b = byPreset.inputs();
      for (const char* name : kRunInputNames) {
        EXPECT_TRUE(SameBits(*RunInputByName(a, name), *RunInputByName(b, name)))
            << list.vehicleClass << ":" << item << " " << name << ": the run would differ";
      }
    }
  }
  EXPECT_EQ(presets, 35);
}

TEST(FlightFile, NumbersAndTextsReadBackExactly) {
  Calculation calculation;
  Flight flight = PresetFlight(8, 0, calculation);
  std::vector<double> values = {0.1 + 0.2, 5e-324, 2.2250738585072014e-308, 1.7976931348623157e308,
                                -0.0, 1e16, 1e16 - 2, 1e-5, 9.999999999999999e-6, 123456789012345680000.0};
  std::mt19937_64 bits(19);
  while (values.size() < 3000) {
    const std::uint64_t pattern = bits();
    double v;
    std::memcpy(&v, &pattern, sizeof v);
    if (std::isfinite(v)) values.push_back(v);
  }
  for (const double v : values) {
    flight.inputs.Cy = v;
    flight.run.rtol = std::abs(v) > 0.0 ? std::abs(v) : 1.0;
    const Flight back = Parsed(FormatFlightFile(flight));
    EXPECT_TRUE(SameBits(back.inputs.Cy, v) && SameBits(back.run.rtol, flight.run.rtol))
        << std::hexfloat << v << " came back as " << back.inputs.Cy;
  }
  const char* texts[] = {"", "plain", "quote \" and \"\"\" and backslash \\ at the end\\",
                         "two\nlines\n", "\r\n windows \r\n", "tab\tand \x01\x1f\x7f", "Fußball Союз ✓",
                         "\n\nleading breaks"};
  for (const char* text : texts) {
    flight.name = text;
    flight.notes = text;
    flight.preset = text;
    const std::string file = FormatFlightFile(flight);
    const Flight back = Parsed(file);
    EXPECT_EQ(back.name, text);
    EXPECT_EQ(back.notes, text) << file;
    EXPECT_EQ(back.preset, text);
    EXPECT_EQ(FormatFlightFile(back), file);
  }
}

// A V-2 file with one line replaced (or added at the end when `line` is 0).
struct Broken {
  const char* what;
  int line;                 // 1-based line of the valid file replaced; 0 appends
  const char* text;
  FlightFileProblem problem;
  int reportedLine;
  const char* key;
  const char* english;      // part of the English message
};

TEST(FlightFile, BrokenFilesAreRefusedNamingLineAndKey) {
  Calculation calculation;
  const std::string valid = FormatFlightFile(PresetFlight(8, 0, calculation));
  std::vector<std::string> lines;
  for (std::size_t at = 0, next; at < valid.size(); at = next + 1) {
    next = valid.find('\n', at);
    lines.push_back(valid.substr(at, next - at));
  }
  const auto lineOf = [&lines](const char* start) {
    for (std::size_t i = 0; i < lines.size(); ++i)
      if (lines[i].rfind(start, 0) == 0) return static_cast<int>(i) + 1;
    return 0;
  };
  const int format = lineOf("format"), cls = lineOf("class"), inputs = lineOf("[inputs]");
  const int preset = lineOf("preset");
  const int dt0 = lineOf("dt0"), tk = lineOf("Tk"), drag = lineOf("drag"), earth = lineOf("earth");
  const int rtol = lineOf("rtol"), mass = lineOf("MassaStart"), schub = lineOf("Schub");
  using P = FlightFileProblem;
  const Broken cases[] = {
      {"a newer format", format, "format = 2", P::NewerFormat, format, "format", "format 2 of a newer ZARV"},
      {"a format in quotes", format, "format = \"1\"", P::WrongType, format, "format", "a whole number"},
      {"format 0", format, "format = 0", P::OutOfRange, format, "format", "from 1 to 1"},
      {"no format", format, "", P::MissingKey, 0, "format", "the key is missing"},
      {"a class without presets", cls, "class = \"airship\"", P::NotAChoice, cls, "class", "projectile, parachute"},
      {"an unknown key", preset, "speed = 3.0", P::UnknownKey, preset, "speed", "unknown key"},
      {"an unknown key of the run", 0, "step = 3.0", P::UnknownKey, static_cast<int>(lines.size()) + 1, "run.step", "earth, integrator"},
      {"an input misspelt", tk, "TK = 1500.0", P::UnknownKey, tk, "inputs.TK", "unknown key"},
      {"an input of another class", tk, "GasDichte = 0.1", P::NotOfClass, tk, "inputs.GasDichte", "not an input of this vehicle class"},
      {"the drag law by number", drag, "AeroModel = 2.0", P::UnknownKey, drag, "inputs.AeroModel", "drag, H0, V0"},
      {"a missing input", tk, "", P::MissingKey, inputs, "inputs.Tk", "the key is missing"},
      {"a number in quotes", dt0, "dt0 = \"0.01\"", P::WrongType, dt0, "inputs.dt0", "a number"},
      {"a negative step", dt0, "dt0 = -0.01", P::OutOfRange, dt0, "inputs.dt0", "greater than 0"},
      {"no number", schub, "Schub = nan", P::OutOfRange, schub, "inputs.Schub", "not a finite number"},
      {"a mass beyond the range", mass, "MassaStart = 1e13", P::OutOfRange, mass, "inputs.MassaStart", "from 1e-06 to 1e+12"},
      {"an unknown drag law", drag, "drag = \"a5\"", P::NotAChoice, drag, "inputs.drag", "constant, titan2, a4"},
      {"an unknown Earth", earth, "earth = \"oval\"", P::NotAChoice, earth, "run.earth", "flat, round"},
      {"a tolerance of 0", rtol, "rtol = 0.0", P::OutOfRange, rtol, "run.rtol", "greater than 0"},
      {"inputs as a list", inputs, "inputs = [1]", P::WrongType, inputs, "inputs", "a table"},
      {"a key given twice", dt0, "dt0 = 0.01\ndt0 = 0.02", P::Syntax, dt0 + 1, "", "not a TOML file"},
      {"a value missing", dt0, "dt0 = ", P::Syntax, dt0, "", "not a TOML file"},
  };
  for (const Broken& c : cases) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      text += static_cast<int>(i) + 1 == c.line ? std::string(c.text) : lines[i];
      text += '\n';
    }
    if (c.line == 0) text += std::string(c.text) + "\n";
    const FlightRead read = ParseFlightFile(text, "x.zarv");
    const auto* e = std::get_if<FlightFileError>(&read);
    ASSERT_NE(e, nullptr) << c.what << ": read as a flight";
    const std::string message = DescribeFlightFileError(*e, Language::English);
    EXPECT_EQ(e->problem, c.problem) << c.what << ": " << message;
    if (c.reportedLine > 0) {
      EXPECT_EQ(e->line, c.reportedLine) << c.what << ": " << message;
    }
    EXPECT_EQ(e->key, c.key) << c.what << ": " << message;
    const std::string where = "x.zarv" + (e->line > 0 ? ", line " + std::to_string(e->line) : "") +
                              (e->key.empty() ? "" : ", " + e->key) + ": ";
    EXPECT_EQ(message.rfind(where, 0), 0u) << c.what << ": " << message;
    EXPECT_NE(message.find(c.english), std::string::npos) << c.what << ": " << message;
    EXPECT_NE(DescribeFlightFileError(*e, Language::German).find(e->line > 0 ? "Zeile" : "x.zarv"), std::string::npos);
    EXPECT_NE(DescribeFlightFileError(*e, Language::Russian).find(e->line > 0 ? "строка" : "x.zarv"), std::string::npos);
  }
}

// The Earth, the integrator and its tolerances come back as written and reach the run; an
// absolute tolerance left out stays each state variable's own.
TEST(FlightFile, RunSettingsTravelWithTheFlightIntoTheCalculation) {
  for (const std::optional<double> atol : {std::optional<double>{}, std::optional<double>{1e-7}}) {
    Calculation calculation;
    Flight flight = PresetFlight(8, 0, calculation);
    flight.run.integrator = Integrator::Adaptive;
    flight.run.earth = EarthModel::Round;
    flight.run.rtol = 1e-9;
    flight.run.atol = atol;
    const std::string text = FormatFlightFile(flight);
    const Flight back = Parsed(text);
    EXPECT_EQ(back.run, flight.run) << text;
    EXPECT_EQ(FormatFlightFile(back), text);
    ApplyFlight(back, calculation);
    EXPECT_EQ(calculation.settings(), flight.run);
  }
}

using FlightFileOnDisk = testing::ScratchDir;

TEST_F(FlightFileOnDisk, WhatIsNoReadableFileIsRefused) {
  std::ofstream(dir_ / "empty.zarv") << "";
  std::filesystem::create_directory(dir_ / "folder.zarv");
  struct Case {
    std::filesystem::path path;
    FlightFileProblem problem;
  };
  const Case cases[] = {
      {dir_ / "missing.zarv", FlightFileProblem::CannotRead},
      {dir_ / "folder.zarv", FlightFileProblem::CannotRead},
      {"/dev/zero", FlightFileProblem::TooLarge},
      {dir_ / "empty.zarv", FlightFileProblem::MissingKey},
  };
  for (const Case& c : cases) {
    const FlightRead read = ReadFlightFile(c.path);
    const auto* e = std::get_if<FlightFileError>(&read);
    ASSERT_NE(e, nullptr) << c.path;
    EXPECT_EQ(e->problem, c.problem) << c.path << ": " << DescribeFlightFileError(*e, Language::English);
    EXPECT_EQ(e->file, c.path.string());
  }
  Calculation calculation;
  const Flight flight = PresetFlight(3, 1, calculation);
  ASSERT_TRUE(WriteFlightFile(dir_ / "he.zarv", flight).ok);
  const FlightRead read = ReadFlightFile(dir_ / "he.zarv");
  ASSERT_TRUE(std::holds_alternative<Flight>(read));
  EXPECT_TRUE(SameFlight(std::get<Flight>(read), flight));
}

}  // namespace
}  // namespace zarv

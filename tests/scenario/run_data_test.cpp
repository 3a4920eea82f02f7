// Measured flights read, bad files refused, and the deviation figures.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "scenario/run_data_file.h"
#include "texts/run_data_texts.h"
#include "trajectory/flight_deviation.h"

namespace zarv {
namespace {

using Kind = RunDataProblem::Kind;

// The words of the report line that starts with `first`.
std::vector<std::string> ReportRow(const std::string& report, const std::string& first) {
  std::istringstream lines(report);
  for (std::string line; std::getline(lines, line);) {
    std::istringstream words(line);
    std::vector<std::string> row;
    for (std::string word; words >> word;) row.push_back(word);
    if (!row.empty() && row.front() == first) return row;
  }
  return {};
}

// Run 0..499 s: altitude 10 m/s * t recorded in km, speed 100 m/s.
std::unique_ptr<TrajectoryLog> ClimbingRun() {
  auto log = std::make_unique<TrajectoryLog>();
  log->units.AltitudeInKm = 1;
  for (int j = 1; j <= kSampleCapacity; ++j) {
    log->at(row::kTime, j) = j - 1;
    log->at(row::kAltitude, j) = 0.01 * (j - 1);
    log->at(row::kVelocity, j) = 100.0;
  }
  return log;
}

TEST(RunData, DeviationFromAMeasuredFlightIsTheHandComputedOne) {
  // Feet and km/h; lines before and after the run are not compared, nor an empty field.
  const char* text =
      "# made up\r\n"
      "t [s], H [ft], V [km/h], lat [deg]\r\n"
      "-1, 0, 360, 48.1\r\n"
      "30, 1000, 360, 48.1\r\n"
      "45.5, 1500, , 48.1\r\n"
      "60, 2000, 378, 48.1\r\n"
      "600, 9000, 360, 48.1\r\n";
  const RunData data = ReadRunData(text);
  const auto* flight = std::get_if<MeasuredFlight>(&data);
  ASSERT_NE(flight, nullptr);
  const auto run = ClimbingRun();
  const std::vector<QuantityDeviation> d = DeviationFromMeasured(*run, *flight);
  ASSERT_EQ(d.size(), 2u) << "altitude and speed; the latitude is no quantity of a run";

  // Altitude: run 300, 455, 600 m against 304.8, 457.2, 609.6 m.
  EXPECT_EQ(d[0].measured, 5);
  EXPECT_EQ(d[0].compared, 3);
  EXPECT_NEAR(d[0].rms, std::sqrt((4.8 * 4.8 + 2.2 * 2.2 + 9.6 * 9.6) / 3), 1e-9);
  EXPECT_NEAR(d[0].largest, -9.6, 1e-9);
  EXPECT_EQ(d[0].largestAt, 60.0);
  EXPECT_NEAR(d[0].runPeak, 600.0, 1e-9);
  EXPECT_EQ(d[0].runPeakAt, 60.0);
  EXPECT_NEAR(d[0].measuredPeak, 609.6, 1e-9);
  EXPECT_EQ(d[0].measuredPeakAt, 60.0);
  // Speed: 100 against 100 and 105 m/s.
  EXPECT_EQ(d[1].measured, 4);
  EXPECT_EQ(d[1].compared, 2);
  EXPECT_NEAR(d[1].rms, std::sqrt(25.0 / 2), 1e-9);
  EXPECT_NEAR(d[1].largest, -5.0, 1e-9);
  EXPECT_EQ(d[1].largestAt, 60.0);
  EXPECT_NEAR(d[1].measuredPeak - d[1].runPeak, 5.0, 1e-9);

  // Headings in any case and language; a decimal comma beside semicolons.
  const RunData german = ReadRunData("ВРЕМЯ [min]; Höhe [km]\n0,5; 1,5\n");
  ASSERT_TRUE(std::holds_alternative<MeasuredFlight>(german));
  EXPECT_EQ(std::get<MeasuredFlight>(german).times, std::vector<double>{30.0});
  EXPECT_EQ(std::get<MeasuredFlight>(german).columns.at(0).values, std::vector<double>{1500.0});

  // The report gives them in the file's units: 6.3256 m RMS is 20.753 ft.
  const std::string report = FormatDeviationReport(*flight, d, "made_up.csv", "Climb", Language::English);
  EXPECT_EQ(ReportRow(report, "altitude"),
            (std::vector<std::string>{"altitude", "ft", "3/5", "20.753", "-31.496", "60"}))
      << report;
  EXPECT_EQ(ReportRow(report, "speed"),
            (std::vector<std::string>{"speed", "km/h", "2/4", "12.728", "-18", "60"}))
      << report;
}

TEST(RunData, BadFilesAreRefusedNamingLineAndColumn) {
  struct Case {
    const char* what;
    std::string text;
    Kind kind;
    int line, column;
  };
  std::string longRun = "slot,row0 t [s],row3 H [m]\n";
  for (int j = 1; j <= kSampleCapacity + 1; ++j)
    longRun += std::to_string(j) + "," + std::to_string(j) + ",1\n";
  const Case cases[] = {
      {"empty", "", Kind::kEmpty, 0, 0},
      {"comments only", "# a flight\n\n", Kind::kEmpty, 0, 0},
      {"no time column", "H [m], V [m/s]\n1, 2\n", Kind::kNoTimeColumn, 1, 0},
      {"no quantity", "# log\nt [s], lat [deg]\n0, 1\n", Kind::kNoQuantity, 2, 0},
      {"no unit", "t [s], H\n0, 1\n", Kind::kNoUnit, 1, 2},
      {"unknown unit", "t [s], H [furlong]\n0, 1\n", Kind::kUnknownUnit, 1, 2},
      {"a quantity twice", "t [s], H [m], alt [ft]\n0, 1, 2\n", Kind::kSameQuantityTwice, 1, 3},
      {"no values", "t [s], H [m]\n# nothing yet\n", Kind::kNoSamples, 1, 0},
      {"a field too many", "t [s], H [m]\n0, 1\n1, 2, 3\n", Kind::kFieldCount, 3, 0},
      {"text in a number", "t [s], H [m]\n0, 1\n1, 1O\n", Kind::kNotANumber, 3, 2},
      {"no time", "t [s], H [m]\n0, 1\n, 2\n", Kind::kNotANumber, 3, 1},
      {"not finite", "t [s], H [m]\n0, nan\n", Kind::kNotANumber, 2, 2},
      {"decimal comma under commas", "t [s], H [m]\n0, 1,5\n", Kind::kFieldCount, 2, 0},
      {"decimal comma, then text", "t [s]; H [m]\n0; 1,5\n1; x\n", Kind::kNotANumber, 3, 2},
      {"time going back", "t [s], H [m]\n0, 1\n2, 2\n1.5, 3\n", Kind::kTimeNotIncreasing, 4, 1},
      {"time standing", "t [min], H [m]\n0, 1\n0, 2\n", Kind::kTimeNotIncreasing, 3, 1},
      {"a run's unknown unit", "# run: x\nslot,row0 t [s],row3 H [mi]\n1,0,0\n", Kind::kUnknownUnit, 2, 3},
      {"a run without time", "slot,row3 H [m]\n1,0\n", Kind::kNoTimeColumn, 1, 0},
      {"a run's time going back", "slot,row0 t [s],row3 H [m]\n1,5,0\n2,4,0\n", Kind::kTimeNotIncreasing, 3,
       2},
      {"a run too long", longRun, Kind::kTooManySamples, kSampleCapacity + 2, 0},
  };
  for (const Case& c : cases) {
    const RunData data = ReadRunData(c.text);
    const auto* problem = std::get_if<RunDataProblem>(&data);
    ASSERT_NE(problem, nullptr) << c.what << " is accepted";
    EXPECT_EQ(problem->kind, c.kind) << c.what << ": "
                                     << DescribeRunDataProblem(*problem, "f.csv", Language::English);
    EXPECT_EQ(problem->line, c.line) << c.what;
    EXPECT_EQ(problem->column, c.column) << c.what;
  }

  // Worded in the user's language with the place and what is wrong there.
  const RunData data = ReadRunData("t [s], H [m]\n0, 1\n1, 1O\n");
  const RunDataProblem& problem = std::get<RunDataProblem>(data);
  EXPECT_EQ(DescribeRunDataProblem(problem, "flug.csv", Language::German),
            "flug.csv, Zeile 3, Spalte 2 (H [m]): \"1O\" ist keine Zahl");
  EXPECT_EQ(DescribeRunDataProblem(std::get<RunDataProblem>(ReadRunData("t [s], H [yd]\n")), "a.csv",
                                   Language::English),
            "a.csv, line 1, column 2 (H [yd]): unknown unit \"yd\"; known: m, km, ft");
  EXPECT_EQ(DescribeRunDataProblem(std::get<RunDataProblem>(ReadRunDataFile("/no/such/file.csv")), "file.csv",
                                   Language::Russian),
            "file.csv: файл не читается: нет такого файла или каталога");
}

}  // namespace
}  // namespace zarv

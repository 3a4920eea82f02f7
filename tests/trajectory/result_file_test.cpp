#include "trajectory/result_file.h"

#include <clocale>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/scratch_dir.h"
#include "support/stored_file_compare.h"
#include "trajectory/child_process.h"
#include "trajectory/run_fixture.h"

namespace zarv {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> SplitCrlf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start) + "<no CRLF>");
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

using testing::ReadFile;
using testing::ScratchDir;

TEST(ResultFile, LayoutWidthsAndWidening) {
  auto log = std::make_unique<TrajectoryLog>();
  for (int j = 1; j <= 500; ++j) {
    log->at(row::kTime, j) = 1.005 * j;
    log->at(row::kDensity, j) = 1.225;
  }
  log->at(row::kTime, 2) = 123456.789;  // wider than its 8 characters
  log->at(row::kRange, 2) = -2.5;
  log->at(row::kAltitude, 2) = 10.25;
  log->at(row::kVelocity, 2) = 99999.96;
  log->at(row::kDynamicPressure, 2) = 0.04;
  log->at(row::kPathAngle, 2) = -89.8;
  log->at(row::kDensity, 2) = 0.0000004;
  const std::vector<std::string> lines = SplitCrlf(FormatResultFile(*log));
  ASSERT_EQ(lines.size(), 503u);
  EXPECT_EQ(lines[0], " ");
  EXPECT_EQ(lines[1], "    j      t       X,km      H,km     V      q     Q     Roh");
  EXPECT_EQ(lines[2], " ");
  struct Case {
    int line;
    const char* text;
  };
  const Case cases[] = {
      {3, "    1.00      1.00    0.00    0.0    0.0    0.0    0.0   1.225000  "},
      {4, "    2.00  123456.79   -2.50   10.2  100000.0    0.0  -89.8   0.000000  "},
      {502, "  500.00    502.50    0.00    0.0    0.0    0.0    0.0   1.225000  "},
  };
  for (const Case& c : cases) EXPECT_EQ(lines[c.line], c.text) << "line " << c.line + 1;
}

TEST(ResultFile, DecimalPointIgnoresTheLocale) {
  auto log = std::make_unique<TrajectoryLog>();
  log->at(row::kTime, 1) = 0.5;
  const std::string before = FormatResultFile(*log);
  const std::string old = std::setlocale(LC_ALL, nullptr);
  for (const char* name : {"de_DE.UTF-8", "ru_RU.UTF-8", "fr_FR.UTF-8"}) {
    if (std::setlocale(LC_ALL, name) == nullptr) continue;
    EXPECT_EQ(FormatResultFile(*log), before) << "locale " << name;
  }
  std::setlocale(LC_ALL, old.c_str());
  EXPECT_NE(before.find("    0.50"), std::string::npos);
}

TEST_F(ScratchDir, WritesTheRunAndReplacesTheOldFile) {
  testing::PresetRun r(2, 1);
  ASSERT_FALSE(r.Run());
  std::ofstream(dir_ / "Zarv_500.txt") << "old content";
  const FileWriteResult result = WriteResultFile(*r.log, dir_);
  ASSERT_TRUE(result.ok) << result.reason;
  EXPECT_EQ(result.path, dir_ / "Zarv_500.txt");
  EXPECT_EQ(ReadFile(dir_ / "Zarv_500.txt"), FormatResultFile(*r.log));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1)
      << "nothing left beside the file";
}

TEST_F(ScratchDir, FailedWriteKeepsThePreviousFileAndSaysWhy) {
  auto log = std::make_unique<TrajectoryLog>();
  std::ofstream(dir_ / "Zarv_500.txt") << "previous run";
  // Another run's leftovers beside the file do not block this one.
  fs::create_directory(dir_ / "Zarv_500.txt.tmp");
  const FileWriteResult beside = WriteResultFile(*log, dir_);
  EXPECT_TRUE(beside.ok) << beside.reason;
  EXPECT_EQ(ReadFile(dir_ / "Zarv_500.txt"), FormatResultFile(*log));
  EXPECT_TRUE(fs::is_directory(dir_ / "Zarv_500.txt.tmp"));

  std::ofstream(dir_ / "Zarv_500.txt") << "previous run";
  const std::string said = testing::InChild([&]() -> std::string {
    testing::LimitFileSize(1000);  // the table is about 36 kB
    const FileWriteResult full = WriteResultFile(*log, dir_);
    return full.ok ? "reported success on a full disk" : full.reason.empty() ? "no reason" : "";
  });
  EXPECT_EQ(said, "");
  EXPECT_EQ(ReadFile(dir_ / "Zarv_500.txt"), "previous run");

  const FileWriteResult missing = WriteResultFile(*log, dir_ / "no" / "such" / "dir");
  EXPECT_FALSE(missing.ok);
  EXPECT_FALSE(missing.reason.empty());
}

TEST_F(ScratchDir, StoredRunsAreReproducedByteForByte) {
  // Reviewed result files of whole runs; a change in the physics or the format shows here.
  struct Case {
    int vehicleClass, item;
    const char* file;
  };
  const Case cases[] = {
      {8, 0, "v2_launcher.txt"},
      {3, 0, "hydrogen_balloon.txt"},
      {7, 2, "apollo_reentry.txt"},
      {1, 2, "football.txt"},
  };
  for (const Case& c : cases) {
    testing::PresetRun r(c.vehicleClass, c.item);
    ASSERT_FALSE(r.Run());
    const std::string expected = ReadFile(fs::path(ZARV_TEST_DATA) / c.file);
    ASSERT_FALSE(expected.empty()) << "missing " << c.file;
    const std::string difference = testing::FirstResultFileDifference(expected, FormatResultFile(*r.log));
    EXPECT_TRUE(difference.empty()) << c.file << ": " << difference;
  }
}

TEST(ResultFile, ComparisonNamesLineColumnAndBothValues) {
  testing::PresetRun r(1, 2);
  ASSERT_FALSE(r.Run());
  const std::string stored = FormatResultFile(*r.log);
  EXPECT_EQ(testing::FirstResultFileDifference(stored, stored), "");
  struct Case {
    int row, slot;
    double value;
    const char* message;
  };
  const Case cases[] = {
      {row::kAltitude, 17, 12.34, "line 20, H,km: stored STORED, got 12.3"},
      {row::kDensity, 500, 1.5, "line 503, Roh: stored STORED, got 1.500000"},
      {row::kTime, 1, 123456.5, "line 4, t: stored STORED, got 123456.50"},
  };
  for (const Case& c : cases) {
    auto changed = std::make_unique<TrajectoryLog>(*r.log);
    changed->at(c.row, c.slot) = c.value;
    const std::vector<std::string> lines = SplitCrlf(stored);
    const std::size_t column = c.row == row::kAltitude ? 3 : c.row == row::kDensity ? 7 : 1;
    std::string message = c.message;
    message.replace(message.find("STORED"), 6, testing::Fields(lines[c.slot + 2])[column]);
    EXPECT_EQ(testing::FirstResultFileDifference(stored, FormatResultFile(*changed)), message)
        << "row " << c.row << " slot " << c.slot;
  }
  std::string spaced = stored;
  spaced.replace(spaced.find("    j "), 6, "   j  ");
  EXPECT_EQ(testing::FirstResultFileDifference(stored, spaced),
            "line 2: stored '    j      t       X,km      H,km     V      q     Q     Roh', "
            "got '   j       t       X,km      H,km     V      q     Q     Roh'")
      << "same numbers, other spacing";
  EXPECT_EQ(testing::FirstResultFileDifference(stored, stored.substr(0, stored.size() - 2)),
            "line 503, column 9: stored nothing, got <no")
      << "a missing line end shows";
}

}  // namespace
}  // namespace zarv

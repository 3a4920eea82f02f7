#include <charconv>
#include <cmath>
#include <filesystem>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "support/scratch_dir.h"
#include "support/stored_file_compare.h"
#include "trajectory/log_csv.h"
#include "trajectory/run_fixture.h"

namespace zarv {
namespace {

namespace fs = std::filesystem;
using testing::PresetRun;

// Reviewed complete logs of every preset and of a few runs with other steps, stored as
// CSV in tests/data/logs; any change of the physics, the sampling or the rescaling shows
// as the first value that differs. scripts/regenerate-test-data renews them after review.
struct StoredRun {
  int vehicleClass, item;
  const char* dt0;  // the step as --set gives it; nullptr: the preset's own
  int samples;      // samples the recording pass took
};

std::string StoredName(const StoredRun& c) {
  std::string name = std::to_string(c.vehicleClass) + "_" + std::to_string(c.item);
  if (c.dt0 != nullptr) name += std::string("_dt0_") + c.dt0;
  return name + ".csv";
}

std::string CaseName(const StoredRun& c) {
  std::string name = std::to_string(c.vehicleClass) + ":" + std::to_string(c.item) + " (" +
                     FindPresetList(c.vehicleClass)->items[c.item].text + ")";
  if (c.dt0 != nullptr) name += std::string(" dt0 ") + c.dt0;
  return name;
}

void ExpectStoredLog(const StoredRun& c) {
  PresetRun r(c.vehicleClass, c.item);
  if (c.dt0 != nullptr) {
    const std::string_view text = c.dt0;
    ASSERT_EQ(std::from_chars(text.data(), text.data() + text.size(), r.inputs.dt0).ec, std::errc())
        << CaseName(c);
  }
  ASSERT_FALSE(r.Run()) << CaseName(c);
  const std::string stored = testing::ReadFile(fs::path(ZARV_TEST_DATA) / "logs" / StoredName(c));
  ASSERT_FALSE(stored.empty()) << CaseName(c) << ": no stored log " << StoredName(c);
  const std::string difference = testing::FirstLogDifference(stored, FormatLogCsv(*r.log));
  EXPECT_TRUE(difference.empty()) << CaseName(c) << ": " << difference;
  EXPECT_EQ(r.run.summary().samplesRecorded, c.samples) << CaseName(c) << ": samples recorded";
}

constexpr StoredRun kPresetRuns[] = {
    {1, 0, nullptr, 501}, {1, 1, nullptr, 501}, {1, 2, nullptr, 501}, {1, 3, nullptr, 501},
    {1, 4, nullptr, 500}, {1, 5, nullptr, 500}, {1, 6, nullptr, 501}, {1, 7, nullptr, 501},
    {1, 8, nullptr, 501}, {2, 0, nullptr, 501}, {2, 1, nullptr, 501}, {3, 0, nullptr, 501},
    {3, 1, nullptr, 501}, {3, 2, nullptr, 501}, {3, 3, nullptr, 501}, {5, 0, nullptr, 501},
    {5, 1, nullptr, 500}, {5, 2, nullptr, 501}, {5, 3, nullptr, 501}, {7, 0, nullptr, 501},
    {7, 1, nullptr, 501}, {7, 2, nullptr, 501}, {7, 3, nullptr, 501}, {7, 4, nullptr, 501},
    {7, 5, nullptr, 501}, {7, 6, nullptr, 501}, {7, 7, nullptr, 501}, {7, 8, nullptr, 501},
    {8, 0, nullptr, 501}, {8, 1, nullptr, 501}, {8, 2, nullptr, 501}, {8, 3, nullptr, 501},
    {8, 4, nullptr, 501}, {8, 5, nullptr, 501}, {8, 6, nullptr, 501},
};

// 1e-5 s: about 1.4 million steps, the state copies thinned nine times; 0.5 s: short
// flights of fewer steps than samples.
constexpr StoredRun kOtherSteps[] = {
    {1, 0, "1e-05", 501}, {1, 0, "0.5", 8}, {8, 1, "0.5", 21},
    {3, 3, "0.0001", 501}, {7, 5, "0.0005", 501},
};

TEST(RunRegression, EveryPresetReproducesItsStoredLog) {
  std::set<std::pair<int, int>> listed;
  for (const PresetList& list : PresetLists()) {
    for (std::size_t item = 0; item < list.items.size(); ++item) {
      if (list.items[item].text[0] != '\0') listed.insert({list.vehicleClass, static_cast<int>(item)});
    }
  }
  std::set<std::pair<int, int>> stored;
  for (const StoredRun& c : kPresetRuns) {
    stored.insert({c.vehicleClass, c.item});
    ExpectStoredLog(c);
  }
  EXPECT_EQ(stored, listed) << "every preset has its stored log";
}

TEST(RunRegression, OtherStepsReproduceTheirStoredLogs) {
  for (const StoredRun& c : kOtherSteps) ExpectStoredLog(c);
}

TEST(RunRegression, NoStoredLogIsLeftWithoutItsCase) {
  std::set<std::string> expected;
  for (const StoredRun& c : kPresetRuns) expected.insert(StoredName(c));
  for (const StoredRun& c : kOtherSteps) expected.insert(StoredName(c));
  std::set<std::string> found;
  for (const auto& entry : fs::directory_iterator(fs::path(ZARV_TEST_DATA) / "logs")) {
    found.insert(entry.path().filename().string());
  }
  EXPECT_EQ(found, expected);
}

TEST(RunRegression, LogComparisonNamesSlotRowAndBothValues) {
  PresetRun r(8, 0);
  ASSERT_FALSE(r.Run());
  const std::string stored = FormatLogCsv(*r.log);
  EXPECT_EQ(testing::FirstLogDifference(stored, stored), "");

  struct Case {
    int row, slot;
    double value;  // in display units; NaN: the next double up
    const char* message;
  };
  const double next = std::nan("");
  const Case cases[] = {
      {row::kAltitude, 17, 12.5, "slot 17, row3 H [km]: stored STORED, got 12.5"},
      {row::kTime, 1, 7.0, "slot 1, row0 t [s]: stored STORED, got 7"},
      {row::kLiftLost, 500, next, "slot 500, row30 lift lost [N]: stored 0, got 5e-324"},
      {row::kMach, 250, next, "slot 250, row25 Mach [-]: stored STORED, got NEXT"},
  };
  for (const Case& c : cases) {
    auto changed = std::make_unique<TrajectoryLog>(*r.log);
    const double before = changed->at(c.row, c.slot);
    const double after = std::isnan(c.value) ? std::nextafter(before, INFINITY) : c.value;
    changed->at(c.row, c.slot) = after;
    std::string message = c.message;
    for (const auto& [key, value] : {std::pair{"STORED", before}, std::pair{"NEXT", after}}) {
      if (const std::size_t at = message.find(key); at != std::string::npos) {
        message.replace(at, std::string_view(key).size(), testing::ShortestText(value));
      }
    }
    EXPECT_EQ(testing::FirstLogDifference(stored, FormatLogCsv(*changed)), message)
        << "row " << c.row << " slot " << c.slot;
  }

  auto metres = std::make_unique<TrajectoryLog>(*r.log);
  metres->units.AltitudeInKm = 0;
  EXPECT_EQ(testing::FirstLogDifference(stored, FormatLogCsv(*metres)),
            "heading, row3 H [km]: stored 'row3 H [km]', got 'row3 H [m]'")
      << "a unit change shows in the heading";
  EXPECT_EQ(testing::FirstLogDifference(stored, stored.substr(0, stored.rfind("\n500,") + 1)),
            "stored 500 lines, got 499");
  EXPECT_NE(testing::FirstLogDifference(stored, "slot,row0\n1,x\n").find("log unreadable: line 2"),
            std::string::npos);
}

TEST(RunRegression, AirshipFliesItsSecondPassOnItsOwn) {
  // No preset sets the airship; it takes the lift an earlier balloon run left.
  PresetRun balloon(3, 0);
  ASSERT_FALSE(balloon.Run());
  balloon.calculation.setVehicleClass(VehicleClass::Airship);
  ASSERT_FALSE(balloon.Run());
  EXPECT_EQ(balloon.run.summary().stepsComputed, balloon.run.summary().steps)
      << "both passes integrated in full";
  for (int j = 1; j <= 500; ++j) ASSERT_TRUE(std::isfinite(balloon.log->at(row::kAltitude, j)));
}

}  // namespace
}  // namespace zarv

#include "scenario/calculation.h"

#include <cmath>
#include <cstring>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "scenario/presets.h"
#include "scenario/scenario_inputs.h"

namespace zarv {
namespace {

// Every input, bitwise (NaN equals NaN), with the first one that differs.
std::string FirstDifference(RunInputs a, RunInputs b) {
  for (const char* name : kRunInputNames) {
    const double x = *RunInputByName(a, name);
    const double y = *RunInputByName(b, name);
    if (std::memcmp(&x, &y, sizeof x) != 0) {
      return std::string(name) + ": " + std::to_string(x) + " vs " + std::to_string(y);
    }
  }
  return {};
}

bool SameLog(const TrajectoryLog& a, const TrajectoryLog& b) {
  return std::memcmp(a.data(), b.data(), sizeof(double) * kLogElements) == 0 &&
         std::memcmp(&a.units, &b.units, sizeof a.units) == 0 && a.CurveList == b.CurveList &&
         a.CurveCount == b.CurveCount;
}

TEST(Calculation, LoadAndSetGiveTheInputsAndLogOfTheDirectPath) {
  // Edits made after each load, as zarv-run --set makes them.
  struct Edit {
    const char* name;
    double value;
  };
  const Edit edits[] = {
      {"dt0", 0.05}, {"Auftriebplus", 2.0}, {"Vwind", -3.0}, {"Gasverlust", 10.0}};
  // One calculation for every preset in turn: inputs of other classes must keep what the
  // presets before left, as in the window.
  Calculation calculation;
  RunInputs expected;
  TrajectoryRun direct;
  auto directLog = std::make_unique<TrajectoryLog>();
  int presets = 0;
  for (const PresetList& list : PresetLists()) {
    for (std::size_t item = 0; item < list.items.size(); ++item) {
      Scenario record;
      if (!ApplyPreset(record, list.vehicleClass, static_cast<int>(item))) continue;
      const std::string preset = std::to_string(list.vehicleClass) + ":" + std::to_string(item);
      const Edit& edit = edits[static_cast<std::size_t>(presets) % std::size(edits)];
      ++presets;

      expected = InputsFromScenario(record, expected);
      *RunInputByName(expected, edit.name) = edit.value;
      calculation.Load(record);
      ASSERT_TRUE(calculation.Set(edit.name, edit.value)) << edit.name;
      EXPECT_EQ(FirstDifference(calculation.inputs(), expected), "")
          << "preset " << preset << " with " << edit.name;
      EXPECT_EQ(calculation.vehicleClass(), VehicleClassFromRecord(record[sf::VehicleClass]))
          << "preset " << preset;

      const auto error = calculation.Run();
      const auto directError = direct.Run(expected, calculation.vehicleClass(), *directLog);
      ASSERT_EQ(error.has_value(), directError.has_value()) << "preset " << preset;
      EXPECT_TRUE(SameLog(calculation.log(), *directLog)) << "preset " << preset;
      EXPECT_EQ(calculation.summary().steps, direct.summary().steps) << "preset " << preset;
      EXPECT_EQ(FirstDifference(calculation.inputs(), expected), "")
          << "preset " << preset << " after the run (the balloon stores its area)";
    }
  }
  EXPECT_EQ(presets, 35);
}

TEST(Calculation, RejectedRunKeepsTheLogAndSummary) {
  Calculation calculation;
  Scenario record;
  ASSERT_TRUE(ApplyPreset(record, 8, 0));
  calculation.Load(record);
  ASSERT_FALSE(calculation.Run());
  const auto before = std::make_unique<TrajectoryLog>(calculation.log());
  const RunSummary summaryBefore = calculation.summary();
  const TrajectoryLog* const logBefore = &calculation.log();
  ASSERT_GT(summaryBefore.steps, 0);

  struct Rejection {
    const char* input;  // nullptr: the class is taken away instead
    double value;
    const char* reported;
  };
  const Rejection rejections[] = {
      {"dt0", 0.0, "dt0"},
      {"Tk", -1.0, "Tk"},
      {"Mt", 1e9, "Mt"},
      {"H0", NAN, "H0"},
      {nullptr, 0.0, "VehicleClass"},
  };
  for (const Rejection& r : rejections) {
    const RunInputs good = calculation.inputs();
    if (r.input != nullptr) {
      ASSERT_TRUE(calculation.Set(r.input, r.value)) << r.input;
    } else {
      calculation.setVehicleClass(VehicleClass::None);
    }
    const auto error = calculation.Run();
    ASSERT_TRUE(error) << r.reported << " must be refused";
    EXPECT_EQ(error->rejected.input, r.reported);
    EXPECT_EQ(&calculation.log(), logBefore) << r.reported << ": the log was swapped";
    EXPECT_TRUE(SameLog(calculation.log(), *before)) << r.reported << ": the log changed";
    EXPECT_EQ(calculation.summary().steps, summaryBefore.steps) << r.reported;
    EXPECT_EQ(calculation.summary().flightTime, summaryBefore.flightTime) << r.reported;
    EXPECT_EQ(calculation.summary().samplesRecorded, summaryBefore.samplesRecorded)
        << r.reported;
    calculation.inputs() = good;
    calculation.setVehicleClass(VehicleClass::Rocket);
  }

  // A shorter flight afterwards replaces the log.
  ASSERT_TRUE(calculation.Set("Tk", 10.0));
  ASSERT_FALSE(calculation.Run());
  EXPECT_FALSE(SameLog(calculation.log(), *before));
  EXPECT_LT(calculation.summary().flightTime, summaryBefore.flightTime);
}

TEST(Calculation, SetRefusesWhatIsNoInputName) {
  Calculation calculation;
  Scenario record;
  ASSERT_TRUE(ApplyPreset(record, 1, 0));
  calculation.Load(record);
  const RunInputs before = calculation.inputs();
  const std::string_view names[] = {
      "speed", "", "dt", "dt0 ", "DT0", "VehicleClass", std::string_view("dt0\0x", 5)};
  for (const std::string_view name : names) {
    EXPECT_FALSE(calculation.Set(name, 1.0)) << "'" << name << "'";
  }
  EXPECT_EQ(FirstDifference(calculation.inputs(), before), "");
  // A name as part of a longer text is no name either; the whole text decides.
  EXPECT_TRUE(calculation.Set(std::string_view("dt0=1").substr(0, 3), 0.25));
  EXPECT_EQ(calculation.inputs().dt0, 0.25);
}

}  // namespace
}  // namespace zarv

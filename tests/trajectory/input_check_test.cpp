#include "trajectory/input_check.h"

#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "scenario/presets.h"
#include "scenario/scenario_inputs.h"

namespace zarv {
namespace {

RunInputs PresetInputs(int vehicleClass, int item) {
  Scenario record;
  ApplyPreset(record, vehicleClass, item);
  return InputsFromScenario(record);
}

TEST(CheckRunInputs, RejectsEachBadInputWithItsName) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    int vehicleClass;
    double recordClass;
    const char* name;
    double value;
    const char* input;
    InputProblem problem;
  };
  const Case cases[] = {
      {1, 1, "H0", nan, "H0", InputProblem::NotFinite},
      {1, 1, "Vwind", -inf, "Vwind", InputProblem::NotFinite},
      {1, 1, "dt0", 0, "dt0", InputProblem::NotPositive},
      {1, 1, "dt0", -0.1, "dt0", InputProblem::NotPositive},
      {1, 1, "Tk", 0, "Tk", InputProblem::NotPositive},
      {1, 1, "dt0", 100.0 / 50e6 * 0.99, "dt0", InputProblem::TooManySteps},
      {1, 1, "MassaStart", 0, "MassaStart", InputProblem::NotPositive},
      {1, 1, "S0", -1, "S0", InputProblem::Negative},
      {8, 8, "Iud", 0, "Iud", InputProblem::NotPositive},
      {8, 8, "Schub", -1, "Schub", InputProblem::Negative},
      {8, 8, "Mt", -1, "Mt", InputProblem::Negative},
      {8, 8, "Mt", 12700, "Mt", InputProblem::PropellantNotBelowMass},
      {8, 8, "Mt", 12699, "Mt", InputProblem::PropellantNotBelowMass},  // last step overshoots
      {3, 3, "GasDichte", -0.1, "GasDichte", InputProblem::Negative},
      {3, 3, "GasDichte", 1.225, "GasDichte", InputProblem::GasNotLighterThanAir},
      {7, 7, "RSAT", 0, "RSAT", InputProblem::NotPositive},
      {1, 1, "V0", -100, "V0", InputProblem::Negative},
      {1, 1, "Cx", -1, "Cx", InputProblem::Negative},
      {1, 1, "MassaStart", 1e-300, "MassaStart", InputProblem::OutOfRange},
      {7, 7, "MassaStart", 1e308, "MassaStart", InputProblem::OutOfRange},
      {8, 8, "AeroModel", 99, "AeroModel", InputProblem::NotADragLaw},
      {8, 8, "AeroModel", -5, "AeroModel", InputProblem::NotADragLaw},
      {8, 8, "AeroModel", 1.5, "AeroModel", InputProblem::NotADragLaw},
      {1, 1, "AeroModel", 3, "AeroModel", InputProblem::NotADragLaw},
      {1, 0, "H0", 1, "VehicleClass", InputProblem::NoPhysicsForClass},
      {1, 9, "H0", 1, "VehicleClass", InputProblem::NoPhysicsForClass},
      {1, 2.5, "H0", 1, "VehicleClass", InputProblem::NoPhysicsForClass},
  };
  for (const Case& c : cases) {
    RunInputs in = PresetInputs(c.vehicleClass, 0);
    *RunInputByName(in, c.name) = c.value;
    const auto error = CheckRunInputs(in, VehicleClassFromRecord(c.recordClass));
    ASSERT_TRUE(error) << c.name << " = " << c.value << " must be rejected";
    EXPECT_EQ(error->input, c.input) << c.name << " = " << c.value;
    EXPECT_EQ(error->problem, c.problem) << c.name << " = " << c.value;
  }
}

TEST(CheckRunInputs, AcceptsEdgesThatThePhysicsHandles) {
  struct Case {
    int vehicleClass;
    const char* name;
    double value;
  };
  const Case cases[] = {
      {1, "S0", 0.0},                // no drag at all
      {1, "dt0", 100.0 / 50e6},      // exactly 50 million steps
      {8, "Schub", 0.0},             // an unpowered rocket
      {3, "GasDichte", 0.0},         // vacuum balloon
      {2, "Iud", 0.0},               // rocket data are not checked for other classes
      {7, "Vwind", -5.0},
      {1, "V0", 0.0},
      {1, "Cx", 0.0},
      {1, "MassaStart", kMinStartMass},
      {7, "MassaStart", kMaxStartMass},
      {8, "AeroModel", 0.0},
      {1, "AeroModel", 2.0},
  };
  for (const Case& c : cases) {
    RunInputs in = PresetInputs(c.vehicleClass, 0);
    *RunInputByName(in, c.name) = c.value;
    EXPECT_FALSE(CheckRunInputs(in, VehicleClassFromRecord(c.vehicleClass)))
        << c.name << " = " << c.value;
  }
}

TEST(CheckRunInputs, RefusesAClassOutsideTheKnownOnes) {
  const RunInputs in = PresetInputs(1, 0);
  for (const int code : {-1, 0, 9, 100}) {
    const auto error = CheckRunInputs(in, static_cast<VehicleClass>(code));
    ASSERT_TRUE(error) << "class code " << code;
    EXPECT_EQ(error->input, "VehicleClass") << "class code " << code;
    EXPECT_EQ(error->problem, InputProblem::NoPhysicsForClass) << "class code " << code;
  }
}

TEST(VehicleClassFromRecord, OnlyWholeNumbersOneToEightNameAClass) {
  struct Case {
    double code;
    VehicleClass expected;
  };
  const Case cases[] = {
      {1.0, VehicleClass::Projectile}, {4.0, VehicleClass::Airship},
      {8.0, VehicleClass::Rocket},     {0.0, VehicleClass::None},
      {9.0, VehicleClass::None},       {2.5, VehicleClass::None},
      {7.999999, VehicleClass::None},  {-3.0, VehicleClass::None},
      {std::numeric_limits<double>::quiet_NaN(), VehicleClass::None},
      {std::numeric_limits<double>::infinity(), VehicleClass::None},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(VehicleClassFromRecord(c.code), c.expected) << "record value " << c.code;
  }
}

// A flight file checks each value alone; it must refuse what the run refuses for that
// value, and nothing the run would take.
TEST(CheckInputValue, AgreesWithTheRunOnEveryValueItJudgesAlone) {
  const double values[] = {-1.0, -0.0, 5e-324, 1e-300, 0.5, 1.0, 1.3, 1.5, 2.0, 3.0, 1e13,
                           std::numeric_limits<double>::infinity(), std::nan("")};
  const std::pair<int, int> presets[] = {{1, 0}, {3, 0}, {7, 0}, {8, 0}};
  for (const auto& [vehicleClass, item] : presets) {
    const auto cls = static_cast<VehicleClass>(vehicleClass);
    for (const char* name : kRunInputNames) {
      for (const double v : values) {
        RunInputs in = PresetInputs(vehicleClass, item);
        *RunInputByName(in, name) = v;
        const std::optional<InputError> run = CheckRunInputs(in, cls);
        const std::optional<InputError> alone = CheckInputValue(name, v, cls);
        const bool together = run && (run->problem == InputProblem::TooManySteps ||
                                      run->problem == InputProblem::PropellantNotBelowMass);
        const std::string where = std::to_string(vehicleClass) + ":" + std::to_string(item) + " " +
                                  name + " = " + std::to_string(v);
        if (alone) {
          ASSERT_TRUE(run) << where << ": refused alone, run by the run";
          if (!together) {
            EXPECT_EQ(run->input, name) << where;
          }
        }
        if (run && !together && run->input == name) {
          ASSERT_TRUE(alone) << where << ": the run refuses it, the file would take it";
          EXPECT_EQ(alone->problem, run->problem) << where;
        }
      }
    }
  }
}

}  // namespace
}  // namespace zarv

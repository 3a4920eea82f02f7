#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "scenario/presets.h"
#include "texts/model_warning_texts.h"
#include "trust/model_warnings.h"

namespace zarv {
namespace {

using Codes = std::vector<ModelWarningCode>;
constexpr auto kFlat = ModelWarningCode::FlatEarth;
constexpr auto kAbove = ModelWarningCode::AboveAtmosphereTable;
constexpr auto kProbably = ModelWarningCode::StepProbablyCoarse;
constexpr auto kChecked = ModelWarningCode::StepTooCoarse;

Codes CodesOf(const std::vector<ModelWarning>& warnings) {
  Codes codes;
  for (const ModelWarning& w : warnings) codes.push_back(w.code);
  return codes;
}

// Each warning from its finding alone: the round Earth's change, the altitude, the step
// estimate, and the last check, which outweighs the estimate.
TEST(ModelWarnings, EachWarningHasItsCondition) {
  struct Case {
    const char* what;
    double roundRange;  // the round Earth's range for a flat range of 100 m; 0: no round run
    double altitude;    // m
    double estimate;    // the step estimate's error; < 0: none
    double checkedStep; // the last check's suggested step for a run at 0.01 s; 0: none
    Codes expected;
  };
  const Case cases[] = {
      {"round Earth 3 % further", 103.0, 1000.0, -1.0, 0.0, {kFlat}},
      {"round Earth 3 % shorter", 97.0, 1000.0, -1.0, 0.0, {kFlat}},
      {"round Earth 1.5 % further", 101.5, 1000.0, -1.0, 0.0, {}},
      {"above the table", 0.0, 1.5e6, -1.0, 0.0, {kAbove}},
      {"step probably 2 % off", 0.0, 1000.0, 0.02, 0.0, {kProbably}},
      {"step probably 0.5 % off", 0.0, 1000.0, 0.005, 0.0, {}},
      {"the check asks for less", 0.0, 1000.0, 0.02, 0.001, {kChecked}},
      {"the check vouches for more", 0.0, 1000.0, 0.02, 0.02, {}},
      {"all at once", 110.0, 1.5e6, 0.5, 0.0, {kFlat, kAbove, kProbably}},
  };
  for (const Case& c : cases) {
    RunFindings f;
    f.outcomes.range = 100.0;
    f.outcomes.peakAltitude = c.altitude;
    f.runStep = 0.01;
    if (c.roundRange > 0.0) {
      f.round = f.outcomes;
      f.round->range = c.roundRange;
    }
    if (c.estimate >= 0.0) f.step = StepEstimate{c.estimate, StepQuantity::Range, 0.02};
    StepCheck check;
    check.suggestedStep = c.checkedStep;
    if (c.checkedStep > 0.0) f.lastCheck = &check;
    EXPECT_EQ(CodesOf(ModelWarnings(f)), c.expected) << c.what;
  }
}

// A warning's number never reads as the number it is compared with.
TEST(ModelWarnings, NumbersNeverReadAsTheirThreshold) {
  ModelWarning flat{ModelWarningCode::FlatEarth, 0.0200004};
  flat.threshold = kFlatEarthThreshold;
  ModelWarning probably{ModelWarningCode::StepProbablyCoarse, 0.0100001};
  probably.threshold = kStepErrorThreshold;
  probably.runStep = 0.01;
  probably.step = 0.02;
  ModelWarning checked{ModelWarningCode::StepTooCoarse, 0.0999999};
  checked.runStep = 0.1;
  const std::regex percent(R"(([0-9.e+-]+) %, more than ([0-9.e+-]+) %)");
  const std::regex step(R"(at most ([0-9.e+-]+) s; this run took dt0 = ([0-9.e+-]+) s)");
  const std::pair<ModelWarning, const std::regex*> cases[] = {
      {flat, &percent}, {probably, &percent}, {checked, &step}};
  for (const auto& [warning, numbers] : cases) {
    const std::string text = DescribeModelWarning(warning, Language::English);
    std::smatch m;
    ASSERT_TRUE(std::regex_search(text, m, *numbers)) << text;
    EXPECT_NE(m[1].str(), m[2].str()) << text;
  }
}

// The warnings of whole runs, where the brief of each warning is tested: the flat Earth
// warns where the round Earth moves a result by more than 2 % (and only there), a plain
// Euler run warns where its step is off by more than 1 %, and a step twice as coarse that
// a glider cannot fly does not raise a false alarm.
TEST(ModelWarnings, PresetsWarnWhereTheModelOrTheStepIsOff) {
  struct Case {
    int vehicleClass, item;
    std::vector<std::pair<const char*, double>> sets;
    EarthModel earth;
    Integrator integrator;
    Codes expected;
  };
  const Case cases[] = {
      // V-2: the round Earth's apogee 3.6 % higher, the step 14 % off.
      {8, 0, {}, EarthModel::Flat, Integrator::Euler, {kFlat, kProbably}},
      {8, 0, {}, EarthModel::Round, Integrator::Euler, {kProbably}},
      {8, 0, {}, EarthModel::Flat, Integrator::Adaptive, {kFlat}},
      // Vostok: 32 g flat, 12 g round.
      {7, 0, {}, EarthModel::Flat, Integrator::Euler, {kFlat}},
      // Luna-16: 0.1 % from the round Earth, its step 2.6 % off.
      {7, 5, {}, EarthModel::Flat, Integrator::Euler, {kProbably}},
      // 18 km/s up for 5 s: 0.9 % from the round Earth.
      {1, 3, {}, EarthModel::Flat, Integrator::Euler, {}},
      // Unstable at twice its step, 0.4 % off at it.
      {5, 1, {}, EarthModel::Flat, Integrator::Euler, {}},
      {5, 3, {}, EarthModel::Flat, Integrator::Euler, {}},
      // A drag-free 3 km/s shot at 45 degrees: 7.6 % further over the round Earth.
      {1, 0, {{"V0", 3000.0}, {"Cx", 0.0}, {"Tk", 1000.0}}, EarthModel::Flat, Integrator::Euler,
       {kFlat}},
  };
  for (const Case& c : cases) {
    Scenario record;
    ASSERT_TRUE(ApplyPreset(record, c.vehicleClass, c.item));
    Calculation calculation;
    calculation.Load(record);
    for (const auto& [name, value] : c.sets) ASSERT_TRUE(calculation.Set(name, value));
    RunSettings settings;
    settings.earth = c.earth;
    settings.integrator = c.integrator;
    calculation.setSettings(settings);
    RunOutcomes outcomes;
    ASSERT_FALSE(RunForOutcomes(calculation, outcomes));
    const auto warnings = AssessRun(calculation, outcomes, nullptr);
    ASSERT_TRUE(warnings.has_value());
    std::string texts;
    for (const ModelWarning& w : *warnings) {
      texts += DescribeModelWarning(w, Language::English) + "\n";
    }
    EXPECT_EQ(CodesOf(*warnings), c.expected)
        << c.vehicleClass << ":" << c.item << " " << IntegratorName(c.integrator)
        << (c.earth == EarthModel::Round ? " round" : " flat") << "\n" << texts;
  }
}

}  // namespace
}  // namespace zarv

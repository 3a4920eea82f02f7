#include "trajectory/trajectory_run.h"

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "flight_model/constants.h"
#include "flight_model/drag_law.h"
#include "support/stored_file_compare.h"
#include "trajectory/balloon_envelope.h"
#include "trajectory/log_csv.h"
#include "trajectory/run_fixture.h"

namespace zarv {
namespace {

using testing::PresetRun;

TEST(TrajectoryRun, EveryPresetRunsAndEndsWithSlot500EqualToSlot499) {
  for (const PresetList& list : PresetLists()) {
    for (std::size_t item = 0; item < list.items.size(); ++item) {
      if (list.items[item].text[0] == '\0') continue;
      PresetRun r(list.vehicleClass, static_cast<int>(item));
      ASSERT_FALSE(r.Run()) << list.listName << " item " << item << " was rejected";
      for (int row = 0; row < kRecordedRows; ++row) {
        EXPECT_EQ(r.log->at(row, 500), r.log->at(row, 499))
            << list.listName << " item " << item << " row " << row;
        for (int j = 1; j <= 500; ++j) {
          ASSERT_TRUE(std::isfinite(r.log->at(row, j)))
              << list.listName << " item " << item << " row " << row << " slot " << j;
        }
      }
      for (int j = 1; j <= 500; ++j) {
        EXPECT_EQ(r.log->at(5, j), 0.0);
        EXPECT_EQ(r.log->at(18, j), 0.0);
        EXPECT_GE(r.log->at(row::kAltitude, j), 0.0) << "negative altitudes are stored as 0";
      }
    }
  }
}

TEST(TrajectoryRun, DragFreeProjectileFollowsTheParabola) {
  PresetRun r(1, 0);
  r.inputs.Cx = 0.0;
  r.inputs.H0 = 0.0;
  r.inputs.Hk = 0.0;
  r.inputs.dt0 = 0.0005;
  ASSERT_FALSE(r.Run());
  const double v0 = 100, theta = 45 / kDegreesPerRadian;
  const double range = v0 * v0 * std::sin(2 * theta) / kGravity;
  const double flight = 2 * v0 * std::sin(theta) / kGravity;
  const double peak = std::pow(v0 * std::sin(theta), 2) / (2 * kGravity);
  EXPECT_NEAR(r.run.summary().range, range, 0.002 * range);
  EXPECT_NEAR(r.run.summary().flightTime, flight, 0.002 * flight);
  EXPECT_NEAR(r.run.summary().peakAltitude, peak, 0.002 * peak);
}

TEST(TrajectoryRun, ParachuteSettlesAtItsTerminalSpeed) {
  PresetRun r(2, 0);
  ASSERT_FALSE(r.Run());
  // Last recorded sample near the ground: drag balances the weight.
  const double rho = r.log->at(row::kDensity, 499);
  const double terminal = std::sqrt(2 * 100 * kGravity / (rho * 0.8 * 36));
  EXPECT_NEAR(r.log->at(row::kVelocity, 499), terminal, 0.01 * terminal);
  EXPECT_NEAR(r.log->at(row::kLoadFactorX, 499), -1.0, 0.02) << "drag of one g";
}

TEST(TrajectoryRun, RocketBurnsUntilTheBurnTimeInclusive) {
  PresetRun r(8, 1);  // 10 kg model, 4 kg propellant, 500 N, 1200 N*s/kg
  r.inputs.dt0 = 0.5;   // long steps: the boundary step is easy to see
  r.inputs.Mt = 5.0;
  r.inputs.Schub = 100.0;
  r.inputs.Iud = 50.0;  // 2 kg/s, burn time 2.5 s: steps at t = 0, 0.5, ..., 2.5 burn
  r.inputs.Tk = 5.0;
  ASSERT_FALSE(r.Run());
  ASSERT_EQ(r.run.summary().samplesRecorded, 10) << "one sample per 0.5 s step";
  for (int j = 1; j <= 10; ++j) {
    const double tBefore = (j - 1) * 0.5;
    const bool burning = tBefore <= 2.5;
    const double burnt = 2.0 * 0.5 * std::min(j, 6);
    EXPECT_DOUBLE_EQ(r.log->at(row::kThrust, j), burning ? 100.0 : 0.0) << "sample " << j;
    EXPECT_DOUBLE_EQ(r.log->at(row::kMass, j), 10.0 - burnt) << "sample " << j;
  }
}

TEST(TrajectoryRun, BalloonLiftSwitchesAtTheFlightAltitude) {
  PresetRun r(3, 0);
  ASSERT_FALSE(r.Run());
  const double weight = 1000 * kGravity;
  const BalloonEnvelope envelope = ComputeBalloonEnvelope(1000, 0.085);
  EXPECT_NEAR(envelope.volume, 877.19, 0.01) << "gas volume carries the mass, not the weight";
  EXPECT_DOUBLE_EQ(r.inputs.S0, envelope.areaShown) << "the run keeps the shown area";
  bool reached = false;
  for (int j = 2; j <= 499; ++j) {
    const double lift = r.log->at(row::kLiftForce, j);
    const double t = r.log->at(row::kTime, j);  // s: 3500 s stay below the minute unit
    reached = reached || lift < weight * 1.005;
    if (!reached) {
      EXPECT_DOUBLE_EQ(lift, weight * 1.01) << "lift surplus before the flight altitude, slot " << j;
      EXPECT_EQ(r.log->at(row::kLiftLost, j), 0.0);
    } else {
      const double dt = r.inputs.dt0;
      const double lost = weight * (4.4 / 86400 / 1000 * envelope.surface * (t - dt)) / envelope.volume;
      EXPECT_NEAR(r.log->at(row::kLiftLost, j), lost, 1e-6 * weight) << "slot " << j;
      EXPECT_NEAR(lift, weight - r.log->at(row::kLiftLost, j), 1e-9 * weight);
    }
  }
  EXPECT_TRUE(reached);
  EXPECT_EQ(r.log->units.TimeUnit, 0);
  EXPECT_GT(r.run.summary().peakAltitude, 1000.0) << "climbs to its flight altitude";
  EXPECT_LT(r.run.summary().peakAltitude, 1200.0) << "and floats near it";
}

TEST(TrajectoryRun, OtherClassesShowNoLiftOfAnEarlierBalloonRun) {
  PresetRun balloon(3, 0);
  ASSERT_FALSE(balloon.Run());
  // Same calculation, as in the window.
  Scenario record;
  ApplyPreset(record, 2, 0);
  balloon.calculation.Load(record);
  ASSERT_FALSE(balloon.Run());
  for (int j = 1; j <= 500; ++j) {
    for (int row : {row::kLiftForce, row::kLiftForceCopy, row::kEnvelopeVolume, row::kLiftLost}) {
      ASSERT_EQ(balloon.log->at(row, j), 0.0) << "row " << row << " slot " << j;
    }
    ASSERT_DOUBLE_EQ(balloon.log->at(row::kLiftMinusWeight, j), -100 * kGravity);
  }
}

TEST(TrajectoryRun, ShortFlightRepeatsItsLastSampleInTheRemainingSlots) {
  PresetRun r(1, 0);
  r.inputs.dt0 = 0.5;  // about 29 steps
  ASSERT_FALSE(r.Run());
  const int n = r.run.summary().samplesRecorded;
  ASSERT_GT(n, 0);
  ASSERT_LT(n, 500);
  for (int row = 0; row < kRecordedRows; ++row) {
    for (int j = n + 1; j <= 500; ++j) {
      ASSERT_EQ(r.log->at(row, j), r.log->at(row, n)) << "row " << row << " slot " << j;
    }
  }
}

TEST(TrajectoryRun, StartBelowTheEndAltitudeStillTakesOneStep) {
  PresetRun r(1, 0);
  r.inputs.H0 = -10.0;
  ASSERT_FALSE(r.Run());
  EXPECT_EQ(r.run.summary().steps, 2) << "one step in each pass";
  EXPECT_EQ(r.run.summary().samplesRecorded, 1);
  EXPECT_DOUBLE_EQ(r.log->at(row::kTime, 500), r.inputs.dt0);
}

TEST(TrajectoryRun, SamplingSpansTheFlightForCoarseAndVeryFineSteps) {
  struct Case {
    double dt0;
    const char* why;
  };
  // 1e-5 s gives 20 000 steps per sample interval, finer than the fraction tolerance.
  const Case cases[] = {{0.01, "ordinary step"}, {0.00001, "very fine step"}};
  for (const Case& c : cases) {
    PresetRun r(1, 0);
    r.inputs.dt0 = c.dt0;
    r.inputs.Tk = 50;
    r.inputs.Hk = -1e9;  // ends by time
    ASSERT_FALSE(r.Run());
    const int n = r.run.summary().samplesRecorded;
    EXPECT_GE(n, 500) << c.why;
    EXPECT_LE(n, 502) << c.why << ": one sample per interval crossing, plus the first step";
    for (int j = 2; j <= 499; ++j) {
      EXPECT_NEAR(r.log->at(row::kTime, j) - r.log->at(row::kTime, j - 1), 0.1, c.dt0 + 1e-9)
          << c.why << ", slot " << j;
    }
    EXPECT_NEAR(r.log->at(row::kTime, 500), 49.8, 2 * c.dt0) << c.why << ": slot 500 repeats slot 499";
  }
}

TEST(TrajectoryRun, UnitFlagsRescaleWholeRows) {
  PresetRun v2(8, 0);
  ASSERT_FALSE(v2.Run());
  const UnitFlags& u = v2.log->units;
  EXPECT_EQ(u.AltitudeInKm, 1);
  EXPECT_EQ(u.RangeInKm, 1);
  EXPECT_EQ(u.VelocityInKm, 1);
  EXPECT_EQ(u.ThrustInKilo, 1);
  EXPECT_EQ(u.MassInKilo, 1);
  EXPECT_EQ(u.TimeUnit, 0);
  EXPECT_EQ(u.PressureUnit, 2) << "the last sample above 1 kPa is the fast fall near the ground";
  double peak = 0;
  for (int j = 1; j <= 500; ++j) peak = std::max(peak, v2.log->at(row::kAltitude, j));
  EXPECT_NEAR(peak, v2.run.summary().peakAltitude / 1000, v2.run.summary().peakAltitude / 1000 * 0.01)
      << "altitude row in km";
  EXPECT_DOUBLE_EQ(v2.log->at(row::kMass, 1), (12700 - 300000.0 / 2200 * 0.01) / 1000) << "mass in t";
  EXPECT_DOUBLE_EQ(v2.log->at(row::kThrust, 1), 300.0) << "thrust in kN";

  PresetRun ball(1, 2);  // a kicked football stays low and slow
  ASSERT_FALSE(ball.Run());
  EXPECT_EQ(ball.log->units.AltitudeInKm, 0);
  EXPECT_EQ(ball.log->units.PressureUnit, 0);
  EXPECT_GT(ball.log->at(row::kAltitude, 100), 1.0) << "metres stay metres";
}

TEST(TrajectoryRun, DragLawDrivesTheWorkingCxButNeverCy) {
  PresetRun v2(8, 0);
  v2.inputs.Cy = 0.2;
  ASSERT_FALSE(v2.Run());
  double lowest = 1, highest = 0;
  for (int j = 1; j <= 500; ++j) {
    const double cx = v2.log->at(row::kDragCoefficient, j);
    lowest = std::min(lowest, cx);
    highest = std::max(highest, cx);
    double law = -1.0;
    DragLaw(2, v2.log->at(row::kMach, j), law);
    ASSERT_EQ(cx, law) << "slot " << j << ": Cx is the A-4 law at the Mach number of its step";
    ASSERT_EQ(v2.log->at(row::kLiftCoefficient, j), 0.2);
  }
  EXPECT_LT(lowest, 0.29) << "the supersonic branch falls below the subsonic constant";
  EXPECT_GT(highest, 0.5) << "transonic peak of the A-4 law";
}

TEST(TrajectoryRun, ReentryHeatFluxFollowsTheNoseLaw) {
  PresetRun r(7, 0);
  ASSERT_FALSE(r.Run());
  int checked = 0;
  for (int j = 2; j <= 499; ++j) {
    const double rho = r.log->at(row::kDensity, j);
    const double flux = r.log->at(row::kHeatFlux, j);
    if (flux <= 0) continue;
    // Recorded velocity is after the step; the flux used the speed before it, so allow 3%.
    const double v = r.log->at(row::kVelocity, j) * (r.log->units.VelocityInKm ? 1000 : 1);
    const double expected = 223200 / std::sqrt(1.15) * std::sqrt(rho / 1.225) * std::pow(v / 8000, 3.22);
    EXPECT_NEAR(flux, expected, 0.03 * expected) << "slot " << j;
    ++checked;
  }
  EXPECT_GT(checked, 400);
}

TEST(TrajectoryRun, SecondPassFromStateCopiesEqualsAPlainSecondPass) {
  struct Case {
    int vehicleClass, item;
    double dt0, Tk, Hk;  // 0: the preset's own
    const char* why;
    Integrator integrator = Integrator::Euler;
  };
  std::vector<Case> cases;
  for (const PresetList& list : PresetLists()) {
    for (std::size_t item = 0; item < list.items.size(); ++item) {
      if (list.items[item].text[0] != '\0') {
        cases.push_back({list.vehicleClass, static_cast<int>(item), 0, 0, 0, "preset"});
      }
    }
  }
  // Ending by time at 0.01 s steps puts the flights around the thinning of the 4096 copies.
  const Case others[] = {
      {8, 0, 0.0005, 0, 0, "V-2 with a fine step"},
      {7, 5, 0.0005, 0, 0, "capsule with a fine step"},
      {1, 0, 0.00001, 0, 0, "1.4 million steps, copies thinned nine times"},
      {1, 0, 0.01, 0.05, -1e9, "five steps"},
      {1, 0, 0.01, 0.001, -1e9, "a flight time shorter than the step"},
      {1, 0, 0.5, 0, 0, "fewer steps than samples"},
      {8, 1, 0.5, 0, 0, "rocket with fewer steps than samples"},
      {1, 0, 0.01, 40.955, -1e9, "4096 steps"},
      {1, 0, 0.01, 40.965, -1e9, "4097 steps"},
      {1, 0, 0.01, 81.915, -1e9, "8192 steps"},
      {1, 0, 0.01, 81.925, -1e9, "8193 steps"},
      {1, 0, 0.01, 200.005, -1e9, "20001 steps"},
      // RK4 continues from copies that hold its switches and its derivative.
      {8, 0, 0, 0, 0, "V-2, RK4 across the burn-out", Integrator::Rk4},
      {3, 0, 0, 0, 0, "balloon, RK4 across the clamps and the flight altitude", Integrator::Rk4},
      {8, 2, 0.5, 0, 0, "rocket plane, RK4 with fewer steps than samples", Integrator::Rk4},
      {1, 0, 0.01, 81.925, -1e9, "8193 steps of RK4", Integrator::Rk4},
  };
  cases.insert(cases.end(), std::begin(others), std::end(others));

  for (const Case& c : cases) {
    PresetRun copies(c.vehicleClass, c.item), plain(c.vehicleClass, c.item);
    for (PresetRun* r : {&copies, &plain}) {
      r->calculation.setIntegrator(c.integrator);
      if (c.dt0 != 0) r->inputs.dt0 = c.dt0;
      if (c.Tk != 0) r->inputs.Tk = c.Tk;
      if (c.Hk != 0) r->inputs.Hk = c.Hk;
    }
    plain.run.SetStateCopies(false);
    ASSERT_FALSE(copies.Run());
    ASSERT_FALSE(plain.Run());
    const std::string name = std::to_string(c.vehicleClass) + ":" + std::to_string(c.item) +
                             " (" + c.why + "), " +
                             std::to_string(copies.run.summary().steps / 2) + " steps";
    // "stored" is the plain pass, "got" the pass from the copies.
    const std::string difference =
        testing::FirstLogDifference(FormatLogCsv(*plain.log), FormatLogCsv(*copies.log));
    EXPECT_TRUE(difference.empty()) << name << ": " << difference;
    const RunSummary& a = copies.run.summary();
    const RunSummary& b = plain.run.summary();
    EXPECT_EQ(a.samplesRecorded, b.samplesRecorded) << name;
    EXPECT_EQ(a.steps, b.steps) << name;
    EXPECT_EQ(a.flightTime, b.flightTime) << name;
    EXPECT_EQ(a.range, b.range) << name;
    EXPECT_EQ(copies.log->CurveList, plain.log->CurveList) << name;
    if (a.samplesRecorded >= kSampleCapacity) {
      // The last sample lies near the end: the plain pass integrated the flight again,
      // the other one mostly took the copies.
      EXPECT_GE(b.stepsComputed, 0.99 * b.steps) << name;
      EXPECT_LT(a.stepsComputed, 0.65 * a.steps) << name;
    }
  }
}

TEST(TrajectoryRun, RejectedInputChangesNothing) {
  PresetRun r(8, 0);
  ASSERT_FALSE(r.Run());
  const auto before = std::make_unique<TrajectoryLog>(*r.log);
  const RunInputs inputsBefore = r.inputs;
  r.inputs.dt0 = 0.0;
  const auto error = r.Run();
  ASSERT_TRUE(error);
  EXPECT_EQ(error->rejected.input, "dt0");
  for (int n = 1; n <= kLogElements; ++n) ASSERT_EQ(r.log->element(n), before->element(n));
  EXPECT_EQ(r.inputs.S0, inputsBefore.S0);
}

}  // namespace
}  // namespace zarv

#include <cmath>
#include <set>
#include <vector>

#include <gtest/gtest.h>

#include "study/study_design.h"
#include "study/study_runner.h"

namespace zarv {
namespace {

std::vector<double> Values(const Sweep& s) {
  std::vector<double> v;
  for (std::uint64_t i = 0; i < s.size(); ++i) v.push_back(s.Value(i));
  return v;
}

TEST(SweepText, ValuesOfEachForm) {
  struct Case {
    const char* text;
    const char* name;
    std::vector<double> values;
  };
  const Case cases[] = {
      {"Cx=0:1:11", "Cx", {0, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1}},
      {"V0=100:200:3", "V0", {100, 150, 200}},
      {"V0=200:100:2", "V0", {200, 100}},
      {"H0=5:9:1", "H0", {5}},
      {"dt0=0.1,0.05,0.01", "dt0", {0.1, 0.05, 0.01}},
      {"TTO=-45", "TTO", {-45}},
      {"S0=1e-3,2E2", "S0", {1e-3, 200}},
  };
  for (const Case& c : cases) {
    StudyError error{};
    const std::optional<Sweep> s = ParseSweep(c.text, error);
    ASSERT_TRUE(s) << c.text << " refused with problem " << static_cast<int>(error.problem);
    EXPECT_EQ(s->name(), c.name) << c.text;
    EXPECT_EQ(Values(*s), c.values) << c.text;
  }
}

TEST(SweepText, EndsAreExactForAwkwardSteps) {
  const Sweep s = Sweep::Range("x", 0.1, 0.7, 7);
  EXPECT_EQ(s.Value(0), 0.1);
  EXPECT_EQ(s.Value(6), 0.7);
  for (std::uint64_t i = 1; i < 7; ++i) EXPECT_LT(s.Value(i - 1), s.Value(i)) << i;
}

TEST(SweepText, ProblemsNameTheOffendingText) {
  struct Case {
    const char* text;
    StudyProblem problem;
    const char* offending;
  };
  const Case cases[] = {
      {"Cx", StudyProblem::NoEquals, "Cx"},
      {"=1:2:3", StudyProblem::NoName, "=1:2:3"},
      {"Cx=", StudyProblem::EmptyList, "Cx="},
      {"Cx=1,,2", StudyProblem::EmptyList, "Cx=1,,2"},
      {"Cx=1,x", StudyProblem::NotANumber, "x"},
      {"Cx=0;5", StudyProblem::NotANumber, "0;5"},
      {"Cx=a:2:3", StudyProblem::NotANumber, "a"},
      {"Cx=1:2,5:3", StudyProblem::NotANumber, "2,5"},
      {"Cx=1:inf:3", StudyProblem::NotANumber, "inf"},
      {"Cx=1:2:0", StudyProblem::BadCount, "0"},
      {"Cx=1:2:2.5", StudyProblem::BadCount, "2.5"},
      {"Cx=1:2:-3", StudyProblem::BadCount, "-3"},
      {"Cx=1:2", StudyProblem::BadCount, "Cx=1:2"},
      {"Cx=1:2:3:4", StudyProblem::BadCount, "Cx=1:2:3:4"},
  };
  for (const Case& c : cases) {
    StudyError error{};
    EXPECT_FALSE(ParseSweep(c.text, error)) << c.text << " was accepted";
    EXPECT_EQ(error.problem, c.problem) << c.text;
    EXPECT_EQ(error.text, c.offending) << c.text;
  }
}

TEST(SweepGrid, FirstSweepIsOutermost) {
  std::vector<Sweep> sweeps;
  sweeps.push_back(Sweep::List("a", {1, 2}));
  sweeps.push_back(Sweep::Range("b", 10, 30, 3));
  StudyError error{};
  const auto grid = MakeSweepGrid(std::move(sweeps), error);
  ASSERT_TRUE(grid);
  ASSERT_EQ(grid->caseCount(), 6u);
  EXPECT_EQ(grid->names(), (std::vector<std::string>{"a", "b"}));
  const double expected[6][2] = {{1, 10}, {1, 20}, {1, 30}, {2, 10}, {2, 20}, {2, 30}};
  for (std::uint64_t k = 0; k < 6; ++k) {
    double v[2];
    grid->Inputs(k, v);
    EXPECT_EQ(v[0], expected[k][0]) << "case " << k;
    EXPECT_EQ(v[1], expected[k][1]) << "case " << k;
  }
  EXPECT_NE(grid->Describe().find("first input outermost: a (2), b (3)"), std::string::npos)
      << grid->Describe();
}

TEST(SweepGrid, RefusesRepeatsAndUncountableGrids) {
  StudyError error{};
  std::vector<Sweep> twice;
  twice.push_back(Sweep::List("a", {1}));
  twice.push_back(Sweep::List("a", {2}));
  EXPECT_FALSE(MakeSweepGrid(std::move(twice), error));
  EXPECT_EQ(error.problem, StudyProblem::RepeatedName);

  std::vector<Sweep> huge;
  for (const char* n : {"a", "b", "c"}) huge.push_back(Sweep::Range(n, 0, 1, 1ULL << 30));
  EXPECT_FALSE(MakeSweepGrid(std::move(huge), error));
  EXPECT_EQ(error.problem, StudyProblem::TooManyCases);
  EXPECT_EQ(error.text, "c");
}

TEST(VariationText, FormsAndProblems) {
  StudyError error{};
  const auto n = ParseVariation("Cx=normal:0.02", error);
  ASSERT_TRUE(n);
  EXPECT_EQ(n->distribution, Distribution::Normal);
  EXPECT_DOUBLE_EQ(n->SdAround(0.3), 0.02);
  const auto r = ParseVariation("MassaStart=normal:5%", error);
  ASSERT_TRUE(r);
  EXPECT_DOUBLE_EQ(r->SdAround(12000), 600);
  const auto u = ParseVariation("V0=uniform:-1:2.5", error);
  ASSERT_TRUE(u);
  EXPECT_EQ(u->distribution, Distribution::Uniform);
  EXPECT_EQ(u->lo, -1);
  EXPECT_EQ(u->hi, 2.5);

  struct Case {
    const char* text;
    StudyProblem problem;
    const char* offending;
  };
  const Case cases[] = {
      {"Cx", StudyProblem::NoEquals, "Cx"},
      {"=normal:1", StudyProblem::NoName, "=normal:1"},
      {"Cx=gauss:1", StudyProblem::UnknownDistribution, "gauss:1"},
      {"Cx=", StudyProblem::UnknownDistribution, "Cx="},
      {"Cx=normal:", StudyProblem::NotANumber, ""},
      {"Cx=normal:x%", StudyProblem::NotANumber, "x"},
      {"Cx=normal:-1", StudyProblem::NegativeSpread, "-1"},
      {"Cx=uniform:1", StudyProblem::UnknownDistribution, "Cx=uniform:1"},
      {"Cx=uniform:1:y", StudyProblem::NotANumber, "y"},
      {"Cx=uniform:2:1", StudyProblem::EmptyInterval, "2:1"},
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(ParseVariation(c.text, error)) << c.text << " was accepted";
    EXPECT_EQ(error.problem, c.problem) << c.text;
    EXPECT_EQ(error.text, c.offending) << c.text;
  }
}

std::unique_ptr<StudyDesign> TwoVariations(std::uint64_t count, std::uint64_t seed) {
  StudyError error{};
  std::vector<Variation> v{*ParseVariation("a=normal:10%", error),
                           *ParseVariation("b=uniform:2:4", error)};
  return MakeMonteCarlo(std::move(v), {50.0, 0.0}, count, seed, error);
}

TEST(MonteCarlo, CaseInputsDependOnSeedCaseAndVariableOnly) {
  const auto design = TwoVariations(1000, 7);
  const auto again = TwoVariations(5, 7);  // fewer cases: case 3 must not change
  const auto other = TwoVariations(1000, 8);
  double first[2], second[2], third[2];
  design->Inputs(3, first);
  design->Inputs(999, second);  // drawing another case in between changes nothing
  design->Inputs(3, second);
  again->Inputs(3, third);
  EXPECT_EQ(first[0], second[0]);
  EXPECT_EQ(first[1], second[1]);
  EXPECT_EQ(first[0], third[0]);
  EXPECT_EQ(first[1], third[1]);
  other->Inputs(3, third);
  EXPECT_NE(first[0], third[0]) << "another seed, the same draw";
  EXPECT_NE(first[1], third[1]);
}

TEST(MonteCarlo, DrawsFollowTheirDistributions) {
  constexpr std::uint64_t kCases = 40000;
  const auto design = TwoVariations(kCases, kDefaultSeed);
  double sumA = 0, sumA2 = 0, sumB = 0, lowB = 10, highB = -10, sumAB = 0;
  std::set<double> distinct;
  for (std::uint64_t k = 0; k < kCases; ++k) {
    double v[2];
    design->Inputs(k, v);
    sumA += v[0];
    sumA2 += v[0] * v[0];
    sumB += v[1];
    sumAB += (v[0] - 50.0) * (v[1] - 3.0);
    lowB = std::min(lowB, v[1]);
    highB = std::max(highB, v[1]);
    distinct.insert(v[0]);
  }
  const double n = kCases;
  const double meanA = sumA / n;
  const double sdA = std::sqrt(sumA2 / n - meanA * meanA);
  // Tolerances are about four standard errors.
  EXPECT_NEAR(meanA, 50.0, 4 * 5.0 / std::sqrt(n));
  EXPECT_NEAR(sdA, 5.0, 4 * 5.0 / std::sqrt(2 * n));
  EXPECT_NEAR(sumB / n, 3.0, 4 * 0.58 / std::sqrt(n));
  EXPECT_GE(lowB, 2.0);
  EXPECT_LE(highB, 4.0);
  EXPECT_LT(lowB, 2.001);
  EXPECT_GT(highB, 3.999);
  EXPECT_NEAR(sumAB / n / (5.0 * 0.577), 0.0, 4 / std::sqrt(n)) << "variables correlated";
  EXPECT_EQ(distinct.size(), kCases);
}

TEST(ShardText, IndexBelowCount) {
  StudyError error{};
  const auto s = ParseShard("2/4", error);
  ASSERT_TRUE(s);
  EXPECT_EQ(s->index, 2u);
  EXPECT_EQ(s->count, 4u);
  EXPECT_EQ(s->CasesOf(10), 2u);  // 2, 6
  EXPECT_EQ(s->CasesOf(11), 3u);  // 2, 6, 10
  EXPECT_EQ(s->CasesOf(2), 0u);
  for (const char* bad : {"4/4", "1/0", "1", "a/4", "1/4x", "-1/4", "/4"}) {
    EXPECT_FALSE(ParseShard(bad, error)) << bad;
    EXPECT_EQ(error.problem, StudyProblem::BadShard) << bad;
    EXPECT_EQ(error.text, bad);
  }
}

}  // namespace
}  // namespace zarv

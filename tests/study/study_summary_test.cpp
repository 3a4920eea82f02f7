#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "study/study_summary.h"

namespace zarv {
namespace {

CaseOutcome Finished(OutcomeKind kind, double first) {
  CaseOutcome o;
  o.kind = kind;
  o.values.fill(1.0);
  o.values[0] = first;
  return o;
}

TEST(Percentile, LinearBetweenOrderStatistics) {
  const std::vector<double> sorted = {1, 2, 4, 8, 16};  // positions 0..4
  struct Case {
    double p, expected;
  };
  const Case cases[] = {{0.0, 1}, {0.05, 1.2}, {0.25, 2}, {0.5, 4}, {0.6, 5.6},
                        {0.95, 14.4}, {1.0, 16}};
  for (const Case& c : cases) {
    EXPECT_NEAR(Percentile(sorted, c.p), c.expected, 1e-12) << "p = " << c.p;
  }
  EXPECT_EQ(Percentile(std::vector<double>{7}, 0.95), 7);
}

TEST(Summary, MatchesAHandComputedTable) {
  // Flight times 2, 4, 4, 4, 5, 5, 7, 9 (finished), in scrambled order, plus a rejected
  // and a diverged case whose numbers must not count.
  SummaryBuilder b;
  for (double t : {5.0, 4.0, 9.0, 2.0}) b.Add(Finished(OutcomeKind::Ground, t));
  for (double t : {4.0, 7.0, 4.0, 5.0}) b.Add(Finished(OutcomeKind::EndTime, t));
  CaseOutcome bad = Finished(OutcomeKind::Rejected, 1000.0);
  b.Add(bad);
  bad.kind = OutcomeKind::Diverged;
  b.Add(bad);
  b.Add(bad);
  const StudySummary s = b.Finish();

  EXPECT_EQ(s.counts[static_cast<int>(OutcomeKind::Ground)], 4u);
  EXPECT_EQ(s.counts[static_cast<int>(OutcomeKind::EndTime)], 4u);
  EXPECT_EQ(s.counts[static_cast<int>(OutcomeKind::Rejected)], 1u);
  EXPECT_EQ(s.counts[static_cast<int>(OutcomeKind::Diverged)], 2u);
  EXPECT_EQ(s.cases(), 11u);

  const ColumnStats& t = s.columns[0];
  EXPECT_EQ(t.count, 8u);
  EXPECT_DOUBLE_EQ(t.mean, 5.0);
  EXPECT_DOUBLE_EQ(t.sd, std::sqrt(32.0 / 7.0));  // squared deviations sum to 32
  EXPECT_EQ(t.min, 2);
  EXPECT_EQ(t.max, 9);
  EXPECT_DOUBLE_EQ(t.p5, 2.7);   // position 0.35 between 2 and 4
  EXPECT_DOUBLE_EQ(t.p50, 4.5);  // position 3.5 between 4 and 5
  EXPECT_DOUBLE_EQ(t.p95, 8.3);  // position 6.65 between 7 and 9

  const ColumnStats& same = s.columns[1];
  EXPECT_EQ(same.count, 8u);
  EXPECT_EQ(same.sd, 0.0);
  EXPECT_EQ(same.p95, 1.0);
}

TEST(Summary, LargeOffsetsKeepTheirSpread) {
  SummaryBuilder b;
  for (double d : {1.0, 2.0, 3.0}) b.Add(Finished(OutcomeKind::Ground, 1e9 + d));
  EXPECT_DOUBLE_EQ(b.Finish().columns[0].sd, 1.0);
}

TEST(Summary, MissingNumbersAndEmptyStudies) {
  SummaryBuilder b;
  CaseOutcome o = Finished(OutcomeKind::Ground, 3.0);
  o.values[2] = std::numeric_limits<double>::quiet_NaN();
  b.Add(o);
  const StudySummary s = b.Finish();
  EXPECT_EQ(s.columns[0].count, 1u);
  EXPECT_EQ(s.columns[0].sd, 0.0);
  EXPECT_EQ(s.columns[2].count, 0u);
  EXPECT_EQ(SummaryBuilder().Finish().columns[0].count, 0u);
}

// Past kExactValues values a column's percentiles come from the sketch: each must stay
// within the relative accuracy of the larger of the two order statistics it lies between.
TEST(Summary, LongStudiesKeepPercentilesWithinTheBound) {
  struct Case {
    const char* what;
    std::function<double(int)> value;  // of case i, scrambled order
  };
  const Case cases[] = {
      {"positive, narrow", [](int i) { return 1000.0 + (i * 7919 % 100003) / 100.0; }},
      {"both signs and zeros", [](int i) { return i % 11 == 0 ? 0.0 : std::sin(i * 0.37) * 500.0; }},
      {"six decades", [](int i) { return std::pow(10.0, -3.0 + 6.0 * (i * 7919 % 100003) / 100003.0); }},
      {"one value", [](int) { return 42.0; }},
  };
  constexpr int kCases = static_cast<int>(3 * kExactValues + 17);
  for (const Case& c : cases) {
    SummaryBuilder b;
    std::vector<double> values;
    for (int i = 0; i < kCases; ++i) {
      values.push_back(c.value(i));
      b.Add(Finished(OutcomeKind::Ground, values.back()));
    }
    const ColumnStats st = b.Finish().columns[0];
    std::sort(values.begin(), values.end());
    double sum = 0.0;
    for (double v : values) sum += v;
    EXPECT_EQ(st.count, values.size()) << c.what;
    EXPECT_EQ(st.min, values.front()) << c.what;
    EXPECT_EQ(st.max, values.back()) << c.what;
    EXPECT_NEAR(st.mean, sum / kCases, 1e-9 * std::abs(values.back())) << c.what;
    for (const auto& [p, got] : {std::pair{0.05, st.p5}, {0.5, st.p50}, {0.95, st.p95}}) {
      const auto lo = static_cast<std::size_t>(std::floor((kCases - 1) * p));
      const double bound = QuantileSketch::kRelativeAccuracy * 1.000001 *
                           std::max(std::abs(values[lo]), std::abs(values[lo + 1]));
      EXPECT_NEAR(got, Percentile(values, p), bound) << c.what << ", p = " << p;
    }
  }
}

}  // namespace
}  // namespace zarv

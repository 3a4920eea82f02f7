#include <cmath>
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

}  // namespace
}  // namespace zarv

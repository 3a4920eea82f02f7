#include <atomic>
#include <cmath>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fake_runner.h"
#include "study/study_runner.h"

namespace zarv {
namespace {

using testing::FakeFactory;

std::unique_ptr<StudyDesign> Grid(std::vector<double> a, std::vector<double> b) {
  std::vector<Sweep> sweeps;
  sweeps.push_back(Sweep::List("a", std::move(a)));
  sweeps.push_back(Sweep::List("b", std::move(b)));
  StudyError error{};
  return MakeSweepGrid(std::move(sweeps), error);
}

std::unique_ptr<StudyDesign> Dispersion(std::uint64_t count) {
  StudyError error{};
  std::vector<Variation> v{*ParseVariation("a=normal:20%", error),
                           *ParseVariation("b=uniform:0:8", error)};
  return MakeMonteCarlo(std::move(v), {4.0, 0.0}, count, 99, error);
}

StudyOptions Options(unsigned threads, std::size_t window = 0) {
  StudyOptions o;
  o.threads = threads;
  o.window = window;
  return o;
}

struct Table {
  std::string text;
  StudyResult result;
};

Table RunToText(const StudyDesign& design, StudyOptions options) {
  Table t;
  t.text = TableHead(design);
  t.result = RunStudy(design, FakeFactory(), options,
                      [&](const CaseRow& row) { AppendRow(t.text, row); });
  return t;
}

TEST(StudyRunner, SameTableForAnyThreadCount) {
  const auto design = Dispersion(3000);
  const Table one = RunToText(*design, Options(1));
  EXPECT_EQ(one.result.casesDone, 3000u);
  EXPECT_FALSE(one.result.cancelled);
  for (unsigned threads : {2u, 3u, 8u}) {
    // A tiny window makes the workers wait for each other and reorder a lot.
    const Table many = RunToText(*design, Options(threads, 3));
    EXPECT_EQ(many.result.threads, threads);
    EXPECT_EQ(many.text, one.text) << threads << " threads";
    EXPECT_EQ(many.result.summary.columns[1].mean, one.result.summary.columns[1].mean);
    EXPECT_EQ(many.result.summary.columns[1].p95, one.result.summary.columns[1].p95);
  }
}

TEST(StudyRunner, RowsOfTheGridInOrderWithTheirOutcomes) {
  const auto design = Grid({-1, 2, 13}, {3, 200});
  const Table t = RunToText(*design, Options(2));
  EXPECT_EQ(t.text,
            "# sweep grid, 6 cases, first input outermost: a (3), b (2)\n"
            "case,a,b,flight time [s],range [m],peak altitude [m],peak speed [m/s],"
            "peak |nx| [g],peak q [Pa],final speed [m/s],outcome,reason\n"
            "0,-1,3,,,,,,,,rejected,\"a negative, \"\"no flight\"\"\"\n"
            "1,-1,200,,,,,,,,rejected,\"a negative, \"\"no flight\"\"\"\n"
            "2,2,3,5,6,-1,1.4142135623730951,9,0.6666666666666666,0.30000000000000004,ground,\n"
            "3,2,200,,,,,,,,diverged,b too large\n"
            "4,13,3,,,,,,,,rejected,unlucky a\n"
            "5,13,200,,,,,,,,rejected,unlucky a\n");
  const StudySummary& s = t.result.summary;
  EXPECT_EQ(s.counts[static_cast<int>(OutcomeKind::Ground)], 1u);
  EXPECT_EQ(s.counts[static_cast<int>(OutcomeKind::Rejected)], 4u);
  EXPECT_EQ(s.counts[static_cast<int>(OutcomeKind::Diverged)], 1u);
  EXPECT_EQ(s.columns[0].count, 1u);
  EXPECT_EQ(s.columns[0].mean, 5.0);
}

TEST(StudyRunner, ShardsTakeEveryNthCase) {
  const auto design = Dispersion(10);
  std::vector<std::uint64_t> seen;
  StudyOptions options = Options(2);
  options.shard = {1, 3};
  const StudyResult r = RunStudy(*design, FakeFactory(), options,
                                 [&](const CaseRow& row) { seen.push_back(row.index); });
  EXPECT_EQ(seen, (std::vector<std::uint64_t>{1, 4, 7}));
  EXPECT_EQ(r.casesInShard, 3u);
}

TEST(StudyRunner, CancelKeepsEveryRowBelowTheFirstMissingOne) {
  const auto design = Dispersion(100000);
  std::atomic<bool> cancel{false};
  std::vector<std::uint64_t> seen;
  StudyOptions options = Options(4, 16);
  options.cancel = &cancel;
  const StudyResult r = RunStudy(*design, FakeFactory(), options,
                                 [&](const CaseRow& row) {
                                   seen.push_back(row.index);
                                   if (seen.size() == 50) cancel = true;
                                 });
  EXPECT_TRUE(r.cancelled);
  EXPECT_EQ(r.casesDone, seen.size());
  EXPECT_GE(seen.size(), 50u);
  EXPECT_LE(seen.size(), 50u + 16u + 4u) << "went on far past the cancel";
  for (std::size_t i = 0; i < seen.size(); ++i) ASSERT_EQ(seen[i], i) << "a gap in the rows";
}

TEST(StudyRunner, WorkersStayWithinTheWindow) {
  // Each case records how far it runs ahead of the rows handed out so far.
  constexpr std::size_t kWindow = 8;
  std::atomic<std::uint64_t> handedOut{0};
  std::atomic<std::uint64_t> furthestAhead{0};
  struct Probe : CaseRunner {
    std::atomic<std::uint64_t>* handedOut;
    std::atomic<std::uint64_t>* furthest;
    CaseOutcome Run(std::span<const CaseInput> in) override {
      const auto k = static_cast<std::uint64_t>(std::llround(in[0].value));
      const std::uint64_t ahead = k - handedOut->load();
      std::uint64_t f = furthest->load();
      while (ahead > f && !furthest->compare_exchange_weak(f, ahead)) {
      }
      return {};
    }
  };
  std::vector<Sweep> sweeps;
  sweeps.push_back(Sweep::Range("k", 0, 1999, 2000));
  StudyError error{};
  const auto design = MakeSweepGrid(std::move(sweeps), error);
  const CaseRunnerFactory factory = [&] {
    auto p = std::make_unique<Probe>();
    p->handedOut = &handedOut;
    p->furthest = &furthestAhead;
    return p;
  };
  const StudyResult r = RunStudy(*design, factory, Options(4, kWindow),
                                 [&](const CaseRow&) { ++handedOut; });
  EXPECT_EQ(r.casesDone, 2000u);
  // The sink may lag one row behind the window's own count.
  EXPECT_LE(furthestAhead.load(), kWindow);
}

TEST(StudyRunner, AFailingFactoryRejectsItsCasesAndProgressReportsTheEnd) {
  const auto design = Dispersion(5);
  std::vector<StudyProgress> progress;
  std::vector<OutcomeKind> kinds;
  StudyOptions options = Options(1);
  options.progress = [&](const StudyProgress& p) { progress.push_back(p); };
  const StudyResult r = RunStudy(
      *design, [] { return std::unique_ptr<CaseRunner>(); }, options,
      [&](const CaseRow& row) { kinds.push_back(row.outcome.kind); });
  EXPECT_EQ(r.casesDone, 5u);
  EXPECT_EQ(kinds, std::vector<OutcomeKind>(5, OutcomeKind::Rejected));
  ASSERT_FALSE(progress.empty());
  EXPECT_EQ(progress.back().done, 5u);
  EXPECT_EQ(progress.back().total, 5u);
  EXPECT_EQ(progress.back().secondsLeft, 0.0);
}

TEST(StudyRunner, ASinkFailureStopsTheStudy) {
  const auto design = Dispersion(100000);
  std::size_t rows = 0;
  EXPECT_THROW(RunStudy(*design, FakeFactory(), Options(3),
                        [&](const CaseRow&) {
                          if (++rows == 10) throw std::runtime_error("disk full");
                        }),
               std::runtime_error);
  EXPECT_EQ(rows, 10u);
}

}  // namespace
}  // namespace zarv

#include <fstream>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include "fake_runner.h"
#include "study/shard_merge.h"
#include "study/study_runner.h"
#include "support/scratch_dir.h"

namespace zarv {
namespace {

namespace fs = std::filesystem;
using ShardMerge = testing::ScratchDir;

std::unique_ptr<StudyDesign> Dispersion() {
  StudyError error{};
  std::vector<Variation> v{*ParseVariation("a=normal:4", error),
                           *ParseVariation("b=uniform:0:120", error)};
  return MakeMonteCarlo(std::move(v), {3.0, 0.0}, 501, 5, error);
}

std::string Study(const StudyDesign& design, Shard shard, unsigned threads,
                  StudySummary* summary = nullptr) {
  std::string text = TableHead(design);
  StudyOptions options;
  options.threads = threads;
  options.shard = shard;
  const StudyResult r = RunStudy(design, testing::FakeFactory(), options,
                                 [&](const CaseRow& row) { AppendRow(text, row); });
  if (summary) *summary = r.summary;
  return text;
}

void Write(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

TEST_F(ShardMerge, ShardsMergeIntoTheWholeStudy) {
  const auto design = Dispersion();
  StudySummary whole{};
  const std::string all = Study(*design, {}, 1, &whole);
  // Three shards, computed with different thread counts, given out of order.
  std::vector<fs::path> parts;
  for (std::uint64_t i : {2u, 0u, 1u}) {
    parts.push_back(dir_ / ("part" + std::to_string(i) + ".csv"));
    Write(parts.back(), Study(*design, {i, 3}, 1 + static_cast<unsigned>(i)));
  }
  std::ostringstream out;
  MergeResult result;
  const auto error = MergeShardTables(parts, out, result);
  ASSERT_FALSE(error) << error->text;
  EXPECT_EQ(out.str(), all);
  EXPECT_EQ(result.rows, 501u);
  EXPECT_EQ(result.summary.counts, whole.counts);
  EXPECT_GT(whole.counts[static_cast<int>(OutcomeKind::Diverged)], 0u) << "weak test data";
  EXPECT_GT(whole.counts[static_cast<int>(OutcomeKind::Rejected)], 0u) << "weak test data";
  for (int c = 0; c < kOutcomeColumns; ++c) {
    EXPECT_EQ(result.summary.columns[c].count, whole.columns[c].count) << c;
    EXPECT_EQ(result.summary.columns[c].mean, whole.columns[c].mean) << c;
    EXPECT_EQ(result.summary.columns[c].p5, whole.columns[c].p5) << c;
    EXPECT_EQ(result.summary.columns[c].max, whole.columns[c].max) << c;
  }
}

TEST_F(ShardMerge, RefusesTablesThatDoNotBelongTogether) {
  const auto design = Dispersion();
  const std::string part0 = Study(*design, {0, 2}, 1);
  const std::string part1 = Study(*design, {1, 2}, 1);
  const std::size_t firstRow = part1.find("\n1,") + 1;
  const std::size_t secondRow = part1.find('\n', firstRow) + 1;
  const std::string head = part1.substr(0, firstRow);
  const std::string row1 = part1.substr(firstRow, secondRow - firstRow);
  const std::string row3 = part1.substr(secondRow, part1.find('\n', secondRow) + 1 - secondRow);

  struct Case {
    const char* what;
    std::string second;  // the table merged after the first shard
    StudyProblem problem;
    const char* where;   // file and line of the problem
  };
  const Case cases[] = {
      {"the same shard twice", part0, StudyProblem::RepeatedIndex, "b.csv:3"},
      {"another seed", "# monte carlo, 501 cases, seed 6: a=normal:4 around 3, b=uniform:0:120\n" +
                           part1.substr(part1.find('\n') + 1),
       StudyProblem::HeaderMismatch, "b.csv:2"},
      {"no header", "1,2,3\n", StudyProblem::NotATable, "b.csv:1"},
      {"rows out of order", head + row3 + row1, StudyProblem::IndexOutOfOrder, "b.csv:4"},
      {"a short row", head + "1,2\n", StudyProblem::BadRow, "b.csv:3"},
      {"a row cut off by its writer", head + row1.substr(0, row1.size() - 4), StudyProblem::CutShort,
       "b.csv:3"},
      {"an unknown outcome", head + "1,2,3,,,,,,,,crashed,\n", StudyProblem::BadRow, "b.csv:3"},
      {"a finished row without a number",
       head + "1,2,3,x,1,1,1,1,1,1,ground,\n", StudyProblem::BadRow, "b.csv:3"},
  };
  Write(dir_ / "a.csv", part0);
  for (const Case& c : cases) {
    Write(dir_ / "b.csv", c.second);
    const std::vector<fs::path> parts = {dir_ / "a.csv", dir_ / "b.csv"};
    std::ostringstream out;
    MergeResult result;
    const auto error = MergeShardTables(parts, out, result);
    ASSERT_TRUE(error) << c.what << " was merged";
    EXPECT_EQ(error->problem, c.problem) << c.what;
    EXPECT_EQ(fs::path(error->text).filename().string(), c.where) << c.what;
  }
  const std::vector<fs::path> missing = {dir_ / "nothing.csv"};
  std::ostringstream out;
  MergeResult result;
  EXPECT_EQ(MergeShardTables(missing, out, result)->problem, StudyProblem::CannotRead);
}

TEST(StudyTable, RowsReadBackAsWritten) {
  CaseRow row{42, {0.1, -3e-300}, {}};
  row.outcome.values = {1.5, 2, 3, 4, 5, 6, 1.0 / 3.0};
  row.outcome.kind = OutcomeKind::EndTime;
  row.outcome.reason = "said \"so\", twice\nover";
  std::string text;
  AppendRow(text, row);
  text.pop_back();
  CaseRow back;
  ASSERT_TRUE(ParseRow(text, 2, back)) << text;
  EXPECT_EQ(back.index, 42u);
  EXPECT_EQ(back.inputs, row.inputs);
  EXPECT_EQ(back.outcome.values, row.outcome.values);
  EXPECT_EQ(back.outcome.kind, OutcomeKind::EndTime);
  EXPECT_EQ(back.outcome.reason, "said \"so\", twice over") << "a reason stays on its line";
  EXPECT_FALSE(ParseRow("42,0.1,\"open", 2, back));
}

}  // namespace
}  // namespace zarv

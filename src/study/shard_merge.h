#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <span>
#include <string>

#include "study/study_problem.h"
#include "study/study_summary.h"

namespace zarv {

struct MergeResult {
  std::uint64_t rows = 0;
  std::uint64_t cases = 0;   // the study's cases as its head states them; 0: it states none
  std::uint64_t missing = 0;  // cases of the study that no table holds
  std::string missingCases;   // the first of them, "3, 7, 11-20, ..."
  StudySummary summary;
};

// Merges shard tables of one study into `out`: the common head once, then every row in
// case order, and recomputes the summary. Each table must have the same head and rows in
// growing case order (as a shard writes them), each row ended by its newline; the tables
// are read side by side, so memory does not grow with the rows. A table a stopped study
// marked partial is taken as far as it goes. When cases are missing (a shard left out, cut
// short or stopped) the merged table ends with the partial mark and `result` says which;
// refusing it is the caller's. Returns the problem and where it is on failure; `out` then
// holds a partial table.
std::optional<StudyError> MergeShardTables(std::span<const std::filesystem::path> tables,
                                           std::ostream& out, MergeResult& result);

}  // namespace zarv

#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <span>

#include "study/study_problem.h"
#include "study/study_summary.h"

namespace zarv {

struct MergeResult {
  std::uint64_t rows = 0;
  StudySummary summary;
};

// Merges shard tables of one study into `out`: the common head once, then every row in
// case order, and recomputes the summary. Each table must have the same head and rows in
// growing case order (as a shard writes them); the tables are read side by side, so
// memory does not grow with the rows. Returns the problem and where it is on failure;
// `out` then holds a partial table.
std::optional<StudyError> MergeShardTables(std::span<const std::filesystem::path> tables,
                                           std::ostream& out, MergeResult& result);

}  // namespace zarv

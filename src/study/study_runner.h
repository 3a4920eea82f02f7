#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "study/case_runner.h"
#include "study/study_design.h"
#include "study/study_summary.h"
#include "study/study_table.h"

namespace zarv {

// Shard I of N: the cases k with k mod N = I.
struct Shard {
  std::uint64_t index = 0, count = 1;
  std::uint64_t CasesOf(std::uint64_t total) const {
    return index < total ? (total - index - 1) / count + 1 : 0;
  }
};
// Reads "I/N".
std::optional<Shard> ParseShard(std::string_view text, StudyError& error);

struct StudyProgress {
  std::uint64_t done = 0, total = 0;  // cases of this shard
  double rate = 0.0;                  // cases per second so far
  double secondsLeft = 0.0;           // at that rate
};

struct StudyOptions {
  unsigned threads = 0;  // 0: every core
  Shard shard;
  // Checked between cases; set it (from a signal handler, say) to stop the study.
  const std::atomic<bool>* cancel = nullptr;
  std::function<void(const StudyProgress&)> progress;  // from the calling thread
  double progressInterval = 0.25;                      // s between progress calls
  // Rows finished ahead of the next one to be handed out; 0: 32 per thread. Memory
  // stays within this many rows whatever the number of cases.
  std::size_t window = 0;
};

struct StudyResult {
  std::uint64_t casesDone = 0;    // rows handed to the sink, in case order
  std::uint64_t casesInShard = 0;
  bool cancelled = false;
  unsigned threads = 1;
  StudySummary summary;
};

// Called from the calling thread, in case order, once per row.
using RowSink = std::function<void(const CaseRow&)>;

// Runs the shard's cases on `threads` workers, each with its own runner from the
// factory, and hands the rows to `sink` in case order. The rows and the summary are the
// same for any thread count. A cancelled study ends after the cases in progress and
// keeps every row below the first case not run. An exception from the sink stops the
// workers and goes on to the caller.
StudyResult RunStudy(const StudyDesign& design, const CaseRunnerFactory& factory,
                     const StudyOptions& options, const RowSink& sink);

}  // namespace zarv

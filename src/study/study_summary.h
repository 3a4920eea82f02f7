#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "study/case_runner.h"

namespace zarv {

// Statistics of one outcome column over the finished cases (ground and end time).
// sd is the sample standard deviation (divisor n - 1; 0 for a single case). Percentiles
// interpolate linearly between order statistics: with the n values sorted, percentile p
// is at position (n - 1) * p, between the values on either side.
struct ColumnStats {
  std::uint64_t count = 0;
  double mean = 0.0, sd = 0.0, min = 0.0, p5 = 0.0, p50 = 0.0, p95 = 0.0, max = 0.0;
};

struct StudySummary {
  std::array<std::uint64_t, kOutcomeKinds> counts{};  // by OutcomeKind
  std::array<ColumnStats, kOutcomeColumns> columns{};
  std::uint64_t cases() const;
};

// Percentile p (0..1) of values sorted ascending; see ColumnStats.
double Percentile(std::span<const double> sorted, double p);

// Collects the outcomes of a study. It keeps one double per outcome column and finished
// case, which exact percentiles need; the rows themselves are not kept.
class SummaryBuilder {
 public:
  void Add(const CaseOutcome& outcome);
  StudySummary Finish();

 private:
  std::array<std::uint64_t, kOutcomeKinds> counts_{};
  std::array<std::vector<double>, kOutcomeColumns> values_;
};

}  // namespace zarv

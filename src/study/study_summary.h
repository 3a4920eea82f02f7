#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "study/case_runner.h"
#include "study/quantile_sketch.h"

namespace zarv {

// Statistics of one outcome column over the finished cases (ground and end time).
// sd is the sample standard deviation (divisor n - 1; 0 for a single case). Percentiles
// interpolate linearly between order statistics: with the n values sorted, percentile p
// is at position (n - 1) * p, between the values on either side. Up to kExactValues
// values they are exact; beyond, the two order statistics come from a QuantileSketch, so
// the percentile is within QuantileSketch::kRelativeAccuracy times the larger magnitude
// of the two of the exact one. min, max, mean and sd are always exact to rounding.
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

// Values of a column kept for exact percentiles; past them a column holds a sketch.
inline constexpr std::size_t kExactValues = 1 << 16;

// Collects the outcomes of a study in memory that does not grow past kExactValues
// values per column; the rows themselves are not kept.
class SummaryBuilder {
 public:
  void Add(const CaseOutcome& outcome);
  StudySummary Finish();

 private:
  struct Column {
    std::uint64_t count = 0;
    double sum = 0.0, mean = 0.0, squares = 0.0;  // running mean and squared deviations
    double min = 0.0, max = 0.0;
    std::vector<double> exact;
    bool sketched = false;
    QuantileSketch sketch;
    void Add(double x);
    ColumnStats Stats();
  };
  std::array<std::uint64_t, kOutcomeKinds> counts_{};
  std::array<Column, kOutcomeColumns> columns_;
};

}  // namespace zarv

#include "study/study_summary.h"

#include <algorithm>
#include <cmath>

namespace zarv {

std::uint64_t StudySummary::cases() const {
  std::uint64_t n = 0;
  for (std::uint64_t c : counts) n += c;
  return n;
}

double Percentile(std::span<const double> sorted, double p) {
  if (sorted.empty()) return 0.0;
  const double h = static_cast<double>(sorted.size() - 1) * p;
  const auto lo = static_cast<std::size_t>(std::floor(h));
  if (lo + 1 >= sorted.size()) return sorted.back();
  return sorted[lo] + (h - static_cast<double>(lo)) * (sorted[lo + 1] - sorted[lo]);
}

void SummaryBuilder::Column::Add(double x) {
  ++count;
  sum += x;
  // Welford: squares of deviations, not of values, so large offsets do not cancel.
  const double delta = x - mean;
  mean += delta / static_cast<double>(count);
  squares += delta * (x - mean);
  min = count == 1 ? x : std::min(min, x);
  max = count == 1 ? x : std::max(max, x);
  if (sketched) {
    sketch.Add(x);
    return;
  }
  if (exact.size() < kExactValues) {
    exact.push_back(x);
    return;
  }
  for (double v : exact) sketch.Add(v);
  sketch.Add(x);
  std::vector<double>().swap(exact);
  sketched = true;
}

ColumnStats SummaryBuilder::Column::Stats() {
  ColumnStats st;
  st.count = count;
  if (count == 0) return st;
  const auto n = static_cast<double>(count);
  st.mean = sum / n;
  st.sd = count > 1 ? std::sqrt(squares / (n - 1.0)) : 0.0;
  st.min = min;
  st.max = max;
  if (!sketched) {
    std::sort(exact.begin(), exact.end());
    st.p5 = Percentile(exact, 0.05);
    st.p50 = Percentile(exact, 0.50);
    st.p95 = Percentile(exact, 0.95);
    return st;
  }
  const auto at = [&](std::uint64_t rank) {
    if (rank == 0) return min;
    if (rank + 1 >= count) return max;
    return std::clamp(sketch.OrderStatistic(rank), min, max);
  };
  const auto percentile = [&](double p) {
    const double h = (n - 1.0) * p;
    const auto lo = static_cast<std::uint64_t>(std::floor(h));
    const double low = at(lo);
    return low + (h - static_cast<double>(lo)) * (at(lo + 1) - low);
  };
  st.p5 = percentile(0.05);
  st.p50 = percentile(0.50);
  st.p95 = percentile(0.95);
  return st;
}

void SummaryBuilder::Add(const CaseOutcome& outcome) {
  ++counts_[static_cast<int>(outcome.kind)];
  if (!Finished(outcome.kind)) return;
  for (int c = 0; c < kOutcomeColumns; ++c) {
    // A column the runner could not compute for this case stays out of its statistics.
    if (std::isfinite(outcome.values[c])) columns_[c].Add(outcome.values[c]);
  }
}

StudySummary SummaryBuilder::Finish() {
  StudySummary s;
  s.counts = counts_;
  for (int c = 0; c < kOutcomeColumns; ++c) s.columns[c] = columns_[c].Stats();
  return s;
}

}  // namespace zarv

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

void SummaryBuilder::Add(const CaseOutcome& outcome) {
  ++counts_[static_cast<int>(outcome.kind)];
  if (!Finished(outcome.kind)) return;
  for (int c = 0; c < kOutcomeColumns; ++c) {
    // A column the runner could not compute for this case stays out of its statistics.
    if (std::isfinite(outcome.values[c])) values_[c].push_back(outcome.values[c]);
  }
}

StudySummary SummaryBuilder::Finish() {
  StudySummary s;
  s.counts = counts_;
  for (int c = 0; c < kOutcomeColumns; ++c) {
    std::vector<double>& v = values_[c];
    ColumnStats& st = s.columns[c];
    st.count = v.size();
    if (v.empty()) continue;
    std::sort(v.begin(), v.end());
    double sum = 0.0;
    for (double x : v) sum += x;
    st.mean = sum / static_cast<double>(v.size());
    // Two passes: the squares of deviations, not of values, so large offsets do not cancel.
    double squares = 0.0;
    for (double x : v) squares += (x - st.mean) * (x - st.mean);
    st.sd = v.size() > 1 ? std::sqrt(squares / static_cast<double>(v.size() - 1)) : 0.0;
    st.min = v.front();
    st.max = v.back();
    st.p5 = Percentile(v, 0.05);
    st.p50 = Percentile(v, 0.50);
    st.p95 = Percentile(v, 0.95);
  }
  return s;
}

}  // namespace zarv

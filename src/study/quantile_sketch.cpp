#include "study/quantile_sketch.h"

#include <algorithm>
#include <cmath>

namespace zarv {
namespace {

constexpr double kGamma = (1.0 + QuantileSketch::kRelativeAccuracy) /
                          (1.0 - QuantileSketch::kRelativeAccuracy);
const double kLogGamma = std::log(kGamma);

}  // namespace

int QuantileSketch::Index(double magnitude) {
  return static_cast<int>(std::ceil(std::log(magnitude) / kLogGamma));
}

double QuantileSketch::Value(int index) {
  return 2.0 * std::exp(index * kLogGamma) / (kGamma + 1.0);
}

void QuantileSketch::Store::Add(int index) {
  ++total;
  if (counts.empty()) {
    low = index;
    counts.assign(1, 1);
    return;
  }
  const int high = std::max(low + static_cast<int>(counts.size()) - 1, index);
  // The smallest magnitudes give way when the span outgrows the counters.
  const int newLow = std::max(std::min(low, index), high - kMaxBuckets + 1);
  if (newLow != low || high >= low + static_cast<int>(counts.size())) {
    std::vector<std::uint64_t> grown(static_cast<std::size_t>(high - newLow + 1), 0);
    for (std::size_t j = 0; j < counts.size(); ++j) {
      const int at = std::max(low + static_cast<int>(j), newLow);
      grown[static_cast<std::size_t>(at - newLow)] += counts[j];
    }
    counts.swap(grown);
    low = newLow;
  }
  ++counts[static_cast<std::size_t>(std::max(index, low) - low)];
}

void QuantileSketch::Add(double value) {
  if (value > 0.0) {
    positive_.Add(Index(value));
  } else if (value < 0.0) {
    negative_.Add(Index(-value));
  } else {
    ++zeros_;
  }
}

double QuantileSketch::OrderStatistic(std::uint64_t rank) const {
  // Ascending: negatives from the largest magnitude down, zeros, positives up.
  if (rank < negative_.total) {
    for (std::size_t j = negative_.counts.size(); j-- > 0;) {
      if (rank < negative_.counts[j]) return -Value(negative_.low + static_cast<int>(j));
      rank -= negative_.counts[j];
    }
  }
  rank -= std::min(rank, negative_.total);
  if (rank < zeros_) return 0.0;
  rank -= zeros_;
  for (std::size_t j = 0; j < positive_.counts.size(); ++j) {
    if (rank < positive_.counts[j]) return Value(positive_.low + static_cast<int>(j));
    rank -= positive_.counts[j];
  }
  return positive_.counts.empty() ? 0.0
                                  : Value(positive_.low + static_cast<int>(positive_.counts.size()) - 1);
}

}  // namespace zarv

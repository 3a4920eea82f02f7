#pragma once

#include <cstdint>
#include <vector>

namespace zarv {

// Order statistics of many values in bounded memory: each value is counted in a bucket
// (γ^(i-1), γ^i] of its magnitude, γ = (1 + α) / (1 - α), and a bucket stands for the
// value 2γ^i / (γ + 1), which is within α (relative) of everything in it. So an order
// statistic comes back within α of the exact one, as long as its magnitude is less than
// γ^kMaxBuckets (about 1.3e7) times below the largest magnitude of its sign; smaller
// magnitudes are counted with the smallest bucket kept. Zero is counted exactly.
// At most 2 · kMaxBuckets counters whatever the number of values.
class QuantileSketch {
 public:
  static constexpr double kRelativeAccuracy = 1e-3;  // α
  static constexpr int kMaxBuckets = 8192;           // per sign

  void Add(double value);  // finite values only
  std::uint64_t count() const { return positive_.total + negative_.total + zeros_; }
  // The value of 0-based rank `rank` (< count()) in ascending order, within α.
  double OrderStatistic(std::uint64_t rank) const;

 private:
  // Counters of consecutive bucket indices from `low`.
  struct Store {
    int low = 0;
    std::vector<std::uint64_t> counts;
    std::uint64_t total = 0;
    void Add(int index);
  };
  static int Index(double magnitude);
  static double Value(int index);

  Store positive_, negative_;
  std::uint64_t zeros_ = 0;
};

}  // namespace zarv

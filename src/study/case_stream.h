#pragma once

#include <cstdint>

namespace zarv {

// Counter-based random numbers: each draw is a pure function of (seed, case, variable,
// draw), so a case gets the same inputs whatever thread or shard computes it.
class CaseStream {
 public:
  explicit CaseStream(std::uint64_t seed) : seed_(seed) {}

  // Uniform on the open interval (0, 1): never 0, so the logarithm below is safe.
  double Uniform(std::uint64_t caseIndex, std::uint32_t variable, std::uint32_t draw) const;
  // Standard normal by Box-Muller from draws 0 and 1 of the variable.
  double Normal(std::uint64_t caseIndex, std::uint32_t variable) const;

  std::uint64_t seed() const { return seed_; }

 private:
  std::uint64_t seed_;
};

inline constexpr std::uint64_t kDefaultSeed = 20240917;

// The SplitMix64 finaliser: a bijective mix of all 64 bits.
std::uint64_t Mix64(std::uint64_t z);

}  // namespace zarv

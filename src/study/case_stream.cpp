#include "study/case_stream.h"

#include <cmath>
#include <numbers>

namespace zarv {

std::uint64_t Mix64(std::uint64_t z) {
  z += 0x9e3779b97f4a7c15ULL;
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31);
}

double CaseStream::Uniform(std::uint64_t caseIndex, std::uint32_t variable,
                           std::uint32_t draw) const {
  // Each stage mixes fully, so neighbouring cases or variables share no bit patterns.
  std::uint64_t h = Mix64(seed_);
  h = Mix64(h ^ caseIndex);
  h = Mix64(h ^ ((static_cast<std::uint64_t>(variable) << 32) | draw));
  constexpr double kTwoToMinus53 = 1.0 / 9007199254740992.0;
  return (static_cast<double>(h >> 11) + 0.5) * kTwoToMinus53;
}

double CaseStream::Normal(std::uint64_t caseIndex, std::uint32_t variable) const {
  const double u1 = Uniform(caseIndex, variable, 0);
  const double u2 = Uniform(caseIndex, variable, 1);
  return std::sqrt(-2.0 * std::log(u1)) * std::cos(2.0 * std::numbers::pi * u2);
}

}  // namespace zarv

#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "study/case_stream.h"
#include "study/study_problem.h"
#include "study/sweep.h"
#include "study/variation.h"

namespace zarv {

// What a study varies: the inputs of case k (0-based) as a pure function of k.
class StudyDesign {
 public:
  virtual ~StudyDesign() = default;
  virtual std::uint64_t caseCount() const = 0;
  // The varied inputs, in table column order.
  const std::vector<std::string>& names() const { return names_; }
  // Writes names().size() values for case k.
  virtual void Inputs(std::uint64_t k, std::span<double> values) const = 0;
  // One line for the head of the table; shards of the same study give the same line.
  virtual std::string Describe() const = 0;

 protected:
  std::vector<std::string> names_;
};

// A grid of sweeps, the first one outermost. nullptr and `error` for an input swept twice
// or a grid too big to count.
std::unique_ptr<StudyDesign> MakeSweepGrid(std::vector<Sweep> sweeps, StudyError& error);

// `count` cases, each variation drawn around its base value (bases[i] for variations[i]).
std::unique_ptr<StudyDesign> MakeMonteCarlo(std::vector<Variation> variations,
                                            std::vector<double> bases, std::uint64_t count,
                                            std::uint64_t seed, StudyError& error);

}  // namespace zarv

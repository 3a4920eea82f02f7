#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "study/study_design.h"
#include "study/study_problem.h"
#include "trajectory/run_inputs.h"

namespace zarv {

// A study's design as zarv-run's words give it, for zarv-run and the Python module alike,
// so that case k is the same case in both.
struct WordsDesign {
  std::unique_ptr<StudyDesign> design;  // null when refused
  StudyError error{};                   // why, when a text was refused
  std::string unknownInput;             // or the name the design varies that is no input
  std::uint64_t firstSweepSize = 1;     // cases of the outermost sweep
};

// --sweep texts into a grid (the first outermost) or, without sweeps, --vary texts drawn
// `count` times with `seed` around the values of `inputs`.
WordsDesign DesignFromWords(std::span<const std::string> sweeps, std::span<const std::string> varies,
                            std::uint64_t count, std::uint64_t seed, const RunInputs& inputs);

}  // namespace zarv

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "study/study_problem.h"

namespace zarv {

// One swept input: N evenly spaced values FROM..TO (both ends included) or a list.
// The range form is not stored as values, so a long sweep costs no memory.
class Sweep {
 public:
  static Sweep Range(std::string name, double from, double to, std::uint64_t count);
  static Sweep List(std::string name, std::vector<double> values);

  const std::string& name() const { return name_; }
  std::uint64_t size() const { return list_.empty() ? count_ : list_.size(); }
  double Value(std::uint64_t i) const;

 private:
  std::string name_;
  double from_ = 0.0, to_ = 0.0;
  std::uint64_t count_ = 0;
  std::vector<double> list_;
};

// Reads "NAME=FROM:TO:N" or "NAME=V1,V2,...". On failure sets `error`.
std::optional<Sweep> ParseSweep(std::string_view text, StudyError& error);

// A finite double written with '.' and nothing after it.
bool ParseStudyNumber(std::string_view text, double& value);

}  // namespace zarv

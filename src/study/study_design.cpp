#include "study/study_design.h"

#include <limits>

#include "study/study_number.h"

namespace zarv {
namespace {

bool Repeated(const std::vector<std::string>& names, StudyError& error) {
  for (std::size_t i = 0; i < names.size(); ++i) {
    for (std::size_t j = 0; j < i; ++j) {
      if (names[i] == names[j]) {
        error = {StudyProblem::RepeatedName, names[i]};
        return true;
      }
    }
  }
  return false;
}

class SweepGrid : public StudyDesign {
 public:
  SweepGrid(std::vector<Sweep> sweeps, std::uint64_t count)
      : sweeps_(std::move(sweeps)), count_(count) {
    for (const Sweep& s : sweeps_) names_.push_back(s.name());
  }
  std::uint64_t caseCount() const override { return count_; }

  void Inputs(std::uint64_t k, std::span<double> values) const override {
    // Mixed radix, the last sweep the fastest digit.
    for (std::size_t i = sweeps_.size(); i-- > 0;) {
      const std::uint64_t n = sweeps_[i].size();
      values[i] = sweeps_[i].Value(k % n);
      k /= n;
    }
  }

  std::string Describe() const override {
    std::string line = "# sweep grid, " + std::to_string(count_) + " cases, first input outermost:";
    for (std::size_t i = 0; i < sweeps_.size(); ++i) {
      line += (i == 0 ? " " : ", ") + sweeps_[i].name() + " (" +
              std::to_string(sweeps_[i].size()) + ")";
    }
    return line;
  }

 private:
  std::vector<Sweep> sweeps_;
  std::uint64_t count_;
};

class MonteCarlo : public StudyDesign {
 public:
  MonteCarlo(std::vector<Variation> variations, std::vector<double> bases,
             std::uint64_t count, std::uint64_t seed)
      : variations_(std::move(variations)), bases_(std::move(bases)), count_(count),
        stream_(seed) {
    for (const Variation& v : variations_) names_.push_back(v.name);
  }
  std::uint64_t caseCount() const override { return count_; }

  void Inputs(std::uint64_t k, std::span<double> values) const override {
    for (std::size_t i = 0; i < variations_.size(); ++i) {
      const Variation& v = variations_[i];
      const auto id = static_cast<std::uint32_t>(i);
      values[i] = v.distribution == Distribution::Normal
                      ? bases_[i] + v.SdAround(bases_[i]) * stream_.Normal(k, id)
                      : v.lo + (v.hi - v.lo) * stream_.Uniform(k, id, 0);
    }
  }

  std::string Describe() const override {
    std::string line = "# monte carlo, " + std::to_string(count_) + " cases, seed " +
                       std::to_string(stream_.seed()) + ":";
    for (std::size_t i = 0; i < variations_.size(); ++i) {
      line += (i == 0 ? " " : ", ") + variations_[i].text;
      if (variations_[i].distribution == Distribution::Normal) {
        line += " around " + ShortestText(bases_[i]);
      }
    }
    return line;
  }

 private:
  std::vector<Variation> variations_;
  std::vector<double> bases_;
  std::uint64_t count_;
  CaseStream stream_;
};

}  // namespace

std::unique_ptr<StudyDesign> MakeSweepGrid(std::vector<Sweep> sweeps, StudyError& error) {
  std::vector<std::string> names;
  std::uint64_t count = 1;
  for (const Sweep& s : sweeps) {
    names.push_back(s.name());
    if (count > std::numeric_limits<std::uint64_t>::max() / s.size()) {
      error = {StudyProblem::TooManyCases, s.name()};
      return nullptr;
    }
    count *= s.size();
  }
  if (Repeated(names, error)) return nullptr;
  return std::make_unique<SweepGrid>(std::move(sweeps), count);
}

std::unique_ptr<StudyDesign> MakeMonteCarlo(std::vector<Variation> variations,
                                            std::vector<double> bases, std::uint64_t count,
                                            std::uint64_t seed, StudyError& error) {
  std::vector<std::string> names;
  for (const Variation& v : variations) names.push_back(v.name);
  if (Repeated(names, error)) return nullptr;
  return std::make_unique<MonteCarlo>(std::move(variations), std::move(bases), count, seed);
}

}  // namespace zarv

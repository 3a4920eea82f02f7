#include "study/variation.h"

#include "study/sweep.h"

namespace zarv {
namespace {

std::optional<Variation> Fail(StudyError& error, StudyProblem problem, std::string_view text) {
  error = {problem, std::string(text)};
  return std::nullopt;
}

constexpr std::string_view kNormal = "normal:";
constexpr std::string_view kUniform = "uniform:";

}  // namespace

std::optional<Variation> ParseVariation(std::string_view text, StudyError& error) {
  const std::size_t eq = text.find('=');
  if (eq == std::string_view::npos) return Fail(error, StudyProblem::NoEquals, text);
  Variation v;
  v.name = std::string(text.substr(0, eq));
  v.text = std::string(text);
  if (v.name.empty()) return Fail(error, StudyProblem::NoName, text);
  const std::string_view rest = text.substr(eq + 1);

  if (rest.starts_with(kNormal)) {
    std::string_view sd = rest.substr(kNormal.size());
    v.distribution = Distribution::Normal;
    if (sd.ends_with('%')) {
      v.relative = true;
      sd.remove_suffix(1);
    }
    if (!ParseStudyNumber(sd, v.spread)) return Fail(error, StudyProblem::NotANumber, sd);
    if (v.spread < 0.0) return Fail(error, StudyProblem::NegativeSpread, sd);
    return v;
  }
  if (rest.starts_with(kUniform)) {
    const std::string_view range = rest.substr(kUniform.size());
    const std::size_t colon = range.find(':');
    if (colon == std::string_view::npos) {
      return Fail(error, StudyProblem::UnknownDistribution, text);
    }
    v.distribution = Distribution::Uniform;
    if (!ParseStudyNumber(range.substr(0, colon), v.lo)) {
      return Fail(error, StudyProblem::NotANumber, range.substr(0, colon));
    }
    if (!ParseStudyNumber(range.substr(colon + 1), v.hi)) {
      return Fail(error, StudyProblem::NotANumber, range.substr(colon + 1));
    }
    if (v.lo > v.hi) return Fail(error, StudyProblem::EmptyInterval, range);
    return v;
  }
  return Fail(error, StudyProblem::UnknownDistribution, rest.empty() ? text : rest);
}

}  // namespace zarv

#include "study/sweep.h"

#include <charconv>
#include <cmath>

namespace zarv {

Sweep Sweep::Range(std::string name, double from, double to, std::uint64_t count) {
  Sweep s;
  s.name_ = std::move(name);
  s.from_ = from;
  s.to_ = to;
  s.count_ = count;
  return s;
}

Sweep Sweep::List(std::string name, std::vector<double> values) {
  Sweep s;
  s.name_ = std::move(name);
  s.list_ = std::move(values);
  return s;
}

double Sweep::Value(std::uint64_t i) const {
  if (!list_.empty()) return list_[i];
  if (i == 0) return from_;
  if (i + 1 == count_) return to_;  // the end exactly, whatever the rounding of the steps
  // i / (N - 1) first, so 0:1:11 gives 0.3 and not 0.30000000000000004.
  return from_ + (to_ - from_) * (static_cast<double>(i) / static_cast<double>(count_ - 1));
}

bool ParseStudyNumber(std::string_view text, double& value) {
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value);
  return !text.empty() && result.ec == std::errc() && result.ptr == end && std::isfinite(value);
}

namespace {

bool ParseCount(std::string_view text, std::uint64_t& count) {
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, count);
  return !text.empty() && result.ec == std::errc() && result.ptr == end && count >= 1;
}

std::optional<Sweep> Fail(StudyError& error, StudyProblem problem, std::string_view text) {
  error = {problem, std::string(text)};
  return std::nullopt;
}

}  // namespace

std::optional<Sweep> ParseSweep(std::string_view text, StudyError& error) {
  const std::size_t eq = text.find('=');
  if (eq == std::string_view::npos) return Fail(error, StudyProblem::NoEquals, text);
  const std::string_view name = text.substr(0, eq);
  const std::string_view rest = text.substr(eq + 1);
  if (name.empty()) return Fail(error, StudyProblem::NoName, text);
  if (rest.empty()) return Fail(error, StudyProblem::EmptyList, text);

  if (rest.find(':') != std::string_view::npos) {
    const std::size_t c1 = rest.find(':');
    const std::size_t c2 = rest.find(':', c1 + 1);
    if (c2 == std::string_view::npos || rest.find(':', c2 + 1) != std::string_view::npos) {
      return Fail(error, StudyProblem::BadCount, text);
    }
    double from = 0.0, to = 0.0;
    std::uint64_t count = 0;
    if (!ParseStudyNumber(rest.substr(0, c1), from)) {
      return Fail(error, StudyProblem::NotANumber, rest.substr(0, c1));
    }
    if (!ParseStudyNumber(rest.substr(c1 + 1, c2 - c1 - 1), to)) {
      return Fail(error, StudyProblem::NotANumber, rest.substr(c1 + 1, c2 - c1 - 1));
    }
    if (!ParseCount(rest.substr(c2 + 1), count)) {
      return Fail(error, StudyProblem::BadCount, rest.substr(c2 + 1));
    }
    return Sweep::Range(std::string(name), from, to, count);
  }

  std::vector<double> values;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = rest.find(',', start);
    const std::string_view item = rest.substr(start, comma - start);
    if (item.empty()) return Fail(error, StudyProblem::EmptyList, text);
    double v = 0.0;
    if (!ParseStudyNumber(item, v)) return Fail(error, StudyProblem::NotANumber, item);
    values.push_back(v);
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return Sweep::List(std::string(name), std::move(values));
}

}  // namespace zarv

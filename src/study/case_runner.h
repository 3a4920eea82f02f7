#pragma once

#include <array>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace zarv {

// How a case ended. Ground and EndTime are finished flights; the others are rows with a
// reason and no numbers.
enum class OutcomeKind { Ground, EndTime, Diverged, Rejected };
inline constexpr int kOutcomeKinds = 4;

// The words of the outcome column.
const char* OutcomeWord(OutcomeKind kind);
bool OutcomeFromWord(std::string_view word, OutcomeKind& kind);
inline bool Finished(OutcomeKind kind) {
  return kind == OutcomeKind::Ground || kind == OutcomeKind::EndTime;
}

// The numbers each case reports, in table order.
inline constexpr int kOutcomeColumns = 7;
struct CaseOutcome {
  // flight time s, range m, peak altitude m, peak speed m/s, peak |nx| g,
  // peak dynamic pressure Pa, final speed m/s
  std::array<double, kOutcomeColumns> values{};
  OutcomeKind kind = OutcomeKind::Ground;
  std::string reason;  // for diverged and rejected cases
};

// Column captions of the outcome numbers, with their units.
extern const std::array<const char*, kOutcomeColumns> kOutcomeColumnNames;

struct CaseInput {
  std::string_view name;
  double value;
};

// Runs one case. A runner belongs to one worker thread and may keep its run objects
// between cases, but a case's outcome must depend on its inputs only.
class CaseRunner {
 public:
  virtual ~CaseRunner() = default;
  virtual CaseOutcome Run(std::span<const CaseInput> inputs) = 0;
};

// Makes one runner per worker thread; called from the worker itself.
using CaseRunnerFactory = std::function<std::unique_ptr<CaseRunner>()>;

}  // namespace zarv

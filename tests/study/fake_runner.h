#pragma once

#include <cmath>
#include <limits>
#include <memory>
#include <stdexcept>
#include <string>

#include "study/case_runner.h"

namespace zarv::testing {

// A cheap closed-form stand-in for the run: inputs a and b (0 when absent).
// a < 0 is rejected, b > 100 diverges, a == 13 throws; otherwise the numbers are simple
// functions of a and b, and the flight ends on the ground when a + b < 10.
class FakeRunner : public CaseRunner {
 public:
  CaseOutcome Run(std::span<const CaseInput> inputs) override {
    double a = 0.0, b = 0.0;
    for (const CaseInput& in : inputs) {
      if (in.name == "a") a = in.value;
      if (in.name == "b") b = in.value;
    }
    if (a == 13.0) throw std::runtime_error("unlucky a");
    CaseOutcome o;
    if (a < 0.0) {
      o.kind = OutcomeKind::Rejected;
      o.reason = "a negative, \"no flight\"";
      o.values.fill(std::numeric_limits<double>::quiet_NaN());
      return o;
    }
    if (b > 100.0) {
      o.kind = OutcomeKind::Diverged;
      o.reason = "b too large";
      o.values.fill(std::numeric_limits<double>::quiet_NaN());
      return o;
    }
    o.kind = a + b < 10.0 ? OutcomeKind::Ground : OutcomeKind::EndTime;
    o.values = {a + b, a * b, a - b, std::sqrt(std::abs(a)), b * b, a / 3.0, 0.1 * b};
    return o;
  }
};

inline CaseRunnerFactory FakeFactory() {
  return [] { return std::make_unique<FakeRunner>(); };
}

}  // namespace zarv::testing

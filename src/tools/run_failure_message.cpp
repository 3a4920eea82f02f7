#include "tools/run_failure_message.h"

#include <cstdio>

#include "texts/input_names.h"
#include "texts/run_messages.h"
#include "tools/run_options.h"

namespace zarv {

int ReportRunFailure(const RunFailure& failure, const Calculation& calculation,
                     Language language, const std::string& context) {
  constexpr int kExitCancelled = 130;
  const VehicleClass cls = calculation.vehicleClass();
  std::string message;
  int status = kExitUsage;
  switch (failure.kind) {
    case RunFailure::Kind::Rejected:
      message = DescribeRejectedInput(failure.rejected, language, cls);
      break;
    case RunFailure::Kind::Diverged: {
      Divergence named = failure.diverged;
      for (std::string& input : named.inputs) input = NamedInputs(input, language, cls);
      message = DescribeDivergence(named, language);
      status = kExitDiverged;
      break;
    }
    case RunFailure::Kind::Cancelled:
      message = DescribeRunFailure(failure, language);
      status = kExitCancelled;
      break;
  }
  const std::string lead = context.empty() ? "" : context + ": ";
  std::fprintf(stderr, "zarv-run: %s%s\n", lead.c_str(), message.c_str());
  return status;
}

}  // namespace zarv

#include "tools/run_failure_message.h"

#include <cstdio>

#include "texts/input_names.h"
#include "tools/run_options.h"

namespace zarv {

int ReportRunFailure(const RunProblem& failure, const Calculation& calculation,
                     Language language, const std::string& context) {
  const std::string lead = context.empty() ? "" : context + ": ";
  std::fprintf(stderr, "zarv-run: %s%s\n", lead.c_str(),
               DescribeRejectedInput(failure, language, calculation.vehicleClass()).c_str());
  return kExitUsage;
}

}  // namespace zarv

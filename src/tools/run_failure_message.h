#pragma once

#include <string>

#include "scenario/calculation.h"
#include "texts/language.h"
#include "trust/run_outcomes.h"

namespace zarv {

// Prints why a run gave nothing ("zarv-run: [context: ]message"), naming inputs with their
// captions; returns the exit status (kExitUsage rejected, kExitDiverged diverged, 130
// cancelled).
int ReportRunFailure(const RunFailure& failure, const Calculation& calculation,
                     Language language, const std::string& context = {});

}  // namespace zarv

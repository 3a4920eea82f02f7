#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "texts/language.h"
#include "tools/run_options.h"

namespace zarv {

// What the command line asks of a study or a merge, as given.
struct StudyRequest {
  RunSettingChoices settings;  // --earth, --integrator, --rtol, --atol
  std::string preset, flight;
  std::vector<std::string> sets, sweeps, varies, merge;
  std::string monteCarlo, seed, threads, shard, out, chart, outcomes;
  bool allowPartial = false;
};

// True when the arguments hold an option that only a study or a merge takes.
bool IsStudyCommand(std::span<const std::string_view> args);

// Reads the arguments of a study or a merge. Returns the exit status, after printing why,
// when they cannot be run: an unknown option, a missing or empty value, an option given
// twice, or one that the form does not take or that lacks its partner.
std::optional<int> ParseStudyRequest(std::span<const std::string_view> args, Language language,
                                     StudyRequest& request);

// Prints "zarv-run: what" and the study forms' usage to standard error; returns kExitUsage.
int StudyUsageError(const std::string& what);

}  // namespace zarv

#pragma once

#include <span>
#include <string_view>

namespace zarv {

// True when the arguments ask for a study (--sweep, --monte-carlo) or a merge.
bool IsStudyCommand(std::span<const std::string_view> args);

// Runs the study or the merge; returns the exit status (0, 1 file error, 2 usage,
// 130 stopped by Ctrl-C). argv0 is handed to Qt when a chart is drawn.
int RunStudyCommand(std::span<const std::string_view> args, char* argv0);

}  // namespace zarv

#pragma once

#include <span>
#include <string_view>

namespace zarv {

// Runs the study or the merge the arguments ask for (see IsStudyCommand in
// tools/study_options.h); returns the exit status (0, 1 file error, 2 usage, 128 + N when
// signal N stopped the study). argv0 is handed to Qt when a chart is drawn.
int RunStudyCommand(std::span<const std::string_view> args, char* argv0);

}  // namespace zarv

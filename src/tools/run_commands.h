#pragma once

#include "tools/run_options.h"

namespace zarv {

// Each command prints what it has to say and returns the exit status.

// Every non-empty preset line as CLASS:ITEM and its text.
int ListPresets(const RunOptions& options);

// The standard atmosphere at the altitude of --atmosphere.
int PrintAtmosphere(const RunOptions& options);

// One run of --preset: inputs set by --set, the result file, --csv and the --chart
// pictures with the --compare runs, the summary, the --check-step table and the model
// warnings. argv is the program's, for the chart painting.
int RunPreset(const RunOptions& options, char** argv);

// The runs with closed-form answers, as a table; kExitCheckFailed when one misses.
int PrintValidation(const RunOptions& options);

}  // namespace zarv

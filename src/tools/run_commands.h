#pragma once

#include "tools/run_options.h"

namespace zarv {

// Each command prints what it has to say and returns the exit status.

// Every non-empty preset line as CLASS:ITEM and its text.
int ListPresets();

// The standard atmosphere at the altitude of --atmosphere.
int PrintAtmosphere(const RunOptions& options);

// One run of --preset: inputs set by --set, the result file, --csv and the --chart
// pictures, then the summary. argv is the program's, for the chart painting.
int RunPreset(const RunOptions& options, char** argv);

}  // namespace zarv

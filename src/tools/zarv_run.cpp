// zarv-run: runs a preset without the windows, for scripts and machines without a display.
#include <string_view>
#include <vector>

#include "tools/run_commands.h"
#include "tools/run_options.h"
#include "tools/stop_signals.h"
#include "tools/study_command.h"
#include "tools/study_options.h"

namespace {

int Dispatch(const std::vector<std::string_view>& args, char** argv) {
  if (zarv::IsStudyCommand(args)) return zarv::RunStudyCommand(args, argv[0]);
  zarv::RunOptions options;
  if (const auto status = zarv::ParseRunOptions(args, options)) return *status;

  if (options.list) return zarv::ListPresets(options);
  if (options.validate) return zarv::PrintValidation(options);
  if (!options.atmosphere.empty()) return zarv::PrintAtmosphere(options);
  return zarv::RunPreset(options, argv);
}

}  // namespace

int main(int argc, char** argv) {
  zarv::NoteClosedPipes();
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  const int status = Dispatch(args, argv);
  // Every output is closed or cleaned up by now.
  if (zarv::ReaderGone()) zarv::EndAsReaderGone();
  return status;
}

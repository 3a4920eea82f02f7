#include "scenario/run_csv.h"

#include <algorithm>

#include "trajectory/log_csv.h"

namespace zarv {

std::string FormatRunCsv(const TrajectoryLog& log, const RunChoices& choices, const std::string& label) {
  std::string name = label;
  std::replace_if(name.begin(), name.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  const char* earth = choices.earth == EarthModel::Round ? "round" : "flat";
  return std::string("# earth model: ") + earth + "\n# run: " + name + "\n" + FormatLogCsv(log);
}

}  // namespace zarv

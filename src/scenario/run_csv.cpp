#include "scenario/run_csv.h"

#include <algorithm>

#include "trajectory/log_csv.h"

namespace zarv {

std::string FormatRunCsv(const TrajectoryLog& log, const std::string& label) {
  std::string name = label;
  std::replace_if(name.begin(), name.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  return LogCsvComments(log) + "# run: " + name + "\n" + FormatLogCsv(log);
}

}  // namespace zarv

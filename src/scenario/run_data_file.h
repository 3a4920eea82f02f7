#pragma once

#include <bitset>
#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <variant>

#include "trajectory/measured_flight.h"
#include "trajectory/run_data_problem.h"
#include "trajectory/trajectory_log.h"

namespace zarv {

// More than any flight file needs (a run's table is about 300 kB, a day's GPS track at
// 10 Hz some 30 MB); a device that never ends is refused instead of filling the memory.
inline constexpr std::size_t kMaxRunDataBytes = 64u << 20;  // bytes

// A run read back from the table that Save data and zarv-run --csv write.
struct RunFromFile {
  std::shared_ptr<const TrajectoryLog> log;
  std::bitset<kRecordedRows> rows;  // the rows it holds: its columns, less the rows of a
                                    // class's own physics that the run left at zero
  std::string label;                // from "# run:", empty without one; the log's settings
                                    // from "# earth model:" and "# integrator:"
};

using RunData = std::variant<RunDataProblem, RunFromFile, MeasuredFlight>;

// A run's table when its heading starts with "slot" (any of the 31 rows as
// "rowN name [unit]", at most 500 sample lines, time never going back; a shorter table
// holds its last sample to the end as a run does), a measured flight otherwise.
RunData ReadRunData(std::string_view text);

// The same from a file, read up to one byte past the most a flight file may have.
RunData ReadRunDataFile(const std::filesystem::path& path);

}  // namespace zarv

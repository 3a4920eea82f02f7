#pragma once

#include <filesystem>
#include <string>

#include "trajectory/trajectory_log.h"

namespace zarv {

inline constexpr const char* kResultFileName = "Zarv_500.txt";

// The whole content of the result file for a log (CRLF lines, '.' separator).
std::string FormatResultFile(const TrajectoryLog& log);

struct FileWriteResult {
  bool ok = false;
  std::filesystem::path path;  // the file that was (or should have been) replaced
  std::string reason;          // the system's reason when !ok
};

// Replaces `path` with `content`: written beside, then renamed over the old file, so a
// failure leaves the previous file whole.
FileWriteResult WriteFileReplacing(const std::filesystem::path& path, const std::string& content);

// Writes dir/Zarv_500.txt through WriteFileReplacing.
FileWriteResult WriteResultFile(const TrajectoryLog& log,
                                const std::filesystem::path& dir = ".");

}  // namespace zarv

#pragma once

#include <filesystem>
#include <string>

#include "trajectory/file_writer.h"
#include "trajectory/trajectory_log.h"

namespace zarv {

inline constexpr const char* kResultFileName = "Zarv_500.txt";

// The whole content of the result file for a log (CRLF lines, '.' separator). Its first
// line names the integrator unless it was Euler.
std::string FormatResultFile(const TrajectoryLog& log);

// The older name of WriteWholeFile, kept for callers not yet moved over.
inline FileWriteResult WriteFileReplacing(const std::filesystem::path& path,
                                          const std::string& content) {
  return WriteWholeFile(path, content);
}

// Writes dir/Zarv_500.txt through WriteWholeFile.
FileWriteResult WriteResultFile(const TrajectoryLog& log,
                                const std::filesystem::path& dir = ".");

}  // namespace zarv

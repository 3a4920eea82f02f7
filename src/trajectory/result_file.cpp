#include "trajectory/result_file.h"

#include <charconv>

namespace zarv {
namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr const char* kSeparator = "  ";
constexpr const char* kHeading = "    j      t       X,km      H,km     V      q     Q     Roh";

// Columns of a sample line: log row (-1: the slot number), minimum width, decimals.
struct Column {
  int row;
  int width;
  int decimals;
};
constexpr Column kColumns[] = {
    // row              width  decimals
    {-1,                6,     2},  // j
    {row::kTime,        8,     2},  // t
    {row::kRange,       6,     2},  // X
    {row::kAltitude,    5,     1},  // H
    {row::kVelocity,    5,     1},  // V
    {row::kDynamicPressure, 5, 1},  // q
    {row::kPathAngle,   5,     1},  // Q
    {row::kDensity,     9,     6},  // Roh
};

// Fixed-point text right-aligned in a minimum width, always with '.' (to_chars ignores
// the locale).
void AppendFixed(std::string& out, double value, int width, int decimals) {
  char buffer[400];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                    std::chars_format::fixed, decimals);
  const std::size_t length = static_cast<std::size_t>(result.ptr - buffer);
  if (length < static_cast<std::size_t>(width)) out.append(width - length, ' ');
  out.append(buffer, length);
}

}  // namespace

std::string FormatResultFile(const TrajectoryLog& log) {
  std::string out;
  out.reserve(64 * (kSampleCapacity + 3));
  // The first line is blank for Euler, as it always was; other integrators name themselves.
  out += " ";
  if (log.settings.integrator != Integrator::Euler) {
    out += "integrator: " + DescribeIntegration(log.settings);
  }
  out += kLineEnd;
  out += kHeading;
  out += kLineEnd;
  out += " ";
  out += kLineEnd;
  for (int j = 1; j <= kSampleCapacity; ++j) {
    for (const Column& c : kColumns) {
      out += kSeparator;
      AppendFixed(out, c.row < 0 ? static_cast<double>(j) : log.at(c.row, j), c.width, c.decimals);
    }
    out += kSeparator;
    out += kLineEnd;
  }
  return out;
}

FileWriteResult WriteResultFile(const TrajectoryLog& log, const std::filesystem::path& dir) {
  return WriteWholeFile(dir / kResultFileName, FormatResultFile(log));
}

}  // namespace zarv

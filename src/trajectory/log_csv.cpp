#include "trajectory/log_csv.h"

#include <charconv>
#include <system_error>

#include "trajectory/log_units.h"

namespace zarv {
namespace {

// Log rows by meaning, as the heading names them; their units follow the run's flags.
constexpr const char* kRowNames[kRecordedRows] = {
    "t",           "V",          "q",           "H",
    "theta",       "row5",       "row6",        "X",
    "lift-weight", "nx",         "ny",          "lift-weight",
    "lift",        "wind",       "heat flux",   "thrust",
    "mass",        "thrust/mass", "row18",      "envelope volume",
    "lift",        "drag force", "aerodynamic lift", "Cx",
    "Cy",          "Mach",       "T",           "p",
    "rho",         "Re/1000",    "lift lost",
};

std::vector<std::string_view> Split(std::string_view line, char separator) {
  std::vector<std::string_view> fields;
  for (std::size_t start = 0;;) {
    const std::size_t end = line.find(separator, start);
    fields.push_back(line.substr(start, end - start));
    if (end == std::string_view::npos) return fields;
    start = end + 1;
  }
}

}  // namespace

std::string LogCsvComments(const TrajectoryLog& log) {
  const RunSettings& settings = log.settings;
  std::string out = "# earth model: ";
  out += settings.earth == EarthModel::Round ? "round\n" : "flat\n";
  if (settings.integrator != Integrator::Euler) {
    out += "# integrator: " + DescribeIntegration(settings) + "\n";
  }
  return out;
}

std::string FormatLogCsv(const TrajectoryLog& log) {
  std::string out = "slot";
  for (int r = 0; r < kRecordedRows; ++r) {
    out += ",row" + std::to_string(r) + " " + kRowNames[r] + " [" + LogRowUnit(r, log.units) + "]";
  }
  out += "\n";
  for (int j = 1; j <= kSampleCapacity; ++j) {
    out += std::to_string(j);
    for (int r = 0; r < kRecordedRows; ++r) {
      char buffer[64];
      const auto result = std::to_chars(buffer, buffer + sizeof buffer, log.at(r, j));
      out += ',';
      out.append(buffer, result.ptr);
    }
    out += "\n";
  }
  return out;
}

std::optional<LogCsv> ParseLogCsv(std::string_view text, std::string& error) {
  LogCsv csv;
  std::size_t lineNumber = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos) {
      error = "line " + std::to_string(lineNumber + 1) + " does not end with a line feed";
      return std::nullopt;
    }
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end + 1);
    ++lineNumber;
    // Comment lines above the heading say how the log was made.
    if (csv.headings.empty() && line.starts_with('#')) continue;
    const std::vector<std::string_view> fields = Split(line, ',');
    if (csv.headings.empty()) {
      csv.headings.assign(fields.begin(), fields.end());
      continue;
    }
    if (fields.size() != csv.headings.size()) {
      error = "line " + std::to_string(lineNumber) + " has " + std::to_string(fields.size()) +
              " fields under " + std::to_string(csv.headings.size()) + " headings";
      return std::nullopt;
    }
    std::vector<double>& values = csv.rows.emplace_back(fields.size());
    for (std::size_t i = 0; i < fields.size(); ++i) {
      const char* last = fields[i].data() + fields[i].size();
      const auto result = std::from_chars(fields[i].data(), last, values[i]);
      if (result.ec != std::errc() || result.ptr != last || fields[i].empty()) {
        error = "line " + std::to_string(lineNumber) + ", " + csv.headings[i] + ": '" +
                std::string(fields[i]) + "' is not a number";
        return std::nullopt;
      }
    }
  }
  if (csv.headings.empty()) {
    error = "no heading";
    return std::nullopt;
  }
  return csv;
}

}  // namespace zarv

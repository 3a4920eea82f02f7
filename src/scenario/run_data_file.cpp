#include "scenario/run_data_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <vector>

#include "trajectory/log_units.h"
#include "trajectory/table_text.h"

namespace zarv {
namespace {

using Kind = RunDataProblem::Kind;

constexpr std::string_view kRunComment = "# run:";
constexpr std::string_view kEarthComment = "# earth model:";
constexpr std::string_view kIntegratorComment = "# integrator:";

std::string_view AfterPrefix(std::string_view line, std::string_view prefix) {
  line.remove_prefix(prefix.size());
  while (line.starts_with(' ')) line.remove_prefix(1);
  return line;
}

// "row3 H [km]": the row and the unit; false for a heading of another form.
bool ReadRowHeading(std::string_view heading, int& r, std::string_view& unit) {
  if (!heading.starts_with("row")) return false;
  const char* first = heading.data() + 3;
  const char* last = heading.data() + heading.size();
  const auto [end, ec] = std::from_chars(first, last, r);
  if (ec != std::errc() || end == first || end == last || *end != ' ') return false;
  const std::size_t open = heading.rfind('[');
  if (open == std::string_view::npos || !heading.ends_with(']')) {
    unit = {};
    return true;
  }
  unit = heading.substr(open + 1, heading.size() - open - 2);
  return true;
}

bool AllZero(const TrajectoryLog& log, int r) {
  const double* values = log.row(r);
  return std::all_of(values, values + kSampleCapacity, [](double v) { return v == 0.0; });
}

// The rows of a class's own physics (heat flux, thrust, buoyancy) hold zeros in a run of
// another class; those a file's run left at zero are not its rows.
void DropUnusedClassRows(const TrajectoryLog& log, std::bitset<kRecordedRows>& rows) {
  const auto drop = [&](std::initializer_list<int> group, std::initializer_list<int> evidence) {
    const bool used =
        std::any_of(evidence.begin(), evidence.end(), [&](int r) { return rows[r] && !AllZero(log, r); });
    if (!used)
      for (int r : group) rows.reset(static_cast<std::size_t>(r));
  };
  drop({row::kHeatFlux}, {row::kHeatFlux});
  drop({row::kThrust, row::kThrustPerMass}, {row::kThrust, row::kThrustPerMass});
  drop({row::kLiftMinusWeight, row::kLiftMinusWeightChart, row::kLiftForce, row::kEnvelopeVolume,
        row::kLiftForceCopy, row::kLiftLost},
       {row::kLiftForce, row::kEnvelopeVolume, row::kLiftForceCopy});
}

RunData ReadRunTable(const std::vector<TextLine>& lines, std::size_t headingIndex) {
  RunFromFile run;
  auto log = std::make_shared<TrajectoryLog>();
  for (std::size_t i = 0; i < headingIndex; ++i) {
    const std::string_view line = lines[i].text;
    if (line.starts_with(kRunComment)) run.label = std::string(AfterPrefix(line, kRunComment));
    if (line.starts_with(kEarthComment) && AfterPrefix(line, kEarthComment) == "round")
      log->settings.earth = EarthModel::Round;
    if (line.starts_with(kIntegratorComment)) {
      // "rk4", or "adaptive, rtol 1e-06, ...": the method is the first word.
      const std::string_view described = AfterPrefix(line, kIntegratorComment);
      if (const auto integrator = IntegratorFromName(described.substr(0, described.find(','))))
        log->settings.integrator = *integrator;
    }
  }
  const TextLine& heading = lines[headingIndex];
  const char separator = FieldSeparator(heading.text);
  const std::vector<std::string_view> headings = SplitFields(heading.text, separator);
  std::vector<int> rowOf(headings.size(), -1);
  for (std::size_t i = 1; i < headings.size(); ++i) {
    const int column = static_cast<int>(i) + 1;
    int r = 0;
    std::string_view unit;
    if (!ReadRowHeading(headings[i], r, unit) || r < 0 || r >= kRecordedRows) continue;
    if (unit.empty()) return ProblemAt(Kind::kNoUnit, heading.number, column, headings[i]);
    if (!SetLogRowUnit(r, unit, log->units)) {
      RunDataProblem problem = ProblemAt(Kind::kUnknownUnit, heading.number, column, headings[i], unit);
      problem.known = LogRowUnitChoices(r);
      return problem;
    }
    if (run.rows[static_cast<std::size_t>(r)])
      return ProblemAt(Kind::kSameQuantityTwice, heading.number, column, headings[i]);
    run.rows.set(static_cast<std::size_t>(r));
    rowOf[i] = r;
  }
  if (!run.rows[row::kTime]) return ProblemAt(Kind::kNoTimeColumn, heading.number, 0);

  int slot = 0;
  for (std::size_t k = headingIndex + 1; k < lines.size(); ++k) {
    const TextLine& line = lines[k];
    if (IsCommentOrBlank(line.text)) continue;
    const std::vector<std::string_view> fields = SplitFields(line.text, separator);
    if (fields.size() != headings.size()) {
      RunDataProblem problem = ProblemAt(Kind::kFieldCount, line.number, 0);
      problem.expected = static_cast<long long>(headings.size());
      problem.found = static_cast<long long>(fields.size());
      return problem;
    }
    if (++slot > kSampleCapacity) {
      RunDataProblem problem = ProblemAt(Kind::kTooManySamples, line.number, 0);
      problem.expected = kSampleCapacity;
      return problem;
    }
    for (std::size_t i = 0; i < fields.size(); ++i) {
      double value = 0.0;
      if (!ReadTableNumber(fields[i], separator, value)) {
        return ProblemAt(Kind::kNotANumber, line.number, static_cast<int>(i) + 1, headings[i], fields[i]);
      }
      if (rowOf[i] < 0) continue;
      if (rowOf[i] == row::kTime && slot > 1 && value < log->at(row::kTime, slot - 1)) {
        return ProblemAt(Kind::kTimeNotIncreasing, line.number, static_cast<int>(i) + 1, headings[i], fields[i]);
      }
      log->at(rowOf[i], slot) = value;
    }
  }
  if (slot == 0) return ProblemAt(Kind::kNoSamples, heading.number, 0);
  for (int r = 0; r < kRecordedRows; ++r)
    for (int j = slot + 1; j <= kSampleCapacity; ++j) log->at(r, j) = log->at(r, slot);
  DropUnusedClassRows(*log, run.rows);
  run.log = std::move(log);
  return run;
}

}  // namespace

RunData ReadRunData(std::string_view text) {
  if (text.size() > kMaxRunDataBytes) {
    RunDataProblem problem = ProblemAt(Kind::kTooLarge, 0, 0);
    problem.expected = static_cast<long long>(kMaxRunDataBytes);
    return problem;
  }
  const std::vector<TextLine> lines = SplitLines(text);
  const auto heading =
      std::find_if(lines.begin(), lines.end(), [](const TextLine& l) { return !IsCommentOrBlank(l.text); });
  if (heading == lines.end()) return ProblemAt(Kind::kEmpty, 0, 0);
  const std::vector<std::string_view> first = SplitFields(heading->text, FieldSeparator(heading->text));
  if (first.front() == "slot") return ReadRunTable(lines, static_cast<std::size_t>(heading - lines.begin()));
  MeasuredFlight flight;
  if (auto problem = ParseMeasuredFlight(text, flight)) return *problem;
  return flight;
}

RunData ReadRunDataFile(const std::filesystem::path& path) {
  const auto unreadable = [](int error) {
    RunDataProblem problem = ProblemAt(Kind::kUnreadable, 0, 0);
    problem.found = error;
    return problem;
  };
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return unreadable(errno);
  std::string text;
  char buffer[1 << 16];
  while (text.size() <= kMaxRunDataBytes) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int error = errno;
      ::close(fd);
      return unreadable(error);
    }
    if (n == 0) break;
    text.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return ReadRunData(text);
}

}  // namespace zarv

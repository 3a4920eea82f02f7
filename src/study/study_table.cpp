#include "study/study_table.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "study/study_number.h"
#include "study/sweep.h"

namespace zarv {
namespace {

void AppendField(std::string& out, std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
    out += text;
    return;
  }
  out += '"';
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

constexpr std::size_t kTrailingColumns = kOutcomeColumns + 2;  // numbers, outcome, reason
constexpr std::string_view kPartial = "# partial: ";

}  // namespace

std::string TableHeader(const std::vector<std::string>& inputNames) {
  std::string out = "case";
  for (const std::string& name : inputNames) {
    out += ',';
    AppendField(out, name);
  }
  for (const char* column : kOutcomeColumnNames) {
    out += ',';
    AppendField(out, column);
  }
  out += ",outcome,reason\n";
  return out;
}

std::string TableHead(const StudyDesign& design) {
  return design.Describe() + "\n" + TableHeader(design.names());
}

std::uint64_t CasesOfDescription(std::string_view line) {
  const std::size_t comma = line.find(", ");
  if (!line.starts_with("# ") || comma == std::string_view::npos) return 0;
  const char* start = line.data() + comma + 2;
  std::uint64_t cases = 0;
  const auto r = std::from_chars(start, line.data() + line.size(), cases);
  if (r.ec != std::errc() || !std::string_view(r.ptr, line.data() + line.size() - r.ptr).starts_with(" cases")) {
    return 0;
  }
  return cases;
}

std::string PartialMark(std::uint64_t rows, std::uint64_t cases) {
  return std::string(kPartial) + std::to_string(rows) + " of " + std::to_string(cases) + " cases\n";
}

bool IsPartialMark(std::string_view line) { return line.starts_with(kPartial); }

void AppendRow(std::string& out, const CaseRow& row) {
  out += std::to_string(row.index);
  for (double v : row.inputs) {
    out += ',';
    AppendShortest(out, v);
  }
  const bool finished = Finished(row.outcome.kind);
  for (double v : row.outcome.values) {
    out += ',';
    if (finished && std::isfinite(v)) AppendShortest(out, v);
  }
  out += ',';
  out += OutcomeWord(row.outcome.kind);
  out += ',';
  // One line per row, so tables can be read, split and merged line by line.
  std::string reason = row.outcome.reason;
  for (char& c : reason) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  AppendField(out, reason);
  out += '\n';
}

bool SplitCsvLine(std::string_view line, std::vector<std::string>& fields) {
  fields.clear();
  std::string field;
  std::size_t i = 0;
  while (true) {
    field.clear();
    if (i < line.size() && line[i] == '"') {
      ++i;
      while (true) {
        if (i >= line.size()) return false;  // no closing quote
        if (line[i] == '"') {
          if (i + 1 < line.size() && line[i + 1] == '"') {
            field += '"';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        field += line[i++];
      }
      if (i < line.size() && line[i] != ',') return false;
    } else {
      const std::size_t comma = line.find(',', i);
      const std::size_t end = comma == std::string_view::npos ? line.size() : comma;
      field.assign(line.substr(i, end - i));
      if (field.find('"') != std::string::npos) return false;
      i = end;
    }
    fields.push_back(field);
    if (i >= line.size()) return true;
    ++i;  // the comma
  }
}

long InputColumns(std::string_view header) {
  std::vector<std::string> fields;
  if (!SplitCsvLine(header, fields) || fields.size() < 1 + kTrailingColumns ||
      fields.front() != "case") {
    return -1;
  }
  const std::size_t inputs = fields.size() - 1 - kTrailingColumns;
  for (std::size_t c = 0; c < kOutcomeColumns; ++c) {
    if (fields[1 + inputs + c] != kOutcomeColumnNames[c]) return -1;
  }
  if (fields[fields.size() - 2] != "outcome" || fields.back() != "reason") return -1;
  return static_cast<long>(inputs);
}

bool ParseRow(std::string_view line, std::size_t inputCount, CaseRow& row) {
  std::vector<std::string> fields;
  if (!SplitCsvLine(line, fields) || fields.size() != 1 + inputCount + kTrailingColumns) {
    return false;
  }
  const std::string& index = fields[0];
  const auto r = std::from_chars(index.data(), index.data() + index.size(), row.index);
  if (index.empty() || r.ec != std::errc() || r.ptr != index.data() + index.size()) return false;
  row.inputs.resize(inputCount);
  for (std::size_t i = 0; i < inputCount; ++i) {
    if (!ParseStudyNumber(fields[1 + i], row.inputs[i])) return false;
  }
  if (!OutcomeFromWord(fields[fields.size() - 2], row.outcome.kind)) return false;
  const bool finished = Finished(row.outcome.kind);
  for (std::size_t c = 0; c < kOutcomeColumns; ++c) {
    const std::string& text = fields[1 + inputCount + c];
    double& v = row.outcome.values[c];
    if (text.empty()) {
      v = std::numeric_limits<double>::quiet_NaN();
    } else if (!finished || !ParseStudyNumber(text, v)) {
      return false;
    }
  }
  row.outcome.reason = fields.back();
  return true;
}

}  // namespace zarv

#pragma once

// Comparisons of a run with its stored, reviewed files that say what broke: the first line
// and column that differ, and both values.

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "trajectory/log_csv.h"

namespace zarv::testing {

// The lines of a text ending in `eol`; a last line without it keeps a marker as its last field.
inline std::vector<std::string> SplitLines(std::string_view text, std::string_view eol) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const std::size_t end = text.find(eol);
    if (end == std::string_view::npos) {
      lines.push_back(std::string(text) + " <no line end>");
      break;
    }
    lines.emplace_back(text.substr(0, end));
    text.remove_prefix(end + eol.size());
  }
  return lines;
}

// The first field where two tables differ, as "LINE, COLUMN: stored A, got B", or a
// difference in length; empty when they agree. `headings` names the columns, `lineName`
// the lines by index.
template <class Field, class Same, class Show, class LineName>
std::string FirstDifference(const std::vector<std::vector<Field>>& stored,
                            const std::vector<std::vector<Field>>& got,
                            const std::vector<std::string>& headings, Same same, Show show,
                            LineName lineName) {
  for (std::size_t i = 0; i < std::min(stored.size(), got.size()); ++i) {
    const std::vector<Field>& a = stored[i];
    const std::vector<Field>& b = got[i];
    for (std::size_t k = 0; k < std::max(a.size(), b.size()); ++k) {
      if (k < a.size() && k < b.size() && same(a[k], b[k])) continue;
      const std::string column =
          k < headings.size() ? headings[k] : "column " + std::to_string(k + 1);
      return lineName(i) + ", " + column + ": stored " + (k < a.size() ? show(a[k]) : "nothing") +
             ", got " + (k < b.size() ? show(b[k]) : "nothing");
    }
  }
  if (stored.size() != got.size()) {
    return "stored " + std::to_string(stored.size()) + " lines, got " +
           std::to_string(got.size());
  }
  return {};
}

inline std::string ShortestText(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

// Two logs in their CSV form, bit for bit: the headings first, as they carry the display
// units, then every value.
inline std::string FirstLogDifference(std::string_view storedText, std::string_view gotText) {
  std::string error;
  const std::optional<LogCsv> stored = ParseLogCsv(storedText, error);
  if (!stored) return "stored file unreadable: " + error;
  const std::optional<LogCsv> got = ParseLogCsv(gotText, error);
  if (!got) return "log unreadable: " + error;
  const auto sameText = [](const std::string& a, const std::string& b) { return a == b; };
  const auto quoted = [](const std::string& s) { return "'" + s + "'"; };
  using Lines = std::vector<std::vector<std::string>>;
  std::string difference =
      FirstDifference(Lines{stored->headings}, Lines{got->headings}, stored->headings, sameText,
                      quoted, [](std::size_t) { return std::string("heading"); });
  if (!difference.empty()) return difference;
  const auto sameBits = [](double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
  };
  const auto slot = [&](std::size_t i) { return "slot " + ShortestText(stored->rows[i][0]); };
  return FirstDifference(stored->rows, got->rows, stored->headings, sameBits, ShortestText, slot);
}

inline std::vector<std::string> Fields(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> fields;
  for (std::string field; in >> field;) fields.push_back(field);
  return fields;
}

// Two result files: the first differing number under its column heading, else the first
// line whose spacing differs.
inline std::string FirstResultFileDifference(std::string_view storedText,
                                             std::string_view gotText) {
  constexpr std::size_t kHeadingLine = 1;  // zero-based
  const std::vector<std::string> stored = SplitLines(storedText, "\r\n");
  const std::vector<std::string> got = SplitLines(gotText, "\r\n");
  std::vector<std::vector<std::string>> storedFields, gotFields;
  for (const std::string& line : stored) storedFields.push_back(Fields(line));
  for (const std::string& line : got) gotFields.push_back(Fields(line));
  const std::vector<std::string> headings =
      stored.size() > kHeadingLine ? storedFields[kHeadingLine] : std::vector<std::string>{};
  const auto lineName = [](std::size_t i) { return "line " + std::to_string(i + 1); };
  const std::string difference = FirstDifference(
      storedFields, gotFields, headings, [](const std::string& a, const std::string& b) { return a == b; },
      [](const std::string& s) { return s; }, lineName);
  if (!difference.empty()) return difference;
  for (std::size_t i = 0; i < stored.size(); ++i) {
    if (stored[i] != got[i]) return lineName(i) + ": stored '" + stored[i] + "', got '" + got[i] + "'";
  }
  return {};
}

}  // namespace zarv::testing

#include "trajectory/table_text.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace zarv {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view Trimmed(std::string_view field) {
  const std::size_t first = field.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return field.substr(first, field.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::vector<TextLine> SplitLines(std::string_view text) {
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  std::vector<TextLine> lines;
  int number = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back({++number, line});
  }
  return lines;
}

bool IsCommentOrBlank(std::string_view line) {
  const std::string_view trimmed = Trimmed(line);
  return trimmed.empty() || trimmed.front() == '#';
}

char FieldSeparator(std::string_view heading) {
  if (heading.find(';') != std::string_view::npos) return ';';
  if (heading.find('\t') != std::string_view::npos) return '\t';
  return ',';
}

std::vector<std::string_view> SplitFields(std::string_view line, char separator) {
  std::vector<std::string_view> fields;
  for (std::size_t start = 0;;) {
    const std::size_t end = line.find(separator, start);
    fields.push_back(Trimmed(line.substr(start, end - start)));
    if (end == std::string_view::npos) return fields;
    start = end + 1;
  }
}

bool ReadTableNumber(std::string_view field, char separator, double& value) {
  if (field.starts_with('+')) {
    field.remove_prefix(1);
    if (field.starts_with('-')) return false;
  }
  if (field.empty() || field.size() > 64) return false;
  char buffer[64];
  for (std::size_t i = 0; i < field.size(); ++i) {
    buffer[i] = field[i] == ',' && separator != ',' ? '.' : field[i];
  }
  const char* end = buffer + field.size();
  const auto result = std::from_chars(buffer, end, value);
  return result.ec == std::errc() && result.ptr == end && std::isfinite(value);
}

}  // namespace zarv

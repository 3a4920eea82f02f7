#include "texts/text_table.h"

#include <algorithm>

namespace zarv {
namespace {

// UTF-8 characters: every byte but the continuation bytes 10xxxxxx starts one.
std::size_t Characters(const std::string& text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

}  // namespace

std::string FormatTextTable(const std::vector<std::vector<std::string>>& rows) {
  std::vector<std::size_t> widths;
  for (const auto& row : rows) {
    if (widths.size() < row.size()) widths.resize(row.size(), 0);
    for (std::size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], Characters(row[i]));
  }
  std::string text;
  for (const auto& row : rows) {
    std::string line;
    for (std::size_t i = 0; i < row.size(); ++i) {
      const std::string padding(widths[i] - Characters(row[i]), ' ');
      if (i > 0) line += "  ";
      line += i == 0 ? row[i] + padding : padding + row[i];
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    text += line + "\n";
  }
  return text;
}

std::string WrapParagraph(const std::string& paragraph, std::size_t width) {
  std::string text, line;
  std::size_t start = 0;
  while (start < paragraph.size()) {
    std::size_t end = paragraph.find(' ', start);
    if (end == std::string::npos) end = paragraph.size();
    const std::string word = paragraph.substr(start, end - start);
    start = end + 1;
    if (word.empty()) continue;
    if (!line.empty() && Characters(line) + 1 + Characters(word) > width) {
      text += line + "\n";
      line.clear();
    }
    line += (line.empty() ? "" : " ") + word;
  }
  if (!line.empty()) text += line + "\n";
  return text;
}

}  // namespace zarv

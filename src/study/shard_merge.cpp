#include "study/shard_merge.h"

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "study/study_table.h"

namespace zarv {
namespace {

struct Table {
  std::filesystem::path path;
  std::ifstream in;
  std::uint64_t line = 0;
  bool has = false;  // `row` and `text` hold the next row
  CaseRow row;
  std::string text;
};

bool ReadLine(Table& t, std::string& text) {
  if (!std::getline(t.in, text)) return false;
  ++t.line;
  if (!text.empty() && text.back() == '\r') text.pop_back();
  return true;
}

std::string Where(const Table& t) { return t.path.string() + ":" + std::to_string(t.line); }

// Reads the table's next row, checking it follows the one before.
std::optional<StudyError> Advance(Table& t, std::size_t inputs) {
  const bool first = !t.has;
  const std::uint64_t previous = t.row.index;
  std::string text;
  while (ReadLine(t, text)) {
    if (text.empty()) continue;
    CaseRow row;
    if (!ParseRow(text, inputs, row)) return StudyError{StudyProblem::BadRow, Where(t)};
    if (!first && row.index <= previous) {
      return StudyError{StudyProblem::IndexOutOfOrder, Where(t)};
    }
    t.row = std::move(row);
    t.text = std::move(text);
    t.has = true;
    return std::nullopt;
  }
  t.has = false;
  return std::nullopt;
}

}  // namespace

std::optional<StudyError> MergeShardTables(std::span<const std::filesystem::path> paths,
                                           std::ostream& out, MergeResult& result) {
  result = {};
  std::vector<std::unique_ptr<Table>> tables;
  std::string head;
  std::size_t inputs = 0;
  for (const std::filesystem::path& path : paths) {
    auto t = std::make_unique<Table>();
    t->path = path;
    t->in.open(path, std::ios::binary);
    if (!t->in) return StudyError{StudyProblem::CannotRead, path.string()};
    // The head: an optional description line, then the header.
    std::string tableHead, line;
    while (ReadLine(*t, line) && line.starts_with('#')) tableHead += line + "\n";
    const long columns = InputColumns(line);
    if (columns < 0) return StudyError{StudyProblem::HeaderMismatch, Where(*t)};
    tableHead += line + "\n";
    if (tables.empty()) {
      head = tableHead;
      inputs = static_cast<std::size_t>(columns);
    } else if (tableHead != head) {
      return StudyError{StudyProblem::HeaderMismatch, Where(*t)};
    }
    if (auto error = Advance(*t, inputs)) return error;
    tables.push_back(std::move(t));
  }

  out << head;
  SummaryBuilder summary;
  bool any = false;
  std::uint64_t last = 0;
  while (true) {
    Table* next = nullptr;
    for (const auto& t : tables) {
      if (t->has && (next == nullptr || t->row.index < next->row.index)) next = t.get();
    }
    if (next == nullptr) break;
    if (any && next->row.index == last) {
      return StudyError{StudyProblem::RepeatedIndex, Where(*next)};
    }
    out << next->text << '\n';
    summary.Add(next->row.outcome);
    ++result.rows;
    last = next->row.index;
    any = true;
    if (auto error = Advance(*next, inputs)) return error;
  }
  result.summary = summary.Finish();
  return std::nullopt;
}

}  // namespace zarv

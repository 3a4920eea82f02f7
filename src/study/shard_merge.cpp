#include "study/shard_merge.h"

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "study/study_table.h"

namespace zarv {
namespace {

constexpr int kMissingListed = 10;  // ranges of missing cases named before "..."

struct Table {
  std::filesystem::path path;
  std::ifstream in;
  std::uint64_t line = 0;
  bool has = false;  // `row` and `text` hold the next row
  CaseRow row;
  std::string text;
};

// The next line without its end; false at the end of the table. `cut` tells a last line
// that has no newline, which the writer always puts.
bool ReadLine(Table& t, std::string& text, bool& cut) {
  if (!std::getline(t.in, text)) return false;
  ++t.line;
  cut = t.in.eof() && !text.empty();
  if (!text.empty() && text.back() == '\r') text.pop_back();
  return true;
}

std::string Where(const Table& t) {
  return t.line == 0 ? t.path.string() : t.path.string() + ":" + std::to_string(t.line);
}

// Reads the table's next row, checking it follows the one before and lies in the study.
std::optional<StudyError> Advance(Table& t, std::size_t inputs, std::uint64_t cases) {
  const bool first = !t.has;
  const std::uint64_t previous = t.row.index;
  std::string text;
  bool cut = false;
  while (ReadLine(t, text, cut)) {
    if (cut) return StudyError{StudyProblem::CutShort, Where(t)};
    if (text.empty() || IsPartialMark(text)) continue;
    CaseRow row;
    if (!ParseRow(text, inputs, row) || (cases != 0 && row.index >= cases)) {
      return StudyError{StudyProblem::BadRow, Where(t)};
    }
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

// Counts the cases from..to (inclusive) as missing and names the first ranges of them.
void Missing(MergeResult& result, std::uint64_t from, std::uint64_t to, int& listed) {
  result.missing += to - from + 1;
  std::string& text = result.missingCases;
  if (listed == kMissingListed) {
    text += ", ...";
    ++listed;
  }
  if (listed > kMissingListed) return;
  if (!text.empty()) text += ", ";
  text += std::to_string(from);
  if (to != from) {
    text += '-';
    text += std::to_string(to);
  }
  ++listed;
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
    bool cut = false, read = false;
    while ((read = ReadLine(*t, line, cut)) && !cut && line.starts_with('#')) {
      tableHead += line + "\n";
    }
    if (cut) return StudyError{StudyProblem::CutShort, Where(*t)};
    const long columns = read ? InputColumns(line) : -1;
    if (columns < 0) return StudyError{StudyProblem::NotATable, Where(*t)};
    tableHead += line + "\n";
    if (tables.empty()) {
      head = tableHead;
      inputs = static_cast<std::size_t>(columns);
      result.cases = CasesOfDescription(head.substr(0, head.find('\n')));
    } else if (tableHead != head) {
      return StudyError{StudyProblem::HeaderMismatch, Where(*t)};
    }
    if (auto error = Advance(*t, inputs, result.cases)) return error;
    tables.push_back(std::move(t));
  }

  out << head;
  SummaryBuilder summary;
  std::uint64_t expected = 0;  // the next case of the study
  int listed = 0;
  while (true) {
    Table* next = nullptr;
    for (const auto& t : tables) {
      if (t->has && (next == nullptr || t->row.index < next->row.index)) next = t.get();
    }
    if (next == nullptr) break;
    if (next->row.index < expected) return StudyError{StudyProblem::RepeatedIndex, Where(*next)};
    if (next->row.index > expected) Missing(result, expected, next->row.index - 1, listed);
    out << next->text << '\n';
    summary.Add(next->row.outcome);
    ++result.rows;
    expected = next->row.index + 1;
    if (auto error = Advance(*next, inputs, result.cases)) return error;
  }
  if (expected < result.cases) Missing(result, expected, result.cases - 1, listed);
  if (result.missing > 0) out << PartialMark(result.rows, result.rows + result.missing);
  result.summary = summary.Finish();
  return std::nullopt;
}

}  // namespace zarv

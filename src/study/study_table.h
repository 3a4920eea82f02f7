#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "study/case_runner.h"
#include "study/study_design.h"

namespace zarv {

// One case of a study as the table holds it.
struct CaseRow {
  std::uint64_t index = 0;
  std::vector<double> inputs;  // in the design's column order
  CaseOutcome outcome;
};

// The head of a study table: the design's description line, then the column header
// "case,<inputs>,<outcome numbers>,outcome,reason". Ends with a newline.
std::string TableHead(const StudyDesign& design);
std::string TableHeader(const std::vector<std::string>& inputNames);

// The case count a description line ("# monte carlo, 30 cases, ...") states; 0 when the
// line states none.
std::uint64_t CasesOfDescription(std::string_view line);

// The last line of a table that lacks cases it should hold (a study stopped before its
// end, a merge of some of the shards): "# partial: 75 of 100 cases". Ends with a newline.
std::string PartialMark(std::uint64_t rows, std::uint64_t cases);
bool IsPartialMark(std::string_view line);

// One CSV line: shortest round-trip numbers with '.', empty numbers for unfinished cases,
// the reason quoted when it needs it. Ends with a newline.
void AppendRow(std::string& out, const CaseRow& row);

// Splits a CSV line into fields (quotes as AppendRow writes them). False on a bad quote.
bool SplitCsvLine(std::string_view line, std::vector<std::string>& fields);

// Reads a line AppendRow wrote for a table with `inputCount` inputs.
bool ParseRow(std::string_view line, std::size_t inputCount, CaseRow& row);

// The number of input columns of a header line, or -1 when it is not a study header.
long InputColumns(std::string_view header);

}  // namespace zarv

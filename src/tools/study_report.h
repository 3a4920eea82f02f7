#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "study/study_problem.h"
#include "study/study_runner.h"
#include "texts/language.h"

namespace zarv {

// The message for a refused study text or table.
std::string DescribeStudyError(const StudyError& error, Language language);

// The keys --outcomes takes, in column order.
extern const char* const kOutcomeKeys[kOutcomeColumns];

// Counts per outcome kind and the statistics of each outcome column, as lines.
std::string FormatSummary(const StudySummary& summary, Language language);
void PrintSummary(std::FILE* out, const StudySummary& summary, Language language);

// The sweep table on stdout, row by row as the study hands them out.
class SweepTablePrinter {
 public:
  SweepTablePrinter(std::FILE* out, std::vector<std::string> inputs);
  void Row(const CaseRow& row);

 private:
  std::FILE* out_;
};

// A progress bar on a terminal: cases done, rate, time left.
void PrintProgress(std::FILE* out, const StudyProgress& p, Language language);

}  // namespace zarv

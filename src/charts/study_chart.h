#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include <QImage>

#include "study/case_runner.h"
#include "study/study_table.h"

namespace zarv {

// What a study chart shows: for a sweep each chosen outcome against the first swept
// input, one curve per combination of the other sweeps; for Monte Carlo a histogram of
// each chosen outcome and range against the first varied input.
struct StudyChartData {
  bool sweep = true;
  int language = 3;             // 1 ru, 2 de, 3 en
  std::string inputName;        // the first swept or varied input
  std::vector<std::string> inputNames;   // all of them, in table order
  std::vector<std::string> seriesNames;  // sweep: the other inputs' values of each curve
  std::uint64_t series = 1;     // sweep: cases k with the same k mod series form a curve
  std::vector<int> outcomes;    // outcome columns to draw
  std::vector<double> x;        // first input, per case in order
  std::vector<std::uint64_t> index;
  std::array<std::vector<double>, kOutcomeColumns> y;  // NaN for unfinished cases

  void Add(const CaseRow& row);
};

// The caption of an outcome column in a language (UTF-8).
const char* StudyOutcomeCaption(int column, int language);

// True for the picture formats WriteStudyChart can write.
bool StudyChartFormatKnown(const std::string& path);

// Panels of 560 x 300 pixels, two to a row.
QImage DrawStudyChart(const StudyChartData& data);

// Draws and saves; needs a QGuiApplication. On failure sets `error`.
bool WriteStudyChart(const StudyChartData& data, const std::string& path, std::string& error);

}  // namespace zarv

#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include <QByteArray>

#include "charts/chart_export.h"
#include "study/case_runner.h"
#include "study/study_table.h"
#include "texts/language.h"
#include "trajectory/file_writer.h"

class QPainter;

namespace zarv {

// What a study chart shows: for a sweep each chosen outcome against the first swept
// input, one curve per combination of the other sweeps; for Monte Carlo a histogram of
// each chosen outcome and range against the first varied input. It keeps the first
// kChartCases cases, so a long study charts in bounded memory (and a readable picture).
inline constexpr std::uint64_t kChartCases = 100000;

struct StudyChartData {
  bool sweep = true;
  Language language = Language::English;
  std::string inputName;        // the first swept or varied input
  std::vector<std::string> inputNames;   // all of them, in table order
  std::vector<std::string> seriesNames;  // sweep: the other inputs' values of each curve
  std::uint64_t series = 1;     // sweep: cases k with the same k mod series form a curve
  std::vector<int> outcomes;    // outcome columns to draw
  std::vector<double> x;        // first input, per case in order
  std::vector<std::uint64_t> index;
  std::array<std::vector<double>, kOutcomeColumns> y;  // NaN for unfinished cases
  std::uint64_t casesSeen = 0;  // added, kept or not

  void Add(const CaseRow& row);
};

// Panels of 560 x 300 pixels, two to a row.
QSize StudyChartSize(const StudyChartData& data);
void PaintStudyChart(QPainter& painter, const StudyChartData& data);

// The chart as a PNG, SVG or PDF file's bytes; needs a QGuiApplication.
QByteArray RenderStudyChart(const StudyChartData& data, ChartFileFormat format);

// Draws and writes through the file writer; the format from the name's extension (the
// caller checks it with ChartFormatOfFileName).
FileWriteResult WriteStudyChart(const StudyChartData& data, const std::string& path);

}  // namespace zarv

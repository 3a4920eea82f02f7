#pragma once

#include <optional>
#include <vector>

#include <QColor>
#include <QLocale>
#include <QRect>
#include <QString>

class QPainter;

namespace zarv {

struct ChartView;

// One curve's value under the pointer.
struct ReadoutValue {
  int row = 0;
  QString caption;  // as on its axis, e.g. "H,km"
  QString unit;     // the part after the comma, e.g. "km"; empty for a plain number
  std::optional<double> value;  // none where the run has no sample at that abscissa
};

struct ReadoutRun {
  QString label;
  QRgb colour = 0xFF000000;
  std::vector<ReadoutValue> values;  // in the curve order of the chart
};

// What the chart shows at one abscissa, for every run shown (the current run first).
struct ChartReadout {
  bool inside = false;  // the pointer is over the plot
  int x = 0;            // pixel column of the pointer
  int plotTop = 0, plotBottom = 0;  // px, the vertical line's extent
  int plotLeft = 0, plotRight = 0;  // px, where the box may go without covering the axes
  QRect legend;                     // the legend of the runs, which the readout leaves readable
  double abscissa = 0.0;
  QString abscissaCaption, abscissaUnit;
  std::vector<ReadoutRun> runs;
};

// The values at an abscissa: exact at a sample, linear between two neighbouring samples,
// the first crossing along the flight where the abscissa is not monotonic.
ChartReadout ReadChartAt(const ChartView& view, double abscissa);

// The same under a pointer column of the picture.
ChartReadout ReadChart(const ChartView& view, int pointerX);
// The same with the legend's box already known from an earlier reading of the same chart,
// as on every further pointer move: placing the legend reads every curve again.
ChartReadout ReadChart(const ChartView& view, int pointerX, const QRect& legend);

// A thin vertical line at the pointer and a box of the values beside it, over a picture
// that already holds the chart.
void PaintReadout(QPainter& painter, const ChartReadout& readout, const QLocale& locale);

}  // namespace zarv

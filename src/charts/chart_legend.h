#pragma once

#include "texts/language.h"

#include <vector>

#include <QRect>
#include <QString>

namespace zarv {

class ChartCanvas;
class PlotCover;
struct ChartScales;

// The name of the current run when its owner gave none.
QString CurrentRunName(Language language);

// The legend of the runs shown, the current run first, then the measured flights.
struct LegendLayout {
  QRect box;                   // the box with its frame
  std::vector<QString> texts;  // one entry per run and per measured flight
  int font = 0;                // as ChartCanvas::Text takes it
  int line = 0;                // px per entry
};

// The legend of a chart with kept runs or measured flights. The current run is marked as such, so it never
// reads like a kept run. Each text fits the plot, shortened in its middle when it must be,
// keeping the mark and a kept run's number. The box goes where it covers no curve or
// marker of any run, as near a plot corner as it can (top right first); where the plot
// has no such room in the chart font, the entries are set narrower and then shortened
// until it does, and failing that the box covers as little as it can.
LegendLayout PlaceLegend(const ChartScales& scales, Language language);
// The same over the cover of the curves as drawn.
LegendLayout PlaceLegend(const ChartScales& scales, Language language, const PlotCover& cover);

// A box naming every run shown by its colour.
void PaintLegend(ChartCanvas& canvas, const ChartScales& scales, const LegendLayout& legend);

}  // namespace zarv

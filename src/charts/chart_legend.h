#pragma once

#include "texts/language.h"

#include <vector>

#include <QPoint>
#include <QRect>
#include <QString>

namespace zarv {

class ChartCanvas;
struct ChartScales;

// The name of the current run when its owner gave none.
QString CurrentRunName(Language language);

// Where the legend box of the runs goes: the plot corner that covers the fewest of the
// drawn curve points.
QRect LegendBox(const ChartScales& scales, Language language, const std::vector<QPoint>& drawn);

// A box naming every run shown by its colour, the current run first.
void PaintLegend(ChartCanvas& canvas, const ChartScales& scales, Language language,
                 const std::vector<QPoint>& drawn);

}  // namespace zarv

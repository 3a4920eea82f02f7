#include "charts/chart_legend.h"

#include <algorithm>
#include <array>
#include <tuple>

#include <QFontMetrics>

#include "charts/chart_canvas.h"
#include "charts/chart_curves.h"
#include "charts/chart_cover.h"
#include "charts/chart_scales.h"

namespace zarv {

namespace {

constexpr int kPad = 4;      // px inside the box and between box and plot edge
constexpr int kSwatch = 18;  // px, length of the colour key
constexpr int kStep = 4;     // px between the places tried
constexpr int kShortRoom = 200;    // px per entry when the full names find no free place
constexpr int kShorterRoom = 140;  // px

constexpr LanguageText kCurrentMark{"текущий", "aktuell", "current"};

// Where a box of `size` inside `area` covers the fewest marked cells, and of those the
// nearest to a corner, top right first; false when it does not fit.
bool FreestPlace(const PlotCover& cover, const QRect& area, QSize size, QRect& place, int& covered) {
  const int xMin = area.left(), xMax = area.right() + 1 - size.width();
  const int yMin = area.top(), yMax = area.bottom() + 1 - size.height();
  if (xMax < xMin || yMax < yMin) return false;
  const std::array<QPoint, 4> corners{QPoint(xMax, yMin), QPoint(xMin, yMin), QPoint(xMax, yMax),
                                      QPoint(xMin, yMax)};
  std::tuple<int, int> fewest{-1, 0};
  for (int y = yMin;; y = std::min(y + kStep, yMax)) {
    for (int x = xMin;; x = std::min(x + kStep, xMax)) {
      const QRect box(QPoint(x, y), size);
      int near = 0;
      for (std::size_t c = 0; c < corners.size(); ++c) {
        const int d = 4 * (corners[c] - box.topLeft()).manhattanLength() + static_cast<int>(c);
        near = c == 0 ? d : std::min(near, d);
      }
      const std::tuple<int, int> score{cover.Covered(box), near};
      if (std::get<0>(fewest) < 0 || score < fewest) {
        fewest = score;
        place = box;
      }
      if (x == xMax) break;
    }
    if (y == yMax) break;
  }
  covered = std::get<0>(fewest);
  return true;
}

// The entries in a font, each at most `room` px wide.
std::vector<QString> EntryTexts(const ChartScales& s, Language language, int font, int room) {
  const QFontMetrics metrics(ChartFontVariant(font));
  std::vector<QString> texts;
  for (std::size_t r = 0; r < s.runs.size(); ++r) {
    QString name = s.runs[r].label;
    QString mark;
    if (r == 0 && name.isEmpty()) name = CurrentRunName(language);
    else if (r == 0) mark = QStringLiteral(" (%1)").arg(QString::fromUtf8(kCurrentMark.in(language)));
    else if (name.isEmpty()) name = QString::number(r);
    // The end of a name tells runs apart: the changed inputs and a kept run's number.
    const int markWidth = metrics.horizontalAdvance(mark);
    texts.push_back(metrics.elidedText(name, Qt::ElideMiddle, std::max(room - markWidth, 0)) + mark);
  }
  for (const ShownMeasurement& flight : s.measured) {
    texts.push_back(metrics.elidedText(flight.label, Qt::ElideMiddle, std::max(room, 0)));
  }
  return texts;
}

}  // namespace

QString CurrentRunName(Language language) {
  return QString::fromUtf8(
      LanguageText{"текущий расчёт", "aktuelle Rechnung", "current run"}.in(language));
}

LegendLayout PlaceLegend(const ChartScales& s, Language language) {
  return PlaceLegend(s, language, CoverOfCurves(s));
}

LegendLayout PlaceLegend(const ChartScales& s, Language language, const PlotCover& cover) {
  const QRect plot = s.Plot();
  const int fullRoom = s.layout.plotWidth - 6 * kPad - kSwatch;
  struct Try {
    int font;
    int room;  // px per entry
  };
  // The chart font first, then the narrowest, then shorter names.
  const std::array<Try, 4> tries{Try{0, fullRoom}, Try{kChartFonts - 1, fullRoom},
                                 Try{kChartFonts - 1, std::min(fullRoom, kShortRoom)},
                                 Try{kChartFonts - 1, std::min(fullRoom, kShorterRoom)}};
  LegendLayout best;
  int bestCovered = -1;
  for (const Try& attempt : tries) {
    LegendLayout legend;
    legend.font = attempt.font;
    legend.texts = EntryTexts(s, language, attempt.font, attempt.room);
    legend.line = ChartLineHeight(attempt.font);
    int widest = 0;
    for (const QString& text : legend.texts) widest = std::max(widest, ChartTextWidth(text, attempt.font));
    const QSize size(4 * kPad + kSwatch + widest, 2 * kPad + legend.line * static_cast<int>(legend.texts.size()));
    int covered = 0;
    if (!FreestPlace(cover, plot.adjusted(kPad, kPad, -kPad, -kPad), size, legend.box, covered)) continue;
    if (bestCovered < 0 || covered < bestCovered) {
      bestCovered = covered;
      best = legend;
    }
    if (bestCovered == 0) break;
  }
  return best;
}

void PaintLegend(ChartCanvas& canvas, const ChartScales& s, const LegendLayout& legend) {
  using namespace chart_colour;
  const QRect& box = legend.box;
  if (box.isEmpty()) return;
  canvas.SetPen(kBlack);
  canvas.SetBrush(kWhite);
  canvas.Rectangle(box.left(), box.top(), box.left() + box.width(), box.top() + box.height());
  for (std::size_t r = 0; r < legend.texts.size(); ++r) {
    const int y = box.top() + kPad + legend.line * static_cast<int>(r);
    const int keyY = y + legend.line / 2;
    const int keyX = box.left() + kPad;
    if (r < s.runs.size()) {
      canvas.SetPen(s.runs[r].colour);
      canvas.Line(keyX, keyY - 1, keyX + kSwatch, keyY - 1);
      canvas.Line(keyX, keyY, keyX + kSwatch, keyY);
      if (CurveWidth(s, r) > 1) canvas.Line(keyX, keyY + 1, keyX + kSwatch, keyY + 1);
    } else {
      // Points, as the flight is drawn.
      const QRgb colour = s.measured[r - s.runs.size()].colour;
      for (const int x : {keyX + 3, keyX + kSwatch / 2, keyX + kSwatch - 3})
        DrawMeasuredPoint(canvas, QPoint(x, keyY), colour);
      canvas.SetBrush(kWhite);
    }
    canvas.SetPen(kBlack);
    canvas.Text(keyX + kSwatch + kPad, y, legend.texts[r], legend.font);
  }
}

}  // namespace zarv

#include "charts/chart_legend.h"

#include <algorithm>
#include <array>

#include <QFontMetrics>

#include "charts/chart_canvas.h"
#include "charts/chart_scales.h"

namespace zarv {

namespace {

constexpr int kPad = 4;      // px inside the box and between box and plot edge
constexpr int kLine = 14;    // px per entry
constexpr int kSwatch = 18;  // px, length of the colour key

// The entry texts, each fitted into the room the plot leaves.
std::vector<QString> EntryTexts(const ChartScales& s, Language language, int room) {
  const QFontMetrics metrics(ChartFont());
  std::vector<QString> texts;
  for (std::size_t r = 0; r < s.runs.size(); ++r) {
    QString text = s.runs[r].label;
    if (text.isEmpty()) text = r == 0 ? CurrentRunName(language) : QString::number(r);
    texts.push_back(metrics.elidedText(text, Qt::ElideRight, room));
  }
  return texts;
}

QSize BoxSize(const std::vector<QString>& texts) {
  int widest = 0;
  for (const QString& text : texts) widest = std::max(widest, ChartTextWidth(text));
  return QSize(3 * kPad + kSwatch + widest + kPad, 2 * kPad + kLine * static_cast<int>(texts.size()));
}

int TextRoom(const ChartScales& s) { return s.layout.plotWidth - 6 * kPad - kSwatch; }

}  // namespace

QString CurrentRunName(Language language) {
  return QString::fromUtf8(
      LanguageText{"текущий расчёт", "aktuelle Rechnung", "current run"}.in(language));
}

QRect LegendBox(const ChartScales& s, Language language, const std::vector<QPoint>& drawn) {
  const QSize size = BoxSize(EntryTexts(s, language, TextRoom(s)));
  const int left = s.layout.left + kPad;
  const int right = s.layout.left + s.layout.plotWidth - kPad - size.width();
  const int top = s.layout.zeroLine - 7 * ChartRound(s.layout.above / 7.0) + kPad;
  const int bottom = s.layout.zeroLine - kPad - size.height();
  const int middle = (top + bottom) / 2;
  // Right first: the banner sits bottom left.
  const std::array<QPoint, 5> corners{QPoint(right, top), QPoint(left, top), QPoint(right, middle),
                                      QPoint(right, bottom), QPoint(left, middle)};
  QRect best;
  long fewest = -1;
  for (const QPoint& corner : corners) {
    const QRect box(corner, size);
    const int x1 = box.left(), x2 = box.right(), y1 = box.top(), y2 = box.bottom();
    long covered = 0;
    for (const QPoint& p : drawn) covered += p.x() >= x1 && p.x() <= x2 && p.y() >= y1 && p.y() <= y2;
    if (fewest < 0 || covered < fewest) {
      fewest = covered;
      best = box;
    }
  }
  return best;
}

void PaintLegend(ChartCanvas& canvas, const ChartScales& s, Language language,
                 const std::vector<QPoint>& drawn) {
  using namespace chart_colour;
  const std::vector<QString> texts = EntryTexts(s, language, TextRoom(s));
  const QRect box = LegendBox(s, language, drawn);
  canvas.SetPen(kBlack);
  canvas.SetBrush(kWhite);
  canvas.Rectangle(box.left(), box.top(), box.left() + box.width(), box.top() + box.height());
  for (std::size_t r = 0; r < texts.size(); ++r) {
    const int y = box.top() + kPad + kLine * static_cast<int>(r);
    const int keyY = y + kLine / 2;
    const int keyX = box.left() + kPad;
    canvas.SetPen(s.runs[r].colour);
    canvas.Line(keyX, keyY - 1, keyX + kSwatch, keyY - 1);
    canvas.Line(keyX, keyY, keyX + kSwatch, keyY);
    canvas.SetPen(kBlack);
    canvas.Text(keyX + kSwatch + kPad, y, texts[r], 0);
  }
}

}  // namespace zarv

#include "charts/chart_readout.h"

#include <algorithm>
#include <cmath>

#include <QFontMetrics>
#include <QPainter>

#include "charts/chart_canvas.h"
#include "charts/chart_captions.h"
#include "charts/chart_legend.h"
#include "charts/chart_scales.h"
#include "charts/chart_view.h"

namespace zarv {

namespace {

constexpr int kPad = 4;         // px inside the box
constexpr int kGap = 8;         // px between the line and the box
constexpr int kColumnGap = 10;  // px between value columns
constexpr int kReadoutDigits = 4;

QString UnitOf(const QString& caption) {
  const int comma = caption.indexOf(',');
  return comma < 0 ? QString() : caption.mid(comma + 1).trimmed();
}

// The caption that names the quantity with its display unit; the positive axis's follows
// the unit flags, so it is preferred over the signed one.
QString CurveCaption(int rowNumber, const UnitFlags& units, Language language) {
  QString text;
  for (const PlacedCaption& part : PositiveAxisCaption(rowNumber, units, language, false)) {
    text += QString::fromUtf8(part.text);
  }
  if (text.isEmpty()) {
    if (const char* signedText = SignedAxisCaption(rowNumber, units, language).text) {
      text = QString::fromUtf8(signedText);
    }
  }
  return text.isEmpty() ? QStringLiteral("#%1").arg(rowNumber) : text;
}

std::optional<double> ValueAt(const RunRow& x, const RunRow& y, const ChartScales& s, double a) {
  const int n = std::min(x.size(), y.size());
  for (int i = 1; i <= n; ++i) {
    if (!s.Inside(x[i])) continue;
    if (x[i] == a) return std::isfinite(y[i]) ? std::optional<double>(y[i]) : std::nullopt;
    if (i == n || !s.Inside(x[i + 1])) continue;
    const double x0 = x[i];
    const double x1 = x[i + 1];
    if ((x0 < a && a < x1) || (x1 < a && a < x0)) {
      const double v = y[i] + (y[i + 1] - y[i]) * (a - x0) / (x1 - x0);
      return std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
    }
  }
  return std::nullopt;
}

ChartReadout Read(const ChartView& view, const ChartScales& s, double abscissa, const QRect* legend) {
  const UnitFlags& units = s.runs.front().log->units;
  const Language language = view.settings.windowLanguage;
  ChartReadout readout;
  readout.abscissa = abscissa;
  readout.x = s.PixelX(abscissa);
  readout.inside = readout.x >= s.layout.left && readout.x <= s.layout.left + s.layout.plotWidth;
  readout.plotBottom = kChartBottom;
  readout.plotLeft = s.layout.left;
  readout.plotRight = s.layout.left + s.layout.plotWidth;
  readout.plotTop = s.Plot().top();
  if (legend != nullptr) {
    readout.legend = *legend;
  } else if (s.HasLegend()) {
    readout.legend = PlaceLegend(s, language).box;
  }
  if (const char* caption = AbscissaCaption(s.AbscissaRow(), units, language)) {
    readout.abscissaCaption = QString::fromUtf8(caption);
  }
  readout.abscissaUnit = UnitOf(readout.abscissaCaption);
  for (std::size_t r = 0; r < s.runs.size(); ++r) {
    ReadoutRun run;
    run.label = s.runs[r].label;
    run.colour = s.runs[r].colour;
    const RunRow x = s.Row(r, s.AbscissaRow());
    for (const CurveScale& curve : s.curves) {
      ReadoutValue value;
      value.row = curve.row;
      value.caption = CurveCaption(curve.row, units, language);
      value.unit = UnitOf(value.caption);
      value.value = ValueAt(x, s.Row(r, curve.row), s, abscissa);
      run.values.push_back(value);
    }
    readout.runs.push_back(std::move(run));
  }
  return readout;
}

ChartReadout ReadUnder(const ChartView& view, int pointerX, const QRect* legend) {
  const ChartScales s = ComputeChartScales(view);
  ChartReadout readout = Read(view, s, s.AbscissaAt(pointerX), legend);
  readout.x = pointerX;
  readout.inside = pointerX >= s.layout.left && pointerX <= s.layout.left + s.layout.plotWidth;
  return readout;
}

}  // namespace

ChartReadout ReadChartAt(const ChartView& view, double abscissa) {
  return Read(view, ComputeChartScales(view), abscissa, nullptr);
}

ChartReadout ReadChart(const ChartView& view, int pointerX) { return ReadUnder(view, pointerX, nullptr); }

ChartReadout ReadChart(const ChartView& view, int pointerX, const QRect& legend) {
  return ReadUnder(view, pointerX, &legend);
}

void PaintReadout(QPainter& painter, const ChartReadout& readout, const QLocale& locale) {
  if (!readout.inside) return;
  QLocale numbers = locale;
  numbers.setNumberOptions(numbers.numberOptions() | QLocale::OmitGroupSeparator);
  const auto format = [&](const std::optional<double>& v) {
    return v ? numbers.toString(*v, 'g', kReadoutDigits) : QStringLiteral("-");
  };

  // Table: a caption column, then one value column per run.
  const std::size_t rows = readout.runs.empty() ? 0 : readout.runs.front().values.size();
  const bool header = readout.runs.size() > 1;
  std::vector<QString> captions{readout.abscissaCaption};
  for (std::size_t k = 0; k < rows; ++k) captions.push_back(readout.runs.front().values[k].caption);
  const QFont font = ChartFont();
  const QFontMetrics metrics(font);
  const int line = metrics.height() + 1;
  int captionWidth = 0;
  for (const QString& c : captions) captionWidth = std::max(captionWidth, metrics.horizontalAdvance(c));
  std::vector<int> columnWidths;
  for (const ReadoutRun& run : readout.runs) {
    int w = header ? metrics.horizontalAdvance(QStringLiteral("0000")) : 0;
    for (const ReadoutValue& v : run.values) w = std::max(w, metrics.horizontalAdvance(format(v.value)));
    columnWidths.push_back(w);
  }
  const QString abscissaText = format(readout.abscissa);
  int width = 2 * kPad + captionWidth;
  for (int w : columnWidths) width += kColumnGap + w;
  width = std::max(width, 2 * kPad + captionWidth + kColumnGap + metrics.horizontalAdvance(abscissaText));
  const int lines = static_cast<int>(captions.size()) + (header ? 1 : 0);
  const int height = 2 * kPad + lines * line;

  const QSize picture(painter.device()->width(), painter.device()->height());
  // Beside the line inside the plot, on the side with room; the axes' numbers stay
  // readable. A box wider than the room on both sides stays inside the plot over the line.
  const int roomRight = readout.plotRight - readout.x - kGap;
  const int roomLeft = readout.x - kGap - readout.plotLeft;
  const bool rightFirst = roomRight >= width || roomRight >= roomLeft;
  const auto place = [&](bool right, int top) {
    int left = right ? readout.x + kGap : readout.x - kGap - width;
    if (width <= readout.plotRight - readout.plotLeft) {
      left = std::clamp(left, readout.plotLeft, readout.plotRight - width);
    }
    left = std::clamp(left, 0, std::max(picture.width() - width, 0));
    return QRect(left, std::clamp(top, 0, std::max(picture.height() - height, 0)), width, height);
  };
  // At the top of the plot unless that covers the legend; then on the line's other side,
  // or under or over the legend.
  const QRect& legend = readout.legend;
  QRect box = place(rightFirst, readout.plotTop + kPad);
  if (box.intersects(legend)) {
    for (const int top : {readout.plotTop + kPad, legend.bottom() + 1 + kGap, legend.top() - kGap - height}) {
      if (top < readout.plotTop || top + height > readout.plotBottom) continue;
      const QRect near = place(rightFirst, top), far = place(!rightFirst, top);
      if (!near.intersects(legend)) {
        box = near;
        break;
      }
      if (!far.intersects(legend)) {
        box = far;
        break;
      }
    }
  }
  const int left = box.left();
  const int top = box.top();

  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setRenderHint(QPainter::TextAntialiasing, false);
  painter.setFont(font);
  painter.setPen(QColor(0x40, 0x40, 0x40));
  if (readout.x >= legend.left() && readout.x <= legend.right()) {
    painter.drawLine(readout.x, readout.plotTop, readout.x, legend.top() - 1);
    painter.drawLine(readout.x, legend.bottom() + 1, readout.x, readout.plotBottom);
  } else {
    painter.drawLine(readout.x, readout.plotTop, readout.x, readout.plotBottom);
  }
  painter.setPen(Qt::black);
  painter.setBrush(Qt::white);
  painter.drawRect(left, top, width - 1, height - 1);

  int y = top + kPad;
  const auto row = [&](const QString& caption) {
    painter.setPen(Qt::black);
    painter.drawText(left + kPad, y + metrics.ascent(), caption);
  };
  const int firstColumn = left + kPad + captionWidth + kColumnGap;
  if (header) {
    int x = firstColumn;
    for (std::size_t r = 0; r < readout.runs.size(); ++r) {
      painter.fillRect(x, y + line / 2 - 1, columnWidths[r], 3, QColor::fromRgb(readout.runs[r].colour));
      x += columnWidths[r] + kColumnGap;
    }
    y += line;
  }
  row(readout.abscissaCaption);
  painter.drawText(firstColumn, y + metrics.ascent(), abscissaText);
  y += line;
  for (std::size_t k = 0; k < rows; ++k) {
    row(captions[k + 1]);
    int x = firstColumn;
    for (std::size_t r = 0; r < readout.runs.size(); ++r) {
      painter.setPen(QColor::fromRgb(readout.runs[r].colour));
      painter.drawText(x, y + metrics.ascent(), format(readout.runs[r].values[k].value));
      x += columnWidths[r] + kColumnGap;
    }
    y += line;
  }
  painter.restore();
}

}  // namespace zarv

#include "charts/study_chart.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <QPainter>
#include <QPainterPath>

#include "texts/study_texts.h"
#include "trajectory/number_format.h"

namespace zarv {
namespace {

constexpr int kPanelWidth = 560, kPanelHeight = 300;  // px
constexpr int kLeft = 78, kRight = 40, kTop = 30, kBottom = 48;  // px; the right one holds half a tick label
constexpr int kTicks = 5;
constexpr int kMaxBins = 40;
constexpr std::size_t kLegendLines = 6;

constexpr LanguageText kCases = {"вариантов", "Fälle", "cases"};
constexpr LanguageText kAgainst = {"от", "über", "against"};
constexpr LanguageText kFirstOf = {"первые из", "die ersten von", "the first of"};

const char* Caption(int column, Language language) {
  return StudyOutcomeCaption(column).in(language);
}

const QColor kSeriesColors[] = {QColor(0, 90, 180), QColor(200, 60, 30), QColor(30, 140, 60),
                                QColor(150, 60, 170), QColor(200, 140, 0), QColor(0, 150, 160)};

QString Text(const std::string& s) { return QString::fromUtf8(s.c_str()); }

// Round tick values spaced 1, 2 or 5 times a power of ten, covering [lo, hi].
struct Axis {
  double lo, hi, step;
};
Axis NiceAxis(double lo, double hi) {
  if (!(hi > lo)) {
    const double pad = lo != 0.0 ? std::abs(lo) * 0.1 : 1.0;
    lo -= pad;
    hi += pad;
  }
  const double raw = (hi - lo) / kTicks;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  double step = power * 10.0;
  for (double m : {1.0, 2.0, 5.0}) {
    if (power * m >= raw) {
      step = power * m;
      break;
    }
  }
  return {std::floor(lo / step) * step, std::ceil(hi / step) * step, step};
}

class Panel {
 public:
  Panel(QPainter& p, QRect area, const Axis& x, const Axis& y)
      : p_(p), plot_(area.adjusted(kLeft, kTop, -kRight, -kBottom)), area_(area), x_(x), y_(y) {}

  QPointF At(double x, double y) const {
    return {plot_.left() + (x - x_.lo) / (x_.hi - x_.lo) * plot_.width(),
            plot_.bottom() - (y - y_.lo) / (y_.hi - y_.lo) * plot_.height()};
  }

  void Frame(const std::string& title, const std::string& xLabel) {
    p_.setPen(QColor(225, 225, 225));
    const QFontMetrics fm = p_.fontMetrics();
    for (double v = x_.lo; v <= x_.hi + x_.step / 2; v += x_.step) {
      const double x = At(v, y_.lo).x();
      p_.setPen(QColor(225, 225, 225));
      p_.drawLine(QPointF(x, plot_.top()), QPointF(x, plot_.bottom()));
      p_.setPen(Qt::black);
      const QString label = Text(FormatGeneral(std::abs(v) < x_.step * 1e-9 ? 0.0 : v, 6));
      p_.drawText(QRectF(x - 50, plot_.bottom() + 3, 100, fm.height()), Qt::AlignHCenter, label);
    }
    for (double v = y_.lo; v <= y_.hi + y_.step / 2; v += y_.step) {
      const double y = At(x_.lo, v).y();
      p_.setPen(QColor(225, 225, 225));
      p_.drawLine(QPointF(plot_.left(), y), QPointF(plot_.right(), y));
      p_.setPen(Qt::black);
      const QString label = Text(FormatGeneral(std::abs(v) < y_.step * 1e-9 ? 0.0 : v, 6));
      p_.drawText(QRectF(area_.left() + 2, y - fm.height() / 2.0, kLeft - 6, fm.height()),
                  Qt::AlignRight | Qt::AlignVCenter, label);
    }
    p_.setPen(Qt::black);
    p_.setBrush(Qt::NoBrush);
    p_.drawRect(plot_);
    QFont bold = p_.font();
    bold.setBold(true);
    p_.save();
    p_.setFont(bold);
    p_.drawText(QRect(area_.left(), area_.top() + 4, area_.width(), kTop - 6), Qt::AlignHCenter,
                p_.fontMetrics().elidedText(Text(title), Qt::ElideRight, area_.width() - 8));
    p_.restore();
    p_.drawText(QRect(plot_.left(), plot_.bottom() + fm.height() + 6, plot_.width(), fm.height()),
                Qt::AlignHCenter, fm.elidedText(Text(xLabel), Qt::ElideRight, plot_.width()));
  }

  QPainter& painter() { return p_; }
  QRect plot() const { return plot_; }

 private:
  QPainter& p_;
  QRect plot_, area_;
  Axis x_, y_;
};

std::pair<double, double> Range(const std::vector<double>& v) {
  double lo = std::numeric_limits<double>::infinity(), hi = -lo;
  for (double d : v) {
    if (!std::isfinite(d)) continue;
    lo = std::min(lo, d);
    hi = std::max(hi, d);
  }
  if (lo > hi) return {0.0, 1.0};
  return {lo, hi};
}

// One outcome against the first varied input, framed and captioned.
Panel OutcomeAgainstInput(QPainter& p, QRect area, const StudyChartData& d, int column) {
  const auto [x0, x1] = Range(d.x);
  const auto [y0, y1] = Range(d.y[static_cast<std::size_t>(column)]);
  Panel panel(p, area, NiceAxis(x0, x1), NiceAxis(y0, y1));
  panel.Frame(std::string(Caption(column, d.language)) + " " + kAgainst.in(d.language) +
                  " " + d.inputName,
              d.inputName);
  return panel;
}

void DrawSweepPanel(QPainter& p, QRect area, const StudyChartData& d, int column) {
  const std::vector<double>& y = d.y[static_cast<std::size_t>(column)];
  Panel panel = OutcomeAgainstInput(p, area, d, column);
  p.setClipRect(panel.plot().adjusted(-4, -4, 4, 4));
  const std::uint64_t series = std::max<std::uint64_t>(d.series, 1);
  for (std::uint64_t s = 0; s < series; ++s) {
    const QColor color = kSeriesColors[s % std::size(kSeriesColors)];
    p.setPen(QPen(color, 1.5));
    p.setBrush(color);
    QPainterPath path;
    bool open = false;
    for (std::size_t i = 0; i < d.x.size(); ++i) {
      if (d.index[i] % series != s) continue;
      if (!std::isfinite(y[i])) {
        open = false;  // a gap where a case did not finish
        continue;
      }
      const QPointF pt = panel.At(d.x[i], y[i]);
      if (open) path.lineTo(pt); else path.moveTo(pt);
      open = true;
      p.drawEllipse(pt, 2.5, 2.5);
    }
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
  }
  p.setClipping(false);
  // The legend only when every curve gets a line of it.
  if (series > 1 && d.seriesNames.size() == series) {
    const QFontMetrics fm = p.fontMetrics();
    int width = 0;
    for (const std::string& name : d.seriesNames) width = std::max(width, fm.horizontalAdvance(Text(name)));
    const QRect box(panel.plot().right() - width - 30, panel.plot().top() + 6, width + 24,
                    static_cast<int>(series) * fm.height() + 6);
    p.setPen(QColor(160, 160, 160));
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawRect(box);
    for (std::size_t s = 0; s < series; ++s) {
      const int y = box.top() + 3 + static_cast<int>(s) * fm.height();
      p.setPen(QPen(kSeriesColors[s % std::size(kSeriesColors)], 2));
      p.drawLine(box.left() + 4, y + fm.height() / 2, box.left() + 16, y + fm.height() / 2);
      p.setPen(Qt::black);
      p.drawText(QRect(box.left() + 20, y, width + 2, fm.height()), Qt::AlignLeft | Qt::AlignVCenter,
                 Text(d.seriesNames[s]));
    }
  }
}

void DrawHistogram(QPainter& p, QRect area, const StudyChartData& d, int column) {
  const std::vector<double>& y = d.y[static_cast<std::size_t>(column)];
  const auto [lo, hi] = Range(y);
  std::size_t n = 0;
  for (double v : y) n += std::isfinite(v);
  const int bins = std::clamp(static_cast<int>(std::ceil(std::sqrt(static_cast<double>(n)))), 5, kMaxBins);
  const double width = hi > lo ? (hi - lo) / bins : 1.0;
  std::vector<std::uint64_t> counts(static_cast<std::size_t>(bins), 0);
  for (double v : y) {
    if (!std::isfinite(v)) continue;
    const int b = std::min(bins - 1, static_cast<int>((v - lo) / width));
    ++counts[static_cast<std::size_t>(b)];
  }
  const std::uint64_t top = counts.empty() ? 1 : *std::max_element(counts.begin(), counts.end());
  const double start = hi > lo ? lo : lo - width / 2;
  Panel panel(p, area, NiceAxis(start, start + width * bins), NiceAxis(0.0, std::max<double>(1.0, static_cast<double>(top))));
  std::string title = std::string(Caption(column, d.language)) + ", " + std::to_string(n) + " " +
                      kCases.in(d.language);
  if (d.casesSeen > d.x.size()) {
    title += std::string(" (") + kFirstOf.in(d.language) + " " + std::to_string(d.casesSeen) + ")";
  }
  panel.Frame(title, Caption(column, d.language));
  p.setPen(QColor(0, 60, 130));
  p.setBrush(QColor(80, 140, 210));
  for (int b = 0; b < bins; ++b) {
    const double left = start + width * b;
    p.drawRect(QRectF(panel.At(left, static_cast<double>(counts[static_cast<std::size_t>(b)])),
                      panel.At(left + width, 0.0)));
  }
}

void DrawScatter(QPainter& p, QRect area, const StudyChartData& d, int column) {
  const std::vector<double>& y = d.y[static_cast<std::size_t>(column)];
  Panel panel = OutcomeAgainstInput(p, area, d, column);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 90, 180, 120));
  for (std::size_t i = 0; i < d.x.size(); ++i) {
    if (std::isfinite(y[i])) p.drawEllipse(panel.At(d.x[i], y[i]), 1.8, 1.8);
  }
}

}  // namespace

void StudyChartData::Add(const CaseRow& row) {
  if (casesSeen++ >= kChartCases) return;
  if (sweep && row.index < series && series > 1 && seriesNames.size() < kLegendLines) {
    std::string label;
    for (std::size_t i = 1; i < row.inputs.size() && i < inputNames.size(); ++i) {
      label += (i > 1 ? ", " : "") + inputNames[i] + "=" + FormatGeneral(row.inputs[i], 6);
    }
    seriesNames.push_back(label);
  }
  x.push_back(row.inputs.empty() ? 0.0 : row.inputs.front());
  index.push_back(row.index);
  const bool finished = Finished(row.outcome.kind);
  for (int c = 0; c < kOutcomeColumns; ++c) {
    y[static_cast<std::size_t>(c)].push_back(
        finished ? row.outcome.values[static_cast<std::size_t>(c)]
                 : std::numeric_limits<double>::quiet_NaN());
  }
}

namespace {

int PanelCount(const StudyChartData& d) {
  return static_cast<int>(d.outcomes.size()) + (d.sweep ? 0 : 1);
}

}  // namespace

QSize StudyChartSize(const StudyChartData& d) {
  const int panels = PanelCount(d);
  const int columns = panels > 1 ? 2 : 1;
  const int rows = (panels + columns - 1) / columns;
  return QSize(columns * kPanelWidth, std::max(1, rows) * kPanelHeight);
}

void PaintStudyChart(QPainter& p, const StudyChartData& d) {
  constexpr int kRange = 1;
  const int panels = PanelCount(d);
  const int columns = panels > 1 ? 2 : 1;
  p.setRenderHint(QPainter::Antialiasing);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(12);
  p.setFont(font);
  for (int i = 0; i < panels; ++i) {
    const QRect area((i % columns) * kPanelWidth, (i / columns) * kPanelHeight, kPanelWidth,
                     kPanelHeight);
    if (i == static_cast<int>(d.outcomes.size())) {
      DrawScatter(p, area, d, kRange);
    } else if (d.sweep) {
      DrawSweepPanel(p, area, d, d.outcomes[static_cast<std::size_t>(i)]);
    } else {
      DrawHistogram(p, area, d, d.outcomes[static_cast<std::size_t>(i)]);
    }
  }
}

QByteArray RenderStudyChart(const StudyChartData& data, ChartFileFormat format) {
  return RenderPictureFile(StudyChartSize(data), format,
                           [&](QPainter& painter) { PaintStudyChart(painter, data); });
}

FileWriteResult WriteStudyChart(const StudyChartData& data, const std::string& path) {
  const ChartFileFormat format = ChartFormatOfFileName(path).value_or(ChartFileFormat::kPng);
  const QByteArray bytes = RenderStudyChart(data, format);
  return WriteWholeFile(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace zarv

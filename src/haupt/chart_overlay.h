#pragma once

#include <functional>
#include <optional>

#include <QLocale>
#include <QRect>
#include <QWidget>

#include "charts/chart_view.h"

class QLabel;

namespace zarv {

// A transparent layer over the chart picture: the value readout under the pointer and
// the band of a zoom drag. It paints over the picture on screen only; the chart's own
// bitmap is never touched, so a saved picture has no cursor. The pointer moves repaint
// this layer alone, not the chart.
class ChartOverlay : public QWidget {
  Q_OBJECT

 public:
  // `shownChart` gives the chart as drawn, or nothing while the picture holds no chart.
  ChartOverlay(QLabel* picture, std::function<std::optional<ChartView>()> shownChart,
               const QLocale& locale);

  // Forgets the pointer, e.g. when the picture changes under it.
  void Clear();

 signals:
  // A horizontal drag across the picture, in picture pixels.
  void dragged(int x1, int x2);
  void resetRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  std::function<std::optional<ChartView>()> shownChart_;
  const QLocale& locale_;
  std::optional<int> pointerX_;  // px, while the pointer is over the picture
  std::optional<int> dragFrom_;  // px, while the left button is held
  std::optional<QRect> legend_;  // of the chart shown, once read
};

}  // namespace zarv

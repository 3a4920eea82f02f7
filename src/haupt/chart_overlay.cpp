#include "haupt/chart_overlay.h"

#include <cstdlib>

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "charts/chart_readout.h"

namespace zarv {

namespace {

constexpr QRgb kDragBand = 0x301F5FD0;  // translucent blue
constexpr int kMinBand = 2;             // px before a press shows as a drag

}  // namespace

ChartOverlay::ChartOverlay(QLabel* picture, std::function<std::optional<ChartView>()> shownChart,
                           const QLocale& locale)
    : QWidget(picture), shownChart_(std::move(shownChart)), locale_(locale) {
  setObjectName(QStringLiteral("ChartOverlay"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setGeometry(picture->rect());
  picture->setMouseTracking(true);
  picture->installEventFilter(this);
  show();
}

void ChartOverlay::Clear() {
  pointerX_.reset();
  dragFrom_.reset();
  legend_.reset();
  update();
}

bool ChartOverlay::eventFilter(QObject* watched, QEvent* event) {
  if (watched != parent()) return false;
  switch (event->type()) {
    case QEvent::Resize:
      setGeometry(parentWidget()->rect());
      break;
    case QEvent::MouseMove:
      pointerX_ = static_cast<QMouseEvent*>(event)->position().toPoint().x();
      update();
      break;
    case QEvent::Leave:
      Clear();
      break;
    case QEvent::MouseButtonPress:
      if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        dragFrom_ = static_cast<QMouseEvent*>(event)->position().toPoint().x();
      break;
    case QEvent::MouseButtonRelease: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() == Qt::LeftButton && dragFrom_) {
        const int from = *dragFrom_;
        dragFrom_.reset();
        update();
        emit dragged(from, mouse->position().toPoint().x());
      }
      break;
    }
    case QEvent::MouseButtonDblClick:
      if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        dragFrom_.reset();
        emit resetRequested();
      }
      break;
    default:
      break;
  }
  return false;
}

void ChartOverlay::paintEvent(QPaintEvent*) {
  if (!pointerX_) return;
  const std::optional<ChartView> chart = shownChart_();
  if (!chart) return;
  const ChartReadout readout = legend_ ? ReadChart(*chart, *pointerX_, *legend_) : ReadChart(*chart, *pointerX_);
  legend_ = readout.legend;
  QPainter painter(this);
  if (dragFrom_ && std::abs(*pointerX_ - *dragFrom_) >= kMinBand) {
    const int left = std::min(*pointerX_, *dragFrom_);
    painter.fillRect(left, readout.plotTop, std::abs(*pointerX_ - *dragFrom_),
                     readout.plotBottom - readout.plotTop, QColor::fromRgba(kDragBand));
  }
  PaintReadout(painter, readout, locale_);
}

}  // namespace zarv

#include "haupt/flight_drop.h"

#include <QApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include "scenario/flight_file.h"

namespace zarv {

FlightDrop::FlightDrop(QWidget* window, Opener open)
    : QObject(window), window_(window), open_(std::move(open)) {
  window->setAcceptDrops(true);
  // The fields take drops of their own; seen by the application first, a flight file
  // opens wherever it lands instead of becoming a field's text.
  qApp->installEventFilter(this);
}

QString FlightDrop::FlightIn(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls()) return {};
  for (const QUrl& url : data->urls()) {
    const QString path = url.toLocalFile();
    if (!path.isEmpty() && path.endsWith(QString::fromLatin1(kFlightSuffix), Qt::CaseInsensitive)) return path;
  }
  return {};
}

bool FlightDrop::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || widget->window() != window_) return false;
  auto* drop = static_cast<QDropEvent*>(event);
  const QString path = FlightIn(drop->mimeData());
  if (path.isEmpty()) return false;
  drop->setDropAction(Qt::CopyAction);
  drop->accept();
  // Opened after the drop has ended: a question on unsaved changes must not hold the
  // file manager's drag.
  if (type == QEvent::Drop) QMetaObject::invokeMethod(this, [this, path] { open_(path); }, Qt::QueuedConnection);
  return true;
}

}  // namespace zarv

#pragma once

#include <functional>

#include <QObject>
#include <QString>

class QMimeData;
class QWidget;

namespace zarv {

// Takes a flight file dropped anywhere on a window, fields included, and hands it on.
class FlightDrop : public QObject {
  Q_OBJECT

 public:
  using Opener = std::function<void(const QString& path)>;
  FlightDrop(QWidget* window, Opener open);

  // The first local .zarv file the drag carries; empty when it carries none.
  static QString FlightIn(const QMimeData* data);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
  Opener open_;
};

}  // namespace zarv

#pragma once

#include <QObject>
#include <QString>

#include "texts/language.h"

class QLabel;
class QListWidget;
class QWidget;

namespace zarv {

// "My flights": the flight files of the user's data folder of the chosen class, listed
// above its presets. A click chooses one for START as a click on a preset does.
class MyFlights : public QObject {
  Q_OBJECT

 public:
  explicit MyFlights(QWidget* window);

  // Lists the class's flights just above its preset list, in its face; shows nothing
  // when the class has none.
  void ShowFor(int vehicleClass, Language language, const QListWidget& presets);
  void Hide();
  // The chosen flight's file; empty when none is chosen.
  QString chosen() const;
  void ClearChoice();

  QLabel* caption;
  QListWidget* list;

 signals:
  // A flight was chosen: a preset chosen before is not.
  void flightChosen();
};

}  // namespace zarv

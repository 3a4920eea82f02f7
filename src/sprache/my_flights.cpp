#include "sprache/my_flights.h"

#include <filesystem>
#include <variant>

#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QLabel>
#include <QListWidget>

#include "haupt/flight_folder.h"
#include "haupt/flight_texts.h"
#include "scenario/flight_file.h"

namespace zarv {
namespace {

constexpr int kListHeight = 60;  // px, four rows
constexpr int kCaptionHeight = 16;  // px
constexpr int kGap = 4;  // px between the caption, the list and the presets

}  // namespace

MyFlights::MyFlights(QWidget* window) : QObject(window) {
  caption = new QLabel(window);
  caption->setObjectName(QStringLiteral("MyFlightsLabel"));
  QFont bold = caption->font();
  bold.setBold(true);
  caption->setFont(bold);
  caption->hide();
  list = new QListWidget(window);
  list->setObjectName(QStringLiteral("ListBoxMyFlights"));
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->hide();
  connect(list, &QListWidget::itemSelectionChanged, this, [this] {
    if (!list->selectedItems().isEmpty()) emit flightChosen();
  });
}

void MyFlights::ShowFor(int vehicleClass, Language language, const QListWidget& presets) {
  list->clear();
  list->setFont(presets.font());
  const QRect presetBox = presets.geometry();
  for (const QString& path : FlightFilesInFolder()) {
    // Files that cannot be read open with their message when chosen elsewhere; here they
    // have no class to be listed under.
    const FlightRead read = ReadFlightFile(QFile::encodeName(path).toStdString());
    const auto* flight = std::get_if<Flight>(&read);
    if (flight == nullptr || static_cast<int>(flight->vehicleClass) != vehicleClass) continue;
    const QString stem = QFileInfo(path).completeBaseName();
    const QString name = QString::fromStdString(flight->name);
    auto* item = new QListWidgetItem(name.isEmpty() || name == stem ? stem : stem + QStringLiteral(" – ") + name);
    item->setData(Qt::UserRole, path);
    item->setToolTip(path + (flight->notes.empty() ? QString() : QLatin1Char('\n') + QString::fromStdString(flight->notes)));
    list->addItem(item);
  }
  if (list->count() == 0) {
    Hide();
    return;
  }
  const int listTop = presetBox.top() - kGap - kListHeight;
  list->setGeometry(presetBox.left(), listTop, presetBox.width(), kListHeight);
  caption->setText(QString::fromUtf8(flight_text::kMyFlights.in(language)));
  caption->setGeometry(presetBox.left(), listTop - kGap - kCaptionHeight, presetBox.width(), kCaptionHeight);
  caption->raise();
  list->raise();
  caption->show();
  list->show();
  list->setCurrentItem(nullptr);
}

void MyFlights::Hide() {
  ClearChoice();
  caption->hide();
  list->hide();
}

QString MyFlights::chosen() const {
  const auto selected = list->selectedItems();
  return selected.isEmpty() || list->isHidden() ? QString() : selected.front()->data(Qt::UserRole).toString();
}

void MyFlights::ClearChoice() {
  const QSignalBlocker quiet(list);
  list->clearSelection();
  list->setCurrentItem(nullptr);
}

}  // namespace zarv

#pragma once

#include <memory>
#include <vector>

#include <QGroupBox>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

#include "haupt/haupt.h"
#include "haupt/message_sink.h"
#include "haupt/run_wait.h"
#include "texts/form_captions.h"
#include "support/record_codes.h"
#include "scenario/scenario.h"
#include "sprache/sprache.h"

namespace zarv {

class RecordingSink : public MessageSink {
 public:
  void ShowError(const QString& text) override { messages.push_back(text); }
  std::vector<QString> messages;
};

// Both windows wired as the program wires them.
struct Program {
  Scenario record;
  RecordingSink sink;
  std::unique_ptr<TForm1> form1 = std::make_unique<TForm1>(record, sink);
  std::unique_ptr<TForm2> form2 = std::make_unique<TForm2>(record, sink);

  Program() {
    form1->setCalcWindow(form2.get());
    form1->show();
  }
};

// A mouse click where the user points: the topmost widget under the point gets it.
inline void ClickAt(QWidget* window, QPoint point) {
  QWidget* target = window->childAt(point);
  if (!target) target = window;
  QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(window, point));
}

// Clicks on the indicator of a radio item (its far right half is not part of the button).
inline void ClickButton(QWidget* window, QWidget* button) {
  ClickAt(window, button->mapTo(window, button->rect().center()));
}

inline void ClickItem(QWidget* window, QRadioButton* item) {
  ClickAt(window, item->mapTo(window, QPoint(8, item->height() / 2)));
}

inline void ClickRow(QWidget* window, QListWidget* list, int row) {
  QListWidgetItem* item = list->item(row);
  list->scrollToItem(item);
  ClickAt(window, list->viewport()->mapTo(window, list->visualItemRect(item).center()));
}

inline QGroupBox* ClassListOf(TForm1& form, int language) {
  return language == 1 ? form.WahlRU : language == 2 ? form.RadioWahl : form.WahlEN;
}

inline void ChooseLanguage(TForm1& form, int language) {
  ClickItem(&form, TForm1::Item(form.RadioSprach, language - 1));
}

inline void ChooseClass(TForm1& form, int language, int vehicleClass) {
  ClickItem(&form, TForm1::Item(ClassListOf(form, language), vehicleClass - 1));
}

inline int CheckedItems(QGroupBox* group) {
  int n = 0;
  for (auto* item : group->findChildren<QRadioButton*>()) n += item->isChecked();
  return n;
}

}  // namespace zarv

#include "haupt/results_menu.h"

#include <QMenu>

namespace zarv {

void ResultsMenu::Add(const LanguageText& caption, Command run, Condition enabled) {
  entries_.push_back(Entry{caption, std::move(run), std::move(enabled), {}});
}

void ResultsMenu::AddToggle(const LanguageText& caption, Command toggle, Condition checked) {
  entries_.push_back(Entry{caption, std::move(toggle), {}, std::move(checked)});
}

void ResultsMenu::AddSubmenu(const LanguageText& caption, Filler fill) {
  entries_.push_back(Entry{caption, {}, {}, {}, std::move(fill)});
}

void ResultsMenu::AddSeparator() { entries_.push_back(std::nullopt); }

void ResultsMenu::Fill(QMenu& menu, Language language) const {
  // The submenus of an earlier showing are the menu's children, which clear() leaves.
  for (QMenu* old : menu.findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) old->deleteLater();
  menu.clear();
  for (const std::optional<Entry>& entry : entries_) {
    if (!entry) {
      menu.addSeparator();
      continue;
    }
    if (entry->fill) {
      entry->fill(*menu.addMenu(QString::fromUtf8(entry->caption.in(language))), language);
      continue;
    }
    QAction* action = menu.addAction(QString::fromUtf8(entry->caption.in(language)));
    QObject::connect(action, &QAction::triggered, &menu, entry->run);
    action->setEnabled(!entry->enabled || entry->enabled());
    if (entry->checked) {
      action->setCheckable(true);
      action->setChecked(entry->checked());
    }
  }
}

}  // namespace zarv

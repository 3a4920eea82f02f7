#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "texts/language.h"

class QMenu;

namespace zarv {

// The window's commands on results, shown both under the Extras button and in the chart
// picture's context menu. Commands are added once; each showing of a menu captions them
// in the window language of that moment and asks each whether it can run now.
class ResultsMenu {
 public:
  using Command = std::function<void()>;
  using Condition = std::function<bool()>;

  // `enabled` empty: the command can always run.
  void Add(const LanguageText& caption, Command run, Condition enabled = {});
  void AddSeparator();
  // A checked item: `toggle` flips what `checked` tells.
  void AddToggle(const LanguageText& caption, Command toggle, Condition checked);
  // A submenu whose items `fill` makes afresh at each showing.
  using Filler = std::function<void(QMenu& submenu, Language language)>;
  void AddSubmenu(const LanguageText& caption, Filler fill);

  // Replaces the menu's actions with the commands, in the order they were added.
  void Fill(QMenu& menu, Language language) const;

 private:
  struct Entry {
    LanguageText caption;
    Command run;
    Condition enabled;
    Condition checked;  // empty: not a checked item
    Filler fill = {};   // not empty: a submenu
  };
  std::vector<std::optional<Entry>> entries_;  // nullopt: a separator
};

}  // namespace zarv

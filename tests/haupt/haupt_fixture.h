#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "charts/chart_catalogue.h"
#include "haupt/haupt.h"
#include "haupt/message_sink.h"
#include "haupt/run_wait.h"
#include "support/record_codes.h"
#include "scenario/presets.h"
#include "trajectory/result_file.h"

namespace zarv {

class RecordingSink : public MessageSink {
 public:
  void ShowError(const QString& text) override { messages.push_back(text.toStdString()); }
  SaveAnswer AskToSave(const SaveQuestion& question) override {
    questions.push_back(question);
    return saveAnswer;
  }
  std::vector<std::string> messages;
  std::vector<SaveQuestion> questions;
  SaveAnswer saveAnswer = SaveAnswer::Discard;
};

// One window over one record, run in a temporary current directory.
class HauptTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    previousDir_ = QDir::currentPath();
    QDir::setCurrent(dir_.path());
    window_ = std::make_unique<TForm2>(record_, sink_);
  }
  void TearDown() override {
    window_.reset();
    QDir::setCurrent(previousDir_);
  }

  // A preset click, then START in the start window with the given language.
  void Open(int vehicleClass, int item, int language) {
    ASSERT_TRUE(ApplyPreset(record_, vehicleClass, item)) << "class " << vehicleClass;
    record_[sf::Language] = language;
    window_->showFromStartWindow();
  }

  // START, and the event loop until the run has ended.
  void Start() {
    window_->Button1Click();
    WaitForRun(*window_);
  }

  template <typename T = QWidget>
  T* Get(const char* name) {
    T* widget = window_->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << "no control " << name;
    return widget;
  }
  bool Shown(const char* name) { return !Get(name)->isHidden(); }

  // A command of the chart picture's menu, as the window offers it now.
  QAction* Command(QMenu& menu, const char* caption) {
    for (QAction* action : menu.actions())
      if (action->text() == QString::fromUtf8(caption)) return action;
    ADD_FAILURE() << "no command " << caption;
    return nullptr;
  }
  bool Enabled(const char* caption) {
    std::unique_ptr<QMenu> menu(window_->makeChartMenu(window_.get()));
    QAction* action = Command(*menu, caption);
    return action && action->isEnabled();
  }
  // Triggers the command; false, doing nothing, when it is disabled.
  bool Choose(const char* caption) {
    std::unique_ptr<QMenu> menu(window_->makeChartMenu(window_.get()));
    QAction* action = Command(*menu, caption);
    if (action == nullptr || !action->isEnabled()) return false;
    action->trigger();
    return true;
  }
  std::string Text(const char* name) { return Get<QLineEdit>(name)->text().toStdString(); }
  std::string Caption(const char* name) {
    if (auto* label = window_->findChild<QLabel*>(QString::fromLatin1(name)))
      return label->text().toStdString();
    return Get<QPushButton>(name)->text().toStdString();
  }
  std::filesystem::path ResultFile() const {
    return std::filesystem::path(dir_.path().toStdString()) / kResultFileName;
  }

  QTemporaryDir dir_;
  QString previousDir_;
  Scenario record_;
  RecordingSink sink_;
  std::unique_ptr<TForm2> window_;
};

inline bool SameCurves(const TrajectoryLog& log, const ChartEntry& chart) {
  if (log.CurveCount != chart.curveCount) return false;
  for (int k = 0; k < chart.curveCount - 1; ++k)
    if (log.CurveList[k] != chart.curveList[k]) return false;
  return true;
}

// Pixels that differ from the background at the top left corner, every third row and column.
inline int InkedPixels(const QImage& picture) {
  int inked = 0;
  for (int y = 0; y < picture.height(); y += 3)
    for (int x = 0; x < picture.width(); x += 3) inked += picture.pixel(x, y) != picture.pixel(0, 0);
  return inked;
}

}  // namespace zarv

#pragma once

#include <memory>

#include <QString>

class QMessageBox;
class QWidget;

namespace zarv {

enum class SaveAnswer { Save, Discard, Cancel };

// Whether to save unsaved changes, with its buttons in the window language.
struct SaveQuestion {
  QString title, text;
  QString save, discard, cancel;
};

// Every message box of the program goes through this, so tests can read the messages
// and give the answers instead of being blocked by a modal box.
class MessageSink {
 public:
  virtual ~MessageSink();
  virtual void ShowError(const QString& text) = 0;
  virtual SaveAnswer AskToSave(const SaveQuestion& question) = 0;
};

// The box AskToSave shows: Save, Discard and Cancel as the question words them.
std::unique_ptr<QMessageBox> MakeSaveQuestionBox(const SaveQuestion& question, QWidget* parent);

// The real thing: a modal error box over the given window.
class MessageBoxSink : public MessageSink {
 public:
  explicit MessageBoxSink(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }
  void ShowError(const QString& text) override;
  SaveAnswer AskToSave(const SaveQuestion& question) override;

 private:
  QWidget* parent_;
};

}  // namespace zarv

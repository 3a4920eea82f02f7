#pragma once

#include <QString>

class QWidget;

namespace zarv {

// Every message box of the program goes through this, so tests can read the messages
// instead of being blocked by a modal box.
class MessageSink {
 public:
  virtual ~MessageSink();
  virtual void ShowError(const QString& text) = 0;
};

// The real thing: a modal error box over the given window.
class MessageBoxSink : public MessageSink {
 public:
  explicit MessageBoxSink(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }
  void ShowError(const QString& text) override;

 private:
  QWidget* parent_;
};

}  // namespace zarv

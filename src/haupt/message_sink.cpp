#include "haupt/message_sink.h"

#include <QApplication>
#include <QMessageBox>

#include "scenario/program_info.h"

namespace zarv {

MessageSink::~MessageSink() = default;

void MessageBoxSink::ShowError(const QString& text) {
  QWidget* parent = parent_ ? parent_ : QApplication::activeWindow();
  QMessageBox::critical(parent, QString::fromUtf8(kBanner).trimmed(), text);
}

}  // namespace zarv

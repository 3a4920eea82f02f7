#include "haupt/message_sink.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "scenario/program_info.h"

namespace zarv {

MessageSink::~MessageSink() = default;

void MessageBoxSink::ShowError(const QString& text) {
  QWidget* parent = parent_ ? parent_ : QApplication::activeWindow();
  QMessageBox::critical(parent, QString::fromUtf8(kBanner).trimmed(), text);
}

std::unique_ptr<QMessageBox> MakeSaveQuestionBox(const SaveQuestion& question, QWidget* parent) {
  auto box = std::make_unique<QMessageBox>(QMessageBox::Question, question.title, question.text,
                                           QMessageBox::NoButton, parent);
  box->setDefaultButton(box->addButton(question.save, QMessageBox::AcceptRole));
  box->addButton(question.discard, QMessageBox::DestructiveRole);
  box->setEscapeButton(box->addButton(question.cancel, QMessageBox::RejectRole));
  return box;
}

SaveAnswer MessageBoxSink::AskToSave(const SaveQuestion& question) {
  const std::unique_ptr<QMessageBox> box =
      MakeSaveQuestionBox(question, parent_ ? parent_ : QApplication::activeWindow());
  box->exec();
  switch (box->buttonRole(box->clickedButton())) {
    case QMessageBox::AcceptRole: return SaveAnswer::Save;
    case QMessageBox::DestructiveRole: return SaveAnswer::Discard;
    default: return SaveAnswer::Cancel;
  }
}

}  // namespace zarv

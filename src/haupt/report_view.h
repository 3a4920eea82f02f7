#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace zarv {

// A read-only text report beside the calculation window: plain-text tables in a
// fixed-width face, so their columns line up. Never modal: the window stays usable.
class ReportView : public QDialog {
  Q_OBJECT

 public:
  explicit ReportView(QWidget* parent);

  // Replaces the report and brings the view to the front, sized to the text where the
  // screen allows.
  void ShowReport(const QString& title, const QString& text, const QString& closeCaption);
  // Replaces the text alone, leaving the view where it is.
  void SetText(const QString& text);
  QString text() const;

 private:
  QPlainTextEdit* text_;
  QPushButton* close_;
};

}  // namespace zarv

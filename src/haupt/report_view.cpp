#include "haupt/report_view.h"

#include <algorithm>

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

namespace zarv {

namespace {

constexpr double kReportPointSize = 8.0;  // pt, as the window's own face
constexpr int kTextRoom = 40;             // px beside the longest line: frame, margins, scroll bar
constexpr int kTextFrame = 36;            // px above and below the lines: frame and margins
constexpr int kButtonRow = 48;            // px under the text: the Close button and the spacing
constexpr int kScreenShare = 90;          // %, of the screen the view may take at most

QFont FixedFont() {
  QFont font(QStringLiteral("DejaVu Sans Mono"));
  font.setStyleHint(QFont::Monospace);
  font.setFixedPitch(true);
  font.setPointSizeF(kReportPointSize);
  // A system without that face still gets one whose columns line up.
  if (!QFontInfo(font).fixedPitch()) {
    font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(kReportPointSize);
  }
  return font;
}

}  // namespace

ReportView::ReportView(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("ReportView"));
  setModal(false);
  text_ = new QPlainTextEdit(this);
  text_->setObjectName(QStringLiteral("ReportText"));
  text_->setReadOnly(true);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setFont(FixedFont());
  close_ = new QPushButton(this);
  close_->setObjectName(QStringLiteral("ReportClose"));
  connect(close_, &QPushButton::clicked, this, &QDialog::close);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(close_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_);
  layout->addLayout(buttons);
}

void ReportView::ShowReport(const QString& title, const QString& text, const QString& closeCaption) {
  setWindowTitle(title);
  close_->setText(closeCaption);
  text_->setPlainText(text);

  const QFontMetrics metrics(text_->font());
  int widest = 0;
  const QStringList lines = text.split(QLatin1Char('\n'));
  for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
  // A report ends with a newline, so the last of `lines` is empty: room for a scroll bar.
  QSize wanted(widest + kTextRoom,
               static_cast<int>(lines.size()) * metrics.lineSpacing() + kTextFrame + kButtonRow);
  if (const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen()) {
    const QSize room = screen->availableGeometry().size() * kScreenShare / 100;
    wanted = wanted.boundedTo(room);
  }
  resize(wanted);
  show();
  raise();
  activateWindow();
}

void ReportView::SetText(const QString& text) { text_->setPlainText(text); }

QString ReportView::text() const { return text_->toPlainText(); }

}  // namespace zarv

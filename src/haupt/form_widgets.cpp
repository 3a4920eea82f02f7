#include "haupt/form_widgets.h"

#include <array>

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

#include "pictures.h"

namespace zarv {

namespace {

// The faces a caption may take, widest first.
struct Face {
  const char* family;
  double points;
};
constexpr Face kFaces[] = {
    // family                  size, pt
    {"DejaVu Sans",           8.0},
    {"DejaVu Sans Condensed", 8.0},
    {"DejaVu Sans Condensed", 7.5},
    {"DejaVu Sans Condensed", 7.0},
    {"DejaVu Sans Condensed", 6.5},
    {"DejaVu Sans Condensed", 6.0},
};

std::array<QFont, std::size(kFaces)> CandidateFaces(const QWidget* widget) {
  std::array<QFont, std::size(kFaces)> candidates;
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    candidates[i] = widget->font();
    candidates[i].setFamily(QString::fromLatin1(kFaces[i].family));
    candidates[i].setPointSizeF(kFaces[i].points);
  }
  return candidates;
}

}  // namespace

void SetUpFixedWindow(QWidget* window, const char* name, const QString& caption, QSize size) {
  window->setObjectName(QString::fromLatin1(name));
  window->setWindowTitle(caption);
  window->setFixedSize(size);
  FillBackground(window, Qt::white);
}

void Place(QWidget* widget, const char* name, const PixelRect& place) {
  widget->setObjectName(QString::fromLatin1(name));
  widget->setGeometry(place.rect());
}

void SetColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(role, colour);
  widget->setPalette(palette);
}

void FillBackground(QWidget* widget, const QColor& colour) {
  widget->setAutoFillBackground(true);
  SetColour(widget, QPalette::Window, colour);
}

void MakeBold(QWidget* widget) {
  QFont font = widget->font();
  font.setBold(true);
  widget->setFont(font);
}

QFrame* MakePanel(QWidget* parent, const char* name, const PixelRect& place, const QColor& colour) {
  auto* panel = new QFrame(parent);
  Place(panel, name, place);
  FillBackground(panel, colour);
  return panel;
}

QFrame* MakeBevel(QWidget* parent, const PixelRect& place) {
  auto* frame = new QFrame(parent);
  frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
  frame->setGeometry(place.rect());
  return frame;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const PixelRect& place,
                        const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  Place(button, name, place);
  return button;
}

QPlainTextEdit* MakeMemo(QWidget* parent, const char* name, const PixelRect& place) {
  auto* memo = new QPlainTextEdit(parent);
  Place(memo, name, place);
  memo->setReadOnly(true);
  return memo;
}

QLabel* MakePicture(QWidget* parent, const char* name, const PixelRect& place, const char* file) {
  auto* label = new QLabel(parent);
  Place(label, name, place);
  if (file) label->setPixmap(QPixmap::fromImage(LoadPicture(file)));
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

QFont FirstFittingFont(std::span<const QFont> candidates, std::span<const QString> texts,
                       int room) {
  QFont chosen;
  for (const QFont& font : candidates) {
    chosen = font;
    const QFontMetrics metrics(font);
    bool fits = true;
    for (const QString& text : texts) fits = fits && metrics.horizontalAdvance(text) <= room;
    if (fits) break;
  }
  return chosen;
}

void FitFont(QWidget* widget, const QString& text, int room) {
  widget->setFont(FirstFittingFont(CandidateFaces(widget), {&text, 1}, room));
}

void FitEdit(QLineEdit* edit) {
  FitFont(edit, edit->text(), edit->width() - 2 * kEditInnerMargin);
}

void FitButton(QPushButton* button) {
  constexpr int kButtonPadding = 6;  // px, the bevel and the focus frame
  FitFont(button, button->text(), button->width() - kButtonPadding);
}

void SetCaption(QLabel* label, const QString& text) {
  label->setText(text);
  FitFont(label, text, label->width() - 1);
}

void SetWrappedText(QLabel* label, const QString& text) {
  label->setText(text);
  const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(),
                                                     -label->margin(), -label->margin());
  for (const QFont& font : CandidateFaces(label)) {
    label->setFont(font);
    const QRect needed = QFontMetrics(font).boundingRect(room, Qt::TextWordWrap, text);
    if (needed.height() <= room.height() && needed.width() <= room.width()) return;
  }
}

}  // namespace zarv

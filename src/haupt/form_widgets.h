#pragma once

#include <span>

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>

class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace zarv {

// A control's place in its window's client area, px.
struct PixelRect {
  int left, top, width, height;
  constexpr QRect rect() const { return QRect(left, top, width, height); }
};

// The window's own frame: fixed client size, white background, the caption.
void SetUpFixedWindow(QWidget* window, const char* name, const QString& caption, QSize size);

// Gives a control its form name and its place.
void Place(QWidget* widget, const char* name, const PixelRect& place);

void SetColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour);
// An opaque background in `colour`, so the control covers what lies under it.
void FillBackground(QWidget* widget, const QColor& colour);
void MakeBold(QWidget* widget);

// Plain controls as both windows build them.
QFrame* MakePanel(QWidget* parent, const char* name, const PixelRect& place, const QColor& colour);
QFrame* MakeBevel(QWidget* parent, const PixelRect& place);
QPushButton* MakeButton(QWidget* parent, const char* name, const PixelRect& place,
                        const QString& caption);
QPlainTextEdit* MakeMemo(QWidget* parent, const char* name, const PixelRect& place);
// A picture at its top left corner; `file` names one of the built-in pictures, nullptr none.
QLabel* MakePicture(QWidget* parent, const char* name, const PixelRect& place, const char* file);

// The first of `candidates` in which every text fits into `room` px; the last one when
// none does, so a text is set as small as allowed rather than in the wide face.
QFont FirstFittingFont(std::span<const QFont> candidates, std::span<const QString> texts,
                       int room);

// Captions wider than their control are set in a narrower or smaller face instead of
// being cut off.
void FitFont(QWidget* widget, const QString& text, int room);
void FitEdit(QLineEdit* edit);
void FitButton(QPushButton* button);
// Room for text inside an edit: its frame and the edit's own margins take 4 px a side.
inline constexpr int kEditInnerMargin = 4;  // px

// A label's text, in a face that fits the label's width.
void SetCaption(QLabel* label, const QString& text);
// A word-wrapped label's text, in the first face whose lines fit the label's height.
void SetWrappedText(QLabel* label, const QString& text);

}  // namespace zarv

#include "haupt/form_widgets.h"

#include <vector>

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace zarv {
namespace {

QFont Sized(int pixels) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(pixels);
  return font;
}

int Advance(int pixels, const QString& text) {
  return QFontMetrics(Sized(pixels)).horizontalAdvance(text);
}

TEST(FormWidgets, FirstFittingFontTakesTheFirstInWhichEveryTextFits) {
  const std::vector<QFont> candidates = {Sized(24), Sized(16), Sized(8)};
  const QString wide = QStringLiteral("Triebwerkmasse (ohne Treibstoff), kg");
  const QString narrow = QStringLiteral("Cw");
  ASSERT_GT(Advance(24, wide), Advance(16, wide));
  ASSERT_GT(Advance(16, wide), Advance(8, wide));
  struct Case {
    const char* what;
    std::vector<QString> texts;
    int room;    // px
    int pixels;  // of the expected font
  };
  const Case cases[] = {
      {"fits the first exactly",        {wide},         Advance(24, wide),     24},
      {"a pixel short of the first",    {wide},         Advance(24, wide) - 1, 16},
      {"fits only the last",            {wide},         Advance(8, wide),      8},
      {"fits none: the last",           {wide},         Advance(8, wide) - 1,  8},
      {"the widest text decides",       {narrow, wide}, Advance(24, wide) - 1, 16},
      {"the order of texts is no matter", {wide, narrow}, Advance(24, wide) - 1, 16},
      {"no text: the first",            {},             0,                     24},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FirstFittingFont(candidates, c.texts, c.room).pixelSize(), c.pixels) << c.what;
  }
}

TEST(FormWidgets, CaptionsTooWideForTheirControlTakeANarrowerFace) {
  struct Case {
    const char* text;
    int width;  // px of the control
  };
  const Case cases[] = {
      {"Cw",                                   111},
      {"Triebwerkmasse (ohne Treibstoff), kg", 111},
      {"Windgeschwindigkeit  Vw, m/s",         111},
      {"Radius, m",                            40},
      {"a caption no face can fit in so little room", 30},
  };
  QWidget form;
  QFont designed(QStringLiteral("DejaVu Sans"));
  designed.setPointSizeF(8.0);
  form.setFont(designed);
  for (const Case& c : cases) {
    QLabel label(&form);
    label.resize(c.width, 19);
    const QString text = QString::fromUtf8(c.text);
    SetCaption(&label, text);
    EXPECT_EQ(label.text(), text);
    const int advance = QFontMetrics(label.font()).horizontalAdvance(text);
    if (QFontMetrics(designed).horizontalAdvance(text) <= c.width - 1) {
      EXPECT_EQ(label.font(), designed) << "'" << c.text << "' fits as designed";
    } else if (advance > c.width - 1) {
      EXPECT_EQ(label.font().pointSizeF(), 6.0) << "'" << c.text << "' takes the smallest face";
    } else {
      EXPECT_LT(advance, QFontMetrics(designed).horizontalAdvance(text)) << c.text;
    }
  }
}

TEST(FormWidgets, ButtonCaptionLeavesRoomForTheBevel) {
  QPushButton button(QStringLiteral("H,V,Q,P,m,T,nx"));
  button.resize(62, 22);
  QFont designed(QStringLiteral("DejaVu Sans"));
  designed.setPointSizeF(8.0);
  button.setFont(designed);
  ASSERT_GT(QFontMetrics(designed).horizontalAdvance(button.text()), 62)
      << "the caption must be too wide as designed";
  FitButton(&button);
  EXPECT_LE(QFontMetrics(button.font()).horizontalAdvance(button.text()), 62 - 6);
  EXPECT_GT(QFontMetrics(button.font()).horizontalAdvance(button.text()), 62 - 12)
      << "the widest face that fits, not the smallest";
}

}  // namespace
}  // namespace zarv

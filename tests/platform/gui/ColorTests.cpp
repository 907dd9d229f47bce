// Colour resolution: plain colours pass through, system colours follow the application
// palette at the moment they are resolved, markers keep their meaning.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPalette>

#include "platform/gui/ColorUtils.h"

using namespace tarnwick;

namespace {

class PaletteScope {
 public:
  explicit PaletteScope(const QPalette& p) : FSaved(QGuiApplication::palette()) { QGuiApplication::setPalette(p); }
  ~PaletteScope() { QGuiApplication::setPalette(FSaved); }

 private:
  QPalette FSaved;
};

}  // namespace

class PlainColors : public testing::TestWithParam<TColor> {};

TEST_P(PlainColors, ComeBackUnchanged) {
  TColor c = GetParam();
  EXPECT_EQ(ColorToRGB(c), c);
  QColor q = ColorToQColor(c);
  EXPECT_EQ(q.red(), GetRValue(c));
  EXPECT_EQ(q.green(), GetGValue(c));
  EXPECT_EQ(q.blue(), GetBValue(c));
  EXPECT_EQ(q.alpha(), 255);
  EXPECT_EQ(QColorToColor(q), c);
}

INSTANTIATE_TEST_SUITE_P(Colors, PlainColors,
                         testing::Values(clBlack, clWhite, clRed, clBlue, clLime, clMoneyGreen, RGB(1, 2, 3)));

TEST(SystemColors, ResolveThroughTheApplicationPalette) {
  QPalette p;
  p.setColor(QPalette::Base, QColor(1, 2, 3));
  p.setColor(QPalette::Text, QColor(4, 5, 6));
  p.setColor(QPalette::Button, QColor(7, 8, 9));
  p.setColor(QPalette::Highlight, QColor(10, 11, 12));
  p.setColor(QPalette::HighlightedText, QColor(13, 14, 15));
  p.setColor(QPalette::ButtonText, QColor(16, 17, 18));
  p.setColor(QPalette::ToolTipBase, QColor(19, 20, 21));
  PaletteScope scope(p);
  EXPECT_EQ(ColorToRGB(clWindow), RGB(1, 2, 3));
  EXPECT_EQ(ColorToRGB(clWindowText), RGB(4, 5, 6));
  EXPECT_EQ(ColorToRGB(clBtnFace), RGB(7, 8, 9));
  EXPECT_EQ(ColorToRGB(clHighlight), RGB(10, 11, 12));
  EXPECT_EQ(ColorToRGB(clHighlightText), RGB(13, 14, 15));
  EXPECT_EQ(ColorToRGB(clBtnText), RGB(16, 17, 18));
  EXPECT_EQ(ColorToRGB(clInfoBk), RGB(19, 20, 21));
  EXPECT_EQ(ColorToQColor(clWindow), QColor(1, 2, 3));
}

TEST(SystemColors, EveryIndexGivesAPlainColour) {
  for (int i = 0; i <= 40; ++i) EXPECT_FALSE(IsSystemColor(ColorToRGB(SysColor(i)))) << i;
  EXPECT_EQ(ColorToRGB(SysColor(200)), clBlack);
}

TEST(ColorMarkers, KeepTheirMeaning) {
  EXPECT_EQ(ColorToRGB(clNone), clNone);
  EXPECT_EQ(ColorToRGB(clDefault), clDefault);
  EXPECT_EQ(ColorToQColor(clNone).alpha(), 0);
  EXPECT_EQ(ColorToQColor(clDefault), ColorToQColor(clWindow));
}
